#pragma once

#include "sound_attributes.h"

#include <optional>

namespace kelvane {

// How loud the game plays a sound at a distance from it: an OpenAL source with the block's
// minimum as reference distance and its maximum as maximum distance, inverse distance clamped,
// with the engine's roll-off; past the maximum the engine does not play it at all.
inline constexpr double kEngineRollOff = 0.75;
// Where a sound is called faint: the range picture labels it, `show --range` prints it.
inline constexpr double kQuietDecibels = -40.0;
// A sound louder than this at its maximum distance is heard to stop when it is cut there.
inline constexpr double kCutOffDecibels = -20.0;

// The gain at `distance` metres (0 to 1), the block's volume included; 0 past the maximum.
[[nodiscard]] double gainAt(const SoundAttributes &attrs, double distance);

// A gain in decibels; minus infinity for silence.
[[nodiscard]] double decibels(double gain);

// Where the sound has fallen to `level` dB: the distance (0 when it is that quiet from the
// start), or none when it is cut off at its maximum distance before it gets so quiet.
[[nodiscard]] std::optional<double> distanceAtLevel(const SoundAttributes &attrs, double level);

// How far NPCs hear the sound when the game plays it at its own volume: its AI distance.
[[nodiscard]] double aiHearing(const SoundAttributes &attrs);

} // namespace kelvane
