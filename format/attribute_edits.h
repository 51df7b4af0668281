#pragma once

#include "sound_attributes.h"

#include <cstdint>
#include <optional>

namespace kelvane {

// The fields a user asked to change across many sounds; each sound keeps its own value of every
// field left empty.
struct AttributeEdits
{
    std::optional<std::uint32_t> gameType;
    std::optional<float> volume;
    std::optional<float> minDist;
    std::optional<float> maxDist;
    std::optional<float> maxAIDist;

    [[nodiscard]] bool any() const;
    // The values the rules are checked on before any file is read: each given field, the others
    // at values no rule refuses (the maximum at the given minimum, or at 0).
    [[nodiscard]] SoundAttributes probe() const
    {
        SoundAttributes wanted = defaultAttrs;
        wanted.baseValue = volume.value_or(1.0f);
        wanted.minDist = minDist.value_or(0.0f);
        wanted.maxDist = maxDist.value_or(wanted.minDist);
        wanted.maxAIDist = maxAIDist.value_or(0.0f);
        return wanted;
    }
    // These edits, with every field `later` sets set as `later` says.
    [[nodiscard]] AttributeEdits then(const AttributeEdits &later) const;
    // `attrs` with the asked-for fields replaced.
    [[nodiscard]] SoundAttributes over(SoundAttributes attrs) const;
};

} // namespace kelvane
