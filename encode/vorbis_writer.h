#pragma once

#include "sound_attributes.h"
#include "source_audio.h"

#include <cstdint>
#include <vector>

namespace kelvane {

// The comment header a game sound carries: our vendor string and the block as the only comment.
[[nodiscard]] std::vector<std::uint8_t> gameCommentPacket(const SoundAttributes &block);

// `audio` encoded as one Ogg Vorbis stream (VBR at `quality` on oggenc's scale, -1 to 10), the
// identification header alone on the first page, the comment and setup headers on the second.
[[nodiscard]] std::vector<std::uint8_t> encodeVorbis(const SourceAudio &audio, float quality,
                                                     const SoundAttributes &block);

} // namespace kelvane
