#include "decoder_invariants.h"

#include "sound_decoder.h"
#include "stream_length.h"
#include "waveform_peaks.h"

#include <algorithm>

using namespace kelvane;

std::string checkDecoderInvariants(std::span<const std::uint8_t> file)
{
    const DecodedSound sound = decodeSound(file);
    if (!sound.decoded())
        return sound.samples.empty() ? std::string() : "a failed decoding holds samples";
    if (sound.channels < 1 || sound.channels > 255 || sound.sampleRate == 0)
        return "decoded with no channels or no rate";
    if (sound.samples.empty() || sound.samples.size() % sound.channels != 0)
        return "decoded samples are not whole frames";
    if (sound.samples.size() > kMostDecodedSamples)
        return "decoded past the cap";

    constexpr int columns = 97;
    const WaveformPeaks peaks = waveformPeaks(sound, columns);
    if (peaks.channels.size() != sound.channels)
        return "the waveform has another channel count";
    for (const std::vector<float> &column : peaks.channels) {
        if (column.size() != std::size_t(columns))
            return "the waveform has another width";
        if (!std::all_of(column.begin(), column.end(),
                         [](float peak) { return peak >= 0.0f && peak <= 1.0f; }))
            return "a waveform peak is outside 0 to 1";
    }
    if (const auto seconds = soundSeconds(file, sound.sampleRate); seconds && *seconds < 0)
        return "a negative length";
    return {};
}
