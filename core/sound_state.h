#pragma once

#include "sound_reader.h"

namespace kelvane {

// A word or two for a sound's state in a table: "ok", "bad checksum", "no block",
// "refused: ...", with ", stops the game" after it (or "stops the game" for "ok") when the game
// would stop on the sound as it is on disk: a value it refuses, or a file its decoder cannot
// open.
[[nodiscard]] Message stateText(const LoadResult &loaded);

} // namespace kelvane
