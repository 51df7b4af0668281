#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace kelvane {

// The comment header a game sound carries: our vendor string and the block (its bytes) as the
// only comment.
[[nodiscard]] std::vector<std::uint8_t> gameCommentPacket(std::span<const std::uint8_t> block);

// The quality (in tenths, on oggenc's scale) whose nominal bitrate for this many channels at
// this rate comes nearest `nominalBitrate`: the quality a sound was most likely encoded at, which
// it keeps when it is encoded again.
[[nodiscard]] float qualityForBitrate(unsigned channels, unsigned rate, long nominalBitrate);

// One Ogg Vorbis stream encoded block by block (VBR at `quality` on oggenc's scale, -1 to 10):
// the identification header alone on the first page, the comment and setup headers on the
// second, then the audio as it is written.
class VorbisWriter
{
public:
    VorbisWriter(unsigned channels, unsigned rate, float quality,
                 std::span<const std::uint8_t> block);
    ~VorbisWriter();
    VorbisWriter(const VorbisWriter &) = delete;
    VorbisWriter &operator=(const VorbisWriter &) = delete;

    // Encodes `frames` frames of interleaved samples.
    void write(const float *samples, std::size_t frames);
    // Ends the stream; the whole file.
    [[nodiscard]] std::vector<std::uint8_t> finish();

private:
    void drain();
    struct State;
    std::unique_ptr<State> state_;
    unsigned channels_;
    std::vector<std::uint8_t> out_;
};

} // namespace kelvane
