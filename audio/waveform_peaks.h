#pragma once

#include "sound_decoder.h"

#include <vector>

namespace kelvane {

// The peak envelope of a sound, one column per pixel: for each channel and column the largest
// sample magnitude of the frames the column covers, from 0 (silence) to 1 (full scale).
struct WaveformPeaks
{
    std::vector<std::vector<float>> channels; // [channel][column]
};

[[nodiscard]] WaveformPeaks waveformPeaks(const DecodedSound &sound, int columns);

} // namespace kelvane
