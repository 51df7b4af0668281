#include "row_edits.h"

#include "attribute_change.h"
#include "attribute_rules.h"

namespace kelvane {

std::optional<SoundAttributes> editableValues(const ScannedSound &listed)
{
    // A file read only in part, or not at all, is never written; nor is a game archive.
    if (listed.state == SoundState::Refused || listed.state == SoundState::ViewOnly ||
        !listed.archive.isEmpty())
        return std::nullopt;
    if (listed.attrs)
        return listed.attrs;
    if (listed.state == SoundState::NoBlock)
        return defaultAttrs;
    return std::nullopt;
}

std::optional<Message> refusedEdits(const ScannedSound &listed, const AttributeEdits &edits)
{
    const auto values = editableValues(listed);
    if (!values && !listed.archive.isEmpty())
        return Message(MessageKind::InsideArchive, {listed.archive.toStdString()});
    if (!values)
        return listed.stateText;
    const SoundAttributes next = edits.over(*values);
    if (const auto broken = firstRuleBroken(next))
        return ruleBreach(*broken, next);
    return std::nullopt;
}

ScannedSound withEdits(const ScannedSound &listed, const AttributeEdits &edits)
{
    ScannedSound row = listed;
    const auto values = editableValues(listed);
    if (!values || !edits.any())
        return row;
    row.attrs = edits.over(*values);
    row.facts = afterWriting(listed.facts, *row.attrs);
    judge(row);
    return row;
}

} // namespace kelvane
