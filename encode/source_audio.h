#pragma once

#include "message.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kelvane {

// A source read block by block: interleaved floats at its own rate.
class SourceAudio
{
public:
    virtual ~SourceAudio() = default;

    // Up to `frames` frames into `into`; 0 at the end, or when a read fails (then `failure`).
    [[nodiscard]] virtual std::size_t read(float *into, std::size_t frames) = 0;
    [[nodiscard]] const Message &failure() const { return failure_; }

    unsigned rate = 0;
    unsigned channels = 0;
    // An Ogg Vorbis source's nominal bitrate (0 when it names none), and its first comment when
    // that holds a block the game reads.
    long nominalBitrate = 0;
    std::optional<std::vector<std::uint8_t>> firstComment;

protected:
    Message failure_;
};

// Opens an audio file: an Ogg Vorbis file decoded whole by our decoder, anything else read as
// it goes by libsndfile. Otherwise says why not.
[[nodiscard]] std::variant<std::unique_ptr<SourceAudio>, Message>
openSourceAudio(const std::string &path);

} // namespace kelvane
