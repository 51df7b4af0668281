#pragma once

#include "attribute_edits.h"
#include "message.h"
#include "sound_attributes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kelvane {

// The rate the stock games load: any other stops them ("Invalid source rate").
inline constexpr unsigned kGameRate = 44100;

// The quality the stock sounds are encoded at, on oggenc's scale (about 96 kbps in mono).
inline constexpr float kStockQuality = 5.0f;

// How a source becomes a game sound.
struct EncodeRequest
{
    // Vorbis VBR quality on oggenc's scale, -1 to 10. Nothing: an Ogg source's own nominal
    // bitrate matched, anything else at the stock quality.
    std::optional<float> quality;
    bool mono = true; // every sound placed in the world is mono; false keeps 1 or 2 channels
    // The block to write. Nothing: an Ogg source's own block (its first comment as it is), or
    // the default block for a source that has none.
    std::optional<SoundAttributes> block;
    // Values set over that block, whichever it is.
    AttributeEdits edits;
    // An Ogg source's own block (its first comment as it is) wins over the block and values
    // given, which then serve the sources without one.
    bool sourceBlockFirst = false;
};

// Where the block written came from.
enum class BlockSource
{
    Given,
    Source,
    Default,
};

// A game-ready Ogg Vorbis file in memory, and what it was made from.
struct EncodedSound
{
    std::vector<std::uint8_t> bytes;
    unsigned sourceRate = 0;
    unsigned sourceChannels = 0;
    unsigned channels = 0;
    std::uint64_t frames = 0; // at 44100 Hz, as a decoder gives them
    float quality = kStockQuality;
    SoundAttributes block{};
    BlockSource blockFrom = BlockSource::Default;
};

// Reads any audio file libsndfile reads (WAV, AIFF, FLAC...) or an Ogg Vorbis file, resamples it
// to 44100 Hz (not when it is at that rate already), mixes it down to mono when asked, and
// encodes it with the block as its first and only comment. Otherwise says why not.
[[nodiscard]] std::variant<EncodedSound, Message> encodeGameReady(const std::string &path,
                                                                  const EncodeRequest &request);

} // namespace kelvane
