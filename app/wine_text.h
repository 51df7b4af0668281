#pragma once

namespace kelvane {

// Under Wine, Qt's own Windows font engine leaves the text of line edits undrawn (the values of
// a sound among them); the FreeType engine, which Qt carries with it, draws every text. Chooses
// it when the program runs under Wine and no platform was asked for; real Windows keeps its own.
void drawEveryTextUnderWine();

} // namespace kelvane
