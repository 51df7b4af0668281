#include "source_audio.h"

#include "file_image.h"
#include "load_report.h"
#include "sound_decoder.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#define ENABLE_SNDFILE_WINDOWS_PROTOTYPES 1
#endif
#include <sndfile.h>

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

// An Ogg Vorbis source, decoded whole in memory: samples handed out as floats.
class DecodedSource final : public SourceAudio
{
public:
    explicit DecodedSource(DecodedSound sound)
        : sound_(std::move(sound))
    {}
    std::size_t read(float *into, std::size_t frames) override
    {
        const std::size_t n = std::min(frames, sound_.frames() - at_);
        const std::int16_t *from = sound_.samples.data() + at_ * channels;
        std::transform(from, from + n * channels, into,
                       [](std::int16_t sample) { return float(sample) / 32768.0f; });
        at_ += n;
        return n;
    }

private:
    DecodedSound sound_;
    std::size_t at_ = 0;
};

// Any other audio file, read as it goes by libsndfile.
class SndfileSource final : public SourceAudio
{
public:
    explicit SndfileSource(SNDFILE *file)
        : file_(file)
    {}
    ~SndfileSource() override { sf_close(file_); }
    SndfileSource(const SndfileSource &) = delete;
    SndfileSource &operator=(const SndfileSource &) = delete;
    // Reads to the end rather than trusting the header's length: a header may lie.
    std::size_t read(float *into, std::size_t frames) override
    {
        const sf_count_t got = sf_readf_float(file_, into, sf_count_t(frames));
        if (got <= 0 && sf_error(file_) != SF_ERR_NO_ERROR)
            failure_ = Message(MessageKind::SourceUnreadable, {sf_strerror(file_)});
        return got > 0 ? std::size_t(got) : 0;
    }

private:
    SNDFILE *file_;
};

std::variant<std::unique_ptr<SourceAudio>, Message> openOgg(const std::filesystem::path &path)
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
    DecodedSound decoded = decodeSound(bytes);
    if (!decoded.decoded()) {
        if (decoded.failure == "longer than an hour")
            return Message(MessageKind::SourceTooLong);
        if (decoded.failure == "it holds no audio")
            return Message(MessageKind::SourceEmpty);
        return Message(MessageKind::SourceNotAudio, {decoded.failure});
    }
    const unsigned rate = decoded.sampleRate;
    const unsigned channels = decoded.channels;
    const long nominalBitrate = decoded.nominalBitrate;
    auto source = std::make_unique<DecodedSource>(std::move(decoded));
    source->rate = rate;
    source->channels = channels;
    source->nominalBitrate = nominalBitrate;
    source->firstComment = ownBlock(bytes);
    return source;
}

bool isOgg(const std::filesystem::path &path)
{
    char start[4] = {};
    std::ifstream in(path, std::ios::binary);
    return in.read(start, 4) && std::memcmp(start, "OggS", 4) == 0;
}

} // namespace

std::variant<std::unique_ptr<SourceAudio>, Message> openSourceAudio(const std::string &utf8Path)
{
    const std::filesystem::path path = pathOf(utf8Path);
    if (isOgg(path))
        return openOgg(path);
    SF_INFO info{};
#ifdef _WIN32
    SNDFILE *file = sf_wchar_open(path.c_str(), SFM_READ, &info);
#else
    SNDFILE *file = sf_open(path.c_str(), SFM_READ, &info);
#endif
    if (!file)
        return Message(MessageKind::SourceNotAudio, {sf_strerror(nullptr)});
    auto source = std::make_unique<SndfileSource>(file);
    source->rate = unsigned(info.samplerate);
    source->channels = unsigned(info.channels);
    return source;
}

} // namespace kelvane
