#pragma once

#include "game_rules.h"
#include "sound_reader.h"

#include <QString>
#include <QStringList>

namespace kelvane {

// What writing `next` into a sound loaded to change would do, judged the same way by every
// front end that writes many sounds.
struct ChangeCheck
{
    enum Verdict
    {
        Write,     // worth writing: `changes` says what changes
        Unchanged, // the file already holds it
        Refused,   // must not be written: `why` says why
    } verdict = Refused;
    Message why;
    Message changes; // a list: "block inserted, max 20 -> 300"
    std::vector<Message>
        breaking; // what the game warns of in `next`; a strict front end refuses it
    // What would still stop the game once `next` is written: its values, or a file the game's
    // decoder cannot open for another reason than the checksum the save repairs.
    std::vector<Message> stopping;
};

// What the game finds in a sound once `next` is written into it: a version 3 block holding
// `next`, the checksum repaired, the rest as `found`.
[[nodiscard]] SoundFacts afterWriting(SoundFacts found, const SoundAttributes &next);

[[nodiscard]] ChangeCheck checkChange(const LoadResult &loaded, const SoundAttributes &next);

} // namespace kelvane
