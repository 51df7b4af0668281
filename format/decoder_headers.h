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
};

// `identification`: the 30-byte identification header; `comment`: the whole comment header
// packet, from its type byte to its last byte. Nothing when the decoder reads both.
[[nodiscard]] std::optional<DecoderRefusal>
decoderRefusal(std::span<const std::uint8_t> identification, std::span<const std::uint8_t> comment);

} // namespace kelvane
