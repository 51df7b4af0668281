#include "waveform_peaks.h"

#include <algorithm>
#include <cstdlib>

namespace kelvane {

WaveformPeaks waveformPeaks(const DecodedSound &sound, int columns)
{
    WaveformPeaks peaks;
    const std::size_t frames = sound.frames();
    if (columns <= 0 || frames == 0)
        return peaks;
    const auto width = static_cast<std::size_t>(columns);
    peaks.channels.assign(sound.channels, std::vector<float>(width, 0.0f));
    for (std::size_t column = 0; column < width; ++column) {
        // Column c covers frames [c * frames / width, (c + 1) * frames / width), at least one.
        const std::size_t first = column * frames / width;
        const std::size_t last = std::max(first + 1, (column + 1) * frames / width);
        for (unsigned channel = 0; channel < sound.channels; ++channel) {
            int peak = 0;
            for (std::size_t frame = first; frame < last && frame < frames; ++frame)
                peak =
                    std::max(peak, std::abs(int{sound.samples[frame * sound.channels + channel]}));
            peaks.channels[channel][column] = static_cast<float>(peak) / 32768.0f;
        }
    }
    return peaks;
}

} // namespace kelvane
