#include "block_insertion.h"

#include "byte_order.h"
#include "ogg_layout.h"
#include "sound_attributes.h"

#include <cstring>
#include <limits>

namespace kelvane {

namespace {

constexpr std::size_t kCommentEntrySize = 4 + kAttributeBlockSize;

// Where the comment packet's body starts and how long it is.
std::size_t bodyOf(const CommentLayout &l)
{
    return layout::kPage2SegmentTable + l.segmentCount;
}

bool pageIsWhole(const FileImage &image, const CommentLayout &l)
{
    const std::size_t size = image.bytes().size();
    return l.pageLength > 0 && size >= layout::kPage2 && l.pageLength <= size - layout::kPage2;
}

// Makes `grow` bytes of room at file offset `split` inside the comment packet: the bytes before
// it move to the front of the buffer, the rest of the file stays where it is. The packet's last
// lacing value grows by `grow`; when that would reach 255 (which would not end the packet) it
// becomes 255 and one more lacing value ends the packet. Returns the bytes added (grow, or
// grow + 1), or 0 with the image unchanged when the packet does not end on page 2, the segment
// table is full, `split` lies outside the packet, page 2 is not whole, or there is no room.
std::size_t growCommentPacket(FileImage &image, const CommentLayout &l, std::size_t split,
                              std::size_t grow)
{
    if (!l.packetEndOffset || l.packetEndLacing == 255)
        return 0;
    const bool extraLacing = grow > std::size_t{254} - l.packetEndLacing;
    if (extraLacing && l.segmentCount >= layout::kMaxSegments)
        return 0;
    const std::size_t body = bodyOf(l);
    if (split < body || split - body > l.packetLength)
        return 0;
    if (!pageIsWhole(image, l))
        return 0;
    const std::size_t added = grow + (extraLacing ? 1 : 0);
    const std::size_t s = *l.packetEndOffset;
    std::uint8_t *oldStart = image.bytes().data();
    if (!image.extendAtFront(added))
        return 0;
    std::uint8_t *newStart = image.bytes().data();
    const auto bytes = image.bytes();
    if (extraLacing) {
        std::memmove(newStart, oldStart, s);
        std::memmove(newStart + s + 1, oldStart + s, split - s);
        bytes[s] = 255;
        bytes[s + 1] = static_cast<std::uint8_t>(l.packetEndLacing + grow - 255);
        bytes[layout::kPage2SegmentCount] = static_cast<std::uint8_t>(l.segmentCount + 1);
    } else {
        std::memmove(newStart, oldStart, split);
        bytes[s] = static_cast<std::uint8_t>(l.packetEndLacing + grow);
    }
    return added;
}

} // namespace

InsertionResult InsertAttributeBlock(FileImage &image, const CommentLayout &l)
{
    // The count field must lie inside the packet, and the count must be able to grow.
    if (l.commentCount == std::numeric_limits<std::uint32_t>::max() || l.packetLength < 4 ||
        l.countOffset < bodyOf(l) || l.countOffset - bodyOf(l) > l.packetLength - 4)
        return {};
    const std::size_t added = growCommentPacket(image, l, l.countOffset + 4, kCommentEntrySize);
    if (added == 0)
        return {};
    const std::size_t e = added - kCommentEntrySize;
    const auto bytes = image.bytes();
    writeU32LE(bytes, l.countOffset + e, l.commentCount + 1);
    writeU32LE(bytes, l.countOffset + e + 4, static_cast<std::uint32_t>(kAttributeBlockSize));
    writeAttributeBlock(bytes.subspan(l.countOffset + e + 8), defaultAttrs);
    return {true, e == 1, added, l.countOffset + e + 8, l.pageLength + added};
}

InsertionResult ReplaceFirstComment(FileImage &image, const CommentLayout &l, std::size_t oldLength,
                                    const SoundAttributes &attrs)
{
    // The whole first comment must lie inside the packet.
    const std::size_t first = l.countOffset + 8;
    if (l.commentCount == 0 || oldLength > kAttributeBlockSize || first < bodyOf(l) ||
        first - bodyOf(l) > l.packetLength || oldLength > l.packetLength - (first - bodyOf(l)))
        return {};
    const std::size_t grow = kAttributeBlockSize - oldLength;
    std::size_t added = 0;
    if (grow > 0) {
        added = growCommentPacket(image, l, first, grow);
        if (added == 0)
            return {};
    } else if (!pageIsWhole(image, l)) {
        return {};
    }
    const std::size_t e = added - grow;
    const auto bytes = image.bytes();
    writeU32LE(bytes, l.countOffset + e + 4, static_cast<std::uint32_t>(kAttributeBlockSize));
    writeAttributeBlock(bytes.subspan(first + e), attrs);
    return {true, e == 1, added, first + e, l.pageLength + added};
}

} // namespace kelvane
