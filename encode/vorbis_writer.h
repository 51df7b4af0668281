#pragma once

#include "sound_attributes.h"
#include "source_audio.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kelvane {

// The comment header a game sound carries: our vendor string and the block (its bytes) as the
// only comment.
[[nodiscard]] std::vector<std::uint8_t> gameCommentPacket(std::span<const std::uint8_t> block);

// `audio` encoded as one Ogg Vorbis stream (VBR at `quality` on oggenc's scale, -1 to 10), the
// identification header alone on the first page, the comment and setup headers on the second.
[[nodiscard]] std::vector<std::uint8_t> encodeVorbis(const SourceAudio &audio, float quality,
                                                     std::span<const std::uint8_t> block);

// The quality (in tenths, on oggenc's scale) whose nominal bitrate for this many channels at
// this rate comes nearest `nominalBitrate`: the quality a sound was most likely encoded at, which
// it keeps when it is encoded again.
[[nodiscard]] float qualityForBitrate(unsigned channels, unsigned rate, long nominalBitrate);

} // namespace kelvane
