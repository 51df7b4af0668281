#pragma once

#include "file_image.h"
#include "sound_attributes.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace kelvane {

// Where the comment header of a loaded image keeps what an insertion needs, in file offsets.
struct CommentLayout
{
    std::size_t segmentCount = 0;               // n, page 2's segment count
    std::optional<std::size_t> packetEndOffset; // S, the lacing value that ends the packet
    std::uint8_t packetEndLacing = 0;           // Z, that lacing value (below 255)
    std::size_t packetLength = 0;               // the comment packet's length in bytes
    std::size_t countOffset = 0;                // P, the user comment count field
    std::uint32_t commentCount = 0;             // C
    std::size_t pageLength = 0;                 // page 2's total length
};

struct InsertionResult
{
    bool inserted = false;
    bool lacingByteAdded = false;
    std::size_t bytesAdded = 0;
    std::size_t blockOffset = 0; // where the new block lies in the image
    std::size_t pageLength = 0;  // page 2's total length after the insertion
};

// Puts the default block in front of the user comments, in the image only. Page 2 stays a valid
// Ogg page: the comment packet's last lacing value grows by 28, or, when that would reach 255,
// becomes 255 and a new lacing value ends the packet. Only the bytes up to the comment count
// move; the rest of the file stays in place. Refused, with the image unchanged, when the packet
// does not end on page 2, when the segment table is full, when the count field is not inside
// the packet, when the count cannot grow, or when the image has no front room left.
[[nodiscard]] InsertionResult InsertAttributeBlock(FileImage &image, const CommentLayout &layout);

// Replaces a first comment of `oldLength` bytes (an older, shorter block) by `attrs` as a
// 24-byte block, in the image only, with the same lacing rule as the insertion; the comment
// count and every other comment stay. Refused, with the image unchanged, like an insertion.
[[nodiscard]] InsertionResult ReplaceFirstComment(FileImage &image, const CommentLayout &layout,
                                                  std::size_t oldLength,
                                                  const SoundAttributes &attrs);

} // namespace kelvane
