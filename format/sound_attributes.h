#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kelvane {

// The games keep their per-sound settings as the first user comment of the Vorbis comment
// header: 24 raw little-endian bytes rather than the usual NAME=value text.
struct SoundAttributes
{
    std::uint32_t version = 0;
    float minDist = 0.0f;
    float maxDist = 0.0f;
    float baseValue = 0.0f;
    std::uint32_t gameType = 0;
    float maxAIDist = 0.0f;
};

inline constexpr std::size_t kAttributeBlockSize = 24;
inline constexpr std::uint32_t kAttributeBlockVersion = 3;

// The block given to files that have none.
inline constexpr SoundAttributes defaultAttrs{
    kAttributeBlockVersion, 2.0f, 100.0f, 1.0f, 0u, 50.0f};

// Reads the 24 bytes from the start of `bytes` in file order.
[[nodiscard]] SoundAttributes readAttributeBlock(std::span<const std::uint8_t> bytes);

// Writes the 24 bytes to the start of `bytes` in file order.
void writeAttributeBlock(std::span<std::uint8_t> bytes, const SoundAttributes &attrs);

// True when the two blocks hold the same values. Floats compare as numbers (0.0 equals -0.0),
// but a NaN differs from every number, so replacing a NaN distance always counts as a change;
// two NaNs count as equal only when their bits are the same.
[[nodiscard]] bool sameAttributes(const SoundAttributes &a, const SoundAttributes &b);

} // namespace kelvane
