#pragma once

#include "sound_attributes.h"

#include <cstdint>
#include <optional>
#include <span>

namespace kelvane {

// The older blocks the games still read: version 1 (16 bytes: minimum, maximum, type) and
// version 2 (20 bytes: minimum, maximum, volume, type), in a first comment at least that long
// (the game reads the version's fields and nothing past them). Returns the values the game
// derives from one (volume 1.0 for version 1, AI distance equal to the maximum for both), with
// the block's own version kept, or nothing when `comment` is neither.
[[nodiscard]] std::optional<SoundAttributes> readLegacyBlock(std::span<const std::uint8_t> comment);

// The version a first comment claims (1, 2 or 3) when it is too short for that version's
// fields: the game reads past its end. Nothing for any other comment.
[[nodiscard]] std::optional<std::uint32_t> shortBlockVersion(std::span<const std::uint8_t> comment);

} // namespace kelvane
