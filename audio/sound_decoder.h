#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kelvane {

// A sound decoded to 16-bit samples, interleaved by channel: what a player plays and what a
// waveform is drawn from.
struct DecodedSound
{
    unsigned channels = 0;
    std::uint32_t sampleRate = 0;
    long nominalBitrate = 0; // from the first link's identification header; 0 when unset
    std::vector<std::int16_t> samples;
    std::string failure; // why it could not be decoded; empty when it was

    [[nodiscard]] bool decoded() const { return failure.empty(); }
    [[nodiscard]] std::size_t frames() const { return channels ? samples.size() / channels : 0; }
};

// The most a sound may decode to: an hour of stereo at 48 kHz. A few bytes can claim a long
// block of silence, so a hostile file could otherwise fill the memory.
inline constexpr std::size_t kMostDecodedSamples = std::size_t{2} * 48'000 * 3'600;

// Decodes the Ogg Vorbis stream held in `file` (the whole file, already in memory) as the
// reference decoder does: every sample of every link, 16-bit, signed. A stream whose channel
// count or rate changes between links, that decodes to nothing, or that decodes past
// kMostDecodedSamples, fails.
[[nodiscard]] DecodedSound decodeSound(std::span<const std::uint8_t> file);

} // namespace kelvane
