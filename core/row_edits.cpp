#include "row_edits.h"

#include "attribute_change.h"
#include "attribute_rules.h"
#include "sound_summary.h"

namespace kelvane {

std::optional<Message> refusedEdits(const ScannedSound &listed, const AttributeEdits &edits)
{
    // A file read only in part, or not at all, is never written.
    if (!listed.attrs || listed.state == SoundState::Refused ||
        listed.state == SoundState::ViewOnly)
        return listed.stateText;
    const TSoundAttributes next = edits.over(*listed.attrs);
    if (const auto broken =
            firstRuleBroken(next.baseValue, next.minDist, next.maxDist, next.maxAIDist))
        return breachText(*broken, next);
    return std::nullopt;
}

ScannedSound withEdits(const ScannedSound &listed, const AttributeEdits &edits)
{
    ScannedSound row = listed;
    if (!listed.attrs || !edits.any())
        return row;
    row.attrs = edits.over(*listed.attrs);
    row.facts = afterWriting(listed.facts, *row.attrs);
    judge(row);
    return row;
}

} // namespace kelvane
