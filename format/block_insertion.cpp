#include "block_insertion.h"

#include "byte_order.h"
#include "ogg_layout.h"
#include "sound_attributes.h"

#include <cstring>
#include <limits>

namespace kelvane {

namespace {

// A lacing value of 255 continues the packet, so Z + 28 must stay below 255 to end it.
constexpr std::uint8_t kLargestGrowableLacing = 255 - 1 - 28;
constexpr std::size_t kCommentEntrySize = 4 + kAttributeBlockSize;

bool canInsert(const FileImage &image, const CommentLayout &l, std::size_t added)
{
    if (!l.packetEndOffset || l.packetEndLacing == 255)
        return false;
    if (added > kCommentEntrySize && l.segmentCount >= layout::kMaxSegments)
        return false;
    if (l.commentCount == std::numeric_limits<std::uint32_t>::max())
        return false;
    const std::size_t body = layout::kPage2SegmentTable + l.segmentCount;
    if (l.countOffset < body || l.packetLength < 4 || l.countOffset - body > l.packetLength - 4)
        return false;
    const std::size_t pageEnd = layout::kPage2 + image.commentPageLength;
    if (image.commentPageLength == 0 || pageEnd > image.bytes().size())
        return false;
    return image.frontRoom() >= added;
}

} // namespace

InsertionResult InsertAttributeBlock(FileImage &image, const CommentLayout &l)
{
    const bool extraLacing = l.packetEndLacing > kLargestGrowableLacing;
    const std::size_t added = kCommentEntrySize + (extraLacing ? 1 : 0);
    if (!canInsert(image, l, added))
        return {};

    const std::size_t s = *l.packetEndOffset;
    const std::size_t p = l.countOffset;
    // Old offsets 0..P+3 move to the front; everything from P+4 on stays where it is.
    std::uint8_t *oldStart = image.bytes().data();
    if (!image.extendAtFront(added))
        return {};
    std::uint8_t *newStart = image.bytes().data();
    if (extraLacing) {
        std::memmove(newStart, oldStart, s);
        std::memmove(newStart + s + 1, oldStart + s, p + 4 - s);
    } else {
        std::memmove(newStart, oldStart, p + 4);
    }

    const auto bytes = image.bytes();
    const std::size_t e = extraLacing ? 1 : 0;
    if (extraLacing) {
        bytes[s] = 255;
        bytes[s + 1] = static_cast<std::uint8_t>(l.packetEndLacing - (kLargestGrowableLacing + 1));
        bytes[layout::kPage2SegmentCount] = static_cast<std::uint8_t>(l.segmentCount + 1);
    } else {
        bytes[s] = static_cast<std::uint8_t>(l.packetEndLacing + kCommentEntrySize);
    }
    writeU32LE(bytes, p + e, l.commentCount + 1);
    writeU32LE(bytes, p + e + 4, static_cast<std::uint32_t>(kAttributeBlockSize));
    writeAttributeBlock(bytes.subspan(p + e + 8), defaultAttrs);

    image.blockOffset = p + e + 8;
    image.commentPageLength += added;
    return {true, extraLacing, added};
}

} // namespace kelvane
