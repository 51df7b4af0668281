#include "sound_range.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvane {

namespace {

// The distance gain alone, 0 to 1.
double distanceGain(const SoundAttributes &attrs, double distance)
{
    const double least = attrs.minDist;
    const double most = attrs.maxDist;
    // Without a reference distance, or with a maximum below it, the sound is not attenuated.
    if (!(least > 0.0) || most < least)
        return 1.0;
    const double clamped = std::clamp(distance, least, most);
    return least / (least + kEngineRollOff * (clamped - least));
}

} // namespace

double gainAt(const SoundAttributes &attrs, double distance)
{
    if (!(distance <= double(attrs.maxDist)))
        return 0.0; // culled
    return std::max(0.0, double(attrs.baseValue)) * distanceGain(attrs, distance);
}

double decibels(double gain)
{
    return gain > 0.0 ? 20.0 * std::log10(gain) : -std::numeric_limits<double>::infinity();
}

std::optional<double> distanceAtLevel(const SoundAttributes &attrs, double level)
{
    const double volume = std::max(0.0, double(attrs.baseValue));
    const double wanted = std::pow(10.0, level / 20.0);
    if (volume <= wanted)
        return 0.0; // that quiet from the start
    const double least = attrs.minDist;
    if (!(least > 0.0))
        return std::nullopt; // full volume up to the cut
    // least / (least + r (d - least)) = wanted / volume
    const double distance = least + (least * volume / wanted - least) / kEngineRollOff;
    if (!(distance <= double(attrs.maxDist)))
        return std::nullopt;
    return distance;
}

double aiHearing(const SoundAttributes &attrs)
{
    return attrs.maxAIDist;
}

} // namespace kelvane
