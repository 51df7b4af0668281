#include "legacy_block.h"

#include "byte_order.h"

namespace kelvane {

std::optional<TSoundAttributes> readLegacyBlock(std::span<const std::uint8_t> comment)
{
    if (comment.size() == 16 && readU32LE(comment, 0) == 1) {
        const float maxDist = readF32LE(comment, 8);
        return TSoundAttributes{1,    readF32LE(comment, 4),  maxDist,
                                1.0f, readU32LE(comment, 12), maxDist};
    }
    if (comment.size() == 20 && readU32LE(comment, 0) == 2) {
        const float maxDist = readF32LE(comment, 8);
        return TSoundAttributes{
            2,      readF32LE(comment, 4), maxDist, readF32LE(comment, 12), readU32LE(comment, 16),
            maxDist};
    }
    return std::nullopt;
}

} // namespace kelvane
