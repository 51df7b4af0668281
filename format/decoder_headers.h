#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace kelvane {

// Why the games' Vorbis decoder would refuse to open a stream, judged from its first two
// headers by the rules the decoder itself applies to them.
enum class DecoderRefusal
{
    IdentificationHeader, // version, channels, rate, block sizes or framing bit
    CommentHeader,        // a length or count past the packet's end, or no framing bit
    EndsEarly,            // the file ends before page 2 does
    // The first two pages break the stream's framing as the decoder's page reader enforces it.
    NoStreamStart,   // page 1 lacks the beginning-of-stream flag
    OtherStream,     // page 2 carries another stream's serial number
    OutOfSequence,   // page 2's sequence number does not follow page 1's
    ContinuedPacket, // page 2 says it continues a packet, which drops the comment header
};

// `pages`: the file from its start, with both page headers (page 2 at offset 58). Nothing when
// the decoder's page reader takes the first two pages as one stream's first two pages.
[[nodiscard]] std::optional<DecoderRefusal> pageRefusal(std::span<const std::uint8_t> pages);

// `identification`: the 30-byte identification header; `comment`: the whole comment header
// packet, from its type byte to its last byte. Nothing when the decoder reads both.
[[nodiscard]] std::optional<DecoderRefusal>
decoderRefusal(std::span<const std::uint8_t> identification, std::span<const std::uint8_t> comment);

} // namespace kelvane
