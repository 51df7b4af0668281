#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kelvane {

// The longest an Ogg page can be: a 27-byte header, 255 lacing values, 255 segments of 255.
inline constexpr std::size_t kLongestPage = 27 + 255 + 255 * 255;

// The granule position of the stream's last page that ends a packet, from the end of a file:
// `tail` is the file's last bytes (at most kLongestPage are needed). For a Vorbis stream it is
// the number of sample frames, so the length is known without decoding. Empty when the tail
// does not end with a whole page.
[[nodiscard]] std::optional<std::uint64_t> lastGranulePosition(std::span<const std::uint8_t> tail);

// The sound's length in seconds, from the last granule position and the sample rate.
[[nodiscard]] std::optional<double> soundSeconds(std::span<const std::uint8_t> tail,
                                                 std::uint32_t sampleRate);

} // namespace kelvane
