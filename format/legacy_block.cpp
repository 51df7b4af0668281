#include "legacy_block.h"

#include "byte_order.h"

namespace kelvane {

std::optional<SoundAttributes> readLegacyBlock(std::span<const std::uint8_t> comment)
{
    // The game looks at the version and reads that version's fields; what lies beyond them it
    // never looks at, so a longer comment is read all the same.
    if (comment.size() >= 16 && readU32LE(comment, 0) == 1) {
        const float maxDist = readF32LE(comment, 8);
        return SoundAttributes{1,    readF32LE(comment, 4),  maxDist,
                               1.0f, readU32LE(comment, 12), maxDist};
    }
    if (comment.size() >= 20 && readU32LE(comment, 0) == 2) {
        const float maxDist = readF32LE(comment, 8);
        return SoundAttributes{
            2,      readF32LE(comment, 4), maxDist, readF32LE(comment, 12), readU32LE(comment, 16),
            maxDist};
    }
    return std::nullopt;
}

std::optional<std::uint32_t> shortBlockVersion(std::span<const std::uint8_t> comment)
{
    if (comment.size() < 4)
        return std::nullopt;
    const std::uint32_t version = readU32LE(comment, 0);
    const std::size_t needed = version == 1 ? 16 : version == 2 ? 20 : version == 3 ? 24 : 0;
    if (needed == 0 || comment.size() >= needed)
        return std::nullopt;
    return version;
}

} // namespace kelvane
