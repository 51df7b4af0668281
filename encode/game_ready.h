#pragma once

#include "sound_attributes.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace kelvane {

// The rate the stock games load: any other stops them ("Invalid source rate").
inline constexpr unsigned kGameRate = 44100;

// How a source becomes a game sound.
struct EncodeRequest
{
    float quality = 5.0f; // Vorbis VBR quality on oggenc's scale, -1 to 10
    bool mono = true;     // every sound placed in the world is mono; false keeps 1 or 2 channels
    SoundAttributes block = defaultAttrs; // the first (and only) user comment
};

// A game-ready Ogg Vorbis file in memory, and what it was made from.
struct EncodedSound
{
    std::vector<std::uint8_t> bytes;
    unsigned sourceRate = 0;
    unsigned sourceChannels = 0;
    unsigned channels = 0;
    std::uint64_t frames = 0; // at 44100 Hz, as a decoder gives them
};

// Reads any audio file libsndfile reads (WAV, AIFF, FLAC...), resamples it to 44100 Hz (not when
// it is at that rate already), mixes it down to mono when asked, and encodes it with the block as
// its first comment. Otherwise says why not, in English.
[[nodiscard]] std::variant<EncodedSound, std::string> encodeGameReady(const std::string &path,
                                                                      const EncodeRequest &request);

} // namespace kelvane
