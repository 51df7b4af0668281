#include "sound_attributes.h"

#include "byte_order.h"

#include <bit>
#include <cmath>

namespace kelvane {

namespace {

bool sameFloat(float a, float b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
    return a == b;
}

} // namespace

SoundAttributes readAttributeBlock(std::span<const std::uint8_t> bytes)
{
    bytes = bytes.first(kAttributeBlockSize);
    return SoundAttributes{readU32LE(bytes, 0),  readF32LE(bytes, 4),  readF32LE(bytes, 8),
                           readF32LE(bytes, 12), readU32LE(bytes, 16), readF32LE(bytes, 20)};
}

void writeAttributeBlock(std::span<std::uint8_t> bytes, const SoundAttributes &attrs)
{
    bytes = bytes.first(kAttributeBlockSize);
    writeU32LE(bytes, 0, attrs.version);
    writeF32LE(bytes, 4, attrs.minDist);
    writeF32LE(bytes, 8, attrs.maxDist);
    writeF32LE(bytes, 12, attrs.baseValue);
    writeU32LE(bytes, 16, attrs.gameType);
    writeF32LE(bytes, 20, attrs.maxAIDist);
}

bool sameAttributes(const SoundAttributes &a, const SoundAttributes &b)
{
    return a.version == b.version && sameFloat(a.minDist, b.minDist) &&
           sameFloat(a.maxDist, b.maxDist) && sameFloat(a.baseValue, b.baseValue) &&
           a.gameType == b.gameType && sameFloat(a.maxAIDist, b.maxAIDist);
}

} // namespace kelvane
