#include "source_audio.h"

#include <cmath>

#include <sndfile.h>
#include <soxr.h>

namespace kelvane {

std::variant<SourceAudio, std::string> readSourceAudio(const std::string &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return std::string("not a sound this program reads (") + sf_strerror(nullptr) + ")";
    SourceAudio audio;
    audio.rate = unsigned(info.samplerate);
    audio.channels = unsigned(info.channels);
    // Read in blocks to the end rather than trusting the header's length: a header may lie.
    constexpr sf_count_t kBlock = 65536;
    std::vector<float> block(std::size_t(kBlock) * audio.channels);
    sf_count_t got = 0;
    while ((got = sf_readf_float(file, block.data(), kBlock)) > 0)
        audio.samples.insert(audio.samples.end(), block.begin(),
                             block.begin() + std::ptrdiff_t(got) * info.channels);
    const int error = sf_error(file);
    sf_close(file);
    if (error != SF_ERR_NO_ERROR)
        return std::string("the sound cannot be read to its end (") + sf_error_number(error) + ")";
    if (audio.frames() == 0)
        return std::string("the sound holds no samples");
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
