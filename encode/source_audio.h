#pragma once

#include "message.h"
#include "sound_attributes.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kelvane {

// A source's samples as floats, interleaved, at its own rate.
struct SourceAudio
{
    std::vector<float> samples;
    unsigned rate = 0;
    unsigned channels = 0;
    // An Ogg Vorbis source's nominal bitrate (0 when it names none), and its first comment when
    // that holds a block.
    long nominalBitrate = 0;
    std::optional<std::vector<std::uint8_t>> firstComment;
    [[nodiscard]] std::size_t frames() const { return channels ? samples.size() / channels : 0; }
};

// Reads the whole of an audio file: an Ogg Vorbis file through our decoder, anything else with
// libsndfile. Otherwise says why not.
[[nodiscard]] std::variant<SourceAudio, Message> readSourceAudio(const std::string &path);

// The same sound at `rate` (libsoxr's high quality); the source itself when at that rate already.
[[nodiscard]] SourceAudio resampled(SourceAudio source, unsigned rate);

// The average of the channels, one channel.
[[nodiscard]] SourceAudio mixedDown(const SourceAudio &source);

} // namespace kelvane
