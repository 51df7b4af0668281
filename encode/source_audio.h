#pragma once

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
    [[nodiscard]] std::size_t frames() const { return channels ? samples.size() / channels : 0; }
};

// Reads the whole of an audio file with libsndfile; otherwise says why not.
[[nodiscard]] std::variant<SourceAudio, std::string> readSourceAudio(const std::string &path);

// The same sound at `rate` (libsoxr's high quality); the source itself when at that rate already.
[[nodiscard]] SourceAudio resampled(SourceAudio source, unsigned rate);

// The average of the channels, one channel.
[[nodiscard]] SourceAudio mixedDown(const SourceAudio &source);

} // namespace kelvane
