#pragma once

#include "attribute_rules.h"
#include "sound_reader.h"

#include <optional>

#include <QString>

namespace kelvane {

// "weapon_shooting (0x80200000)"; a code the table does not hold is "unlisted (0x...)".
[[nodiscard]] QString typeText(std::uint32_t code);

// A refused value named with the field and the values: "maximum distance 50 is below minimum
// distance 120".
[[nodiscard]] Message breachText(AttributeField field, const SoundAttributes &attrs);

// The older block of version 1 or 2 in the first comment, when that is what it holds.
[[nodiscard]] std::optional<SoundAttributes> olderBlock(const Inspection &found);

// A word or two for `show --table`: "ok", "bad checksum", "no block", "refused: ...", with
// ", stops the game" after it (or "stops the game" for "ok") when the game would stop on the
// sound as it is on disk: a value it refuses, or a file its decoder cannot open.
[[nodiscard]] Message stateText(const LoadResult &loaded);

} // namespace kelvane
