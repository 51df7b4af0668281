#include "source_audio.h"

#include "file_image.h"
#include "load_report.h"
#include "sound_decoder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#define ENABLE_SNDFILE_WINDOWS_PROTOTYPES 1
#endif
#include <sndfile.h>
#include <soxr.h>

namespace kelvane {

namespace {

std::filesystem::path pathOf(const std::string &utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The most of an Ogg source read into memory: far beyond an hour of any game sound.
constexpr std::uintmax_t kMostOggBytes = std::uintmax_t{1} << 30;

// The first comment when it is a block the game reads: as the file holds it when it is a version 3
// block, the block it becomes when it is an older one; nothing when there is none.
std::optional<std::vector<std::uint8_t>> ownBlock(std::vector<std::uint8_t> &file)
{
    FileImage image(file.size(), std::int64_t(file.size()));
    std::memcpy(image.readArea().data(), file.data(), file.size());
    image.setBytesRead(file.size());
    const Inspection found = inspectImage(image, MissingBlock::UpgradeOlder);
    if (!found.shownAttrs)
        return std::nullopt;
    switch (found.outcome) {
    case LoadOutcome::Clean:
    case LoadOutcome::BadChecksum:
    case LoadOutcome::ViewOnly:
        if (found.firstComment && found.firstComment->size() == kAttributeBlockSize)
            return found.firstComment;
        return std::nullopt;
    case LoadOutcome::Upgraded: {
        std::vector<std::uint8_t> block(kAttributeBlockSize);
        writeAttributeBlock(block, *found.shownAttrs);
        return block;
    }
    case LoadOutcome::Refused:
    case LoadOutcome::Inserted:
        break;
    }
    return std::nullopt;
}

std::variant<SourceAudio, Message> readOggSource(const std::filesystem::path &path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return Message(MessageKind::SourceUnreadable, {error.message()});
    if (size > kMostOggBytes)
        return Message(MessageKind::SourceTooLong);
    std::vector<std::uint8_t> bytes(size);
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char *>(bytes.data()), std::streamsize(size)))
        return Message(MessageKind::SourceUnreadable, {"read"});
    const DecodedSound decoded = decodeSound(bytes);
    if (!decoded.decoded()) {
        if (decoded.failure == "longer than an hour")
            return Message(MessageKind::SourceTooLong);
        if (decoded.failure == "it holds no audio")
            return Message(MessageKind::SourceEmpty);
        return Message(MessageKind::SourceNotAudio, {decoded.failure});
    }
    SourceAudio audio;
    audio.rate = decoded.sampleRate;
    audio.channels = decoded.channels;
    audio.nominalBitrate = decoded.nominalBitrate;
    audio.samples.resize(decoded.samples.size());
    std::transform(decoded.samples.begin(), decoded.samples.end(), audio.samples.begin(),
                   [](std::int16_t sample) { return float(sample) / 32768.0f; });
    audio.firstComment = ownBlock(bytes);
    return audio;
}

bool isOgg(const std::filesystem::path &path)
{
    char start[4] = {};
    std::ifstream in(path, std::ios::binary);
    return in.read(start, 4) && std::memcmp(start, "OggS", 4) == 0;
}

} // namespace

std::variant<SourceAudio, Message> readSourceAudio(const std::string &utf8Path)
{
    const std::filesystem::path path = pathOf(utf8Path);
    if (isOgg(path))
        return readOggSource(path);
    SF_INFO info{};
#ifdef _WIN32
    SNDFILE *file = sf_wchar_open(path.c_str(), SFM_READ, &info);
#else
    SNDFILE *file = sf_open(path.c_str(), SFM_READ, &info);
#endif
    if (!file)
        return Message(MessageKind::SourceNotAudio, {sf_strerror(nullptr)});
    // An hour at 48 kHz in stereo, as for an Ogg source: a header may claim far more.
    if (info.frames > 0 &&
        std::uint64_t(info.frames) * unsigned(info.channels) > kMostDecodedSamples) {
        sf_close(file);
        return Message(MessageKind::SourceTooLong);
    }
    SourceAudio audio;
    audio.rate = unsigned(info.samplerate);
    audio.channels = unsigned(info.channels);
    // Read in blocks to the end rather than trusting the header's length: a header may lie.
    constexpr sf_count_t kBlock = 65536;
    std::vector<float> block(std::size_t(kBlock) * audio.channels);
    sf_count_t got = 0;
    while ((got = sf_readf_float(file, block.data(), kBlock)) > 0) {
        audio.samples.insert(audio.samples.end(), block.begin(),
                             block.begin() + std::ptrdiff_t(got) * info.channels);
        if (audio.samples.size() > kMostDecodedSamples) {
            sf_close(file);
            return Message(MessageKind::SourceTooLong);
        }
    }
    const int error = sf_error(file);
    sf_close(file);
    if (error != SF_ERR_NO_ERROR)
        return Message(MessageKind::SourceUnreadable, {sf_error_number(error)});
    if (audio.frames() == 0)
        return Message(MessageKind::SourceEmpty);
    return audio;
}

SourceAudio resampled(SourceAudio source, unsigned rate)
{
    if (source.rate == rate)
        return source;
    const std::size_t in = source.frames();
    // The length at the new rate, to the sample: what a listener times is what the game plays.
    const auto out = std::size_t(std::llround(double(in) * rate / source.rate));
    SourceAudio result;
    result.rate = rate;
    result.channels = source.channels;
    result.samples.resize((out + 1) * source.channels);
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    std::size_t done = 0;
    soxr_oneshot(source.rate, rate, source.channels, source.samples.data(), in, nullptr,
                 result.samples.data(), out + 1, &done, &io, &quality, nullptr);
    result.samples.resize(std::min(done, out) * source.channels);
    return result;
}

SourceAudio mixedDown(const SourceAudio &source)
{
    if (source.channels <= 1)
        return source;
    SourceAudio mono;
    mono.rate = source.rate;
    mono.channels = 1;
    mono.samples.resize(source.frames());
    // The average never goes beyond the loudest channel: nothing clips that did not before.
    for (std::size_t frame = 0; frame < mono.samples.size(); ++frame) {
        float sum = 0.0f;
        for (unsigned channel = 0; channel < source.channels; ++channel)
            sum += source.samples[frame * source.channels + channel];
        mono.samples[frame] = sum / float(source.channels);
    }
    return mono;
}

} // namespace kelvane
