#pragma once

#include <cstddef>

// Fixed offsets of the first two pages of a Vorbis stream. The first page of a Vorbis stream
// holds only the 30-byte identification header in one segment, so it is 27 + 1 + 30 = 58 bytes
// long and the second page, the one with the comment header, starts at file offset 58.
namespace kelvane::layout {

inline constexpr std::size_t kPageHeaderSize = 27;
inline constexpr std::size_t kPage1SegmentCount = 26;
inline constexpr std::size_t kPage1SegmentTable = 27;
inline constexpr std::size_t kPage1Body = 28;
inline constexpr std::size_t kIdentificationLength = 30;
inline constexpr std::size_t kChannels = 39;
inline constexpr std::size_t kSampleRate = 40;
inline constexpr std::size_t kMaxBitrate = 44;
inline constexpr std::size_t kNominalBitrate = 48;
inline constexpr std::size_t kMinBitrate = 52;
inline constexpr std::size_t kPage2 = 58;
inline constexpr std::size_t kPage2Checksum = kPage2 + 22;
inline constexpr std::size_t kPage2SegmentCount = kPage2 + 26;
inline constexpr std::size_t kPage2SegmentTable = kPage2 + 27;
inline constexpr std::size_t kMaxSegments = 255;

// Bytes of a file over this size are never all read; exactly this size is still read whole.
inline constexpr long long kWholeReadLimit = 10'485'760;
// How much of a larger file is read: enough for the headers of any ordinary sound.
inline constexpr std::size_t kHeaderReadSize = 10'240;

} // namespace kelvane::layout
