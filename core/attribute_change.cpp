#include "attribute_change.h"

#include "attribute_rules.h"
#include "game_rules.h"
#include "game_sound_types.h"
#include "number_text.h"

namespace kelvane {

namespace {

std::string numberText(float value)
{
    return formatNumber(value, QLatin1Char('.')).toStdString();
}

// The fields that differ, as "name old -> new".
std::vector<Message> differences(const SoundAttributes &from, const SoundAttributes &to)
{
    std::vector<Message> changed;
    if (from.gameType != to.gameType)
        changed.push_back(
            {MessageKind::ChangeType, {gameTypeLabel(from.gameType), gameTypeLabel(to.gameType)}});
    for (const FieldRow &field : kNumberFields) {
        const float a = from.*field.number, b = to.*field.number;
        // As numbers: -0 written over 0 changes nothing.
        if (!sameAttributes({3, a}, {3, b}))
            changed.push_back({MessageKind::ChangeNumber,
                               {std::string(field.key), numberText(a), numberText(b)}});
    }
    return changed;
}

} // namespace

SoundFacts afterWriting(SoundFacts found, const SoundAttributes &next)
{
    found.badChecksum = false;
    found.block = SoundFacts::Present;
    found.attrs = next;
    return found;
}

ChangeCheck checkChange(const LoadResult &loaded, const SoundAttributes &next)
{
    ChangeCheck check;
    const Inspection &found = loaded.inspection;
    if (!loaded.image->writable()) {
        check.why = loaded.image->headersOnly() ? Message(MessageKind::LargerThanLimit, {"10"})
                                                : found.attrStatus;
        return check;
    }
    // The same rules as the window's Apply, with the file's own values for the fields not set.
    if (const auto broken = firstRuleBroken(next)) {
        check.why = ruleBreach(*broken, next);
        return check;
    }
    for (const GameWarning &warning : valueWarnings(next))
        check.breaking.push_back(warning.text);
    for (const GameWarning &warning : gameWarnings(afterWriting(soundFactsOf(found), next)))
        if (warning.stopsGame())
            check.stopping.push_back(warning.text);
    if (sameAttributes(next, found.savedAttrs)) {
        check.verdict = ChangeCheck::Unchanged;
        return check;
    }
    std::vector<Message> what;
    if (found.outcome == LoadOutcome::Inserted)
        what.emplace_back(MessageKind::ChangeBlockInserted);
    else if (found.outcome == LoadOutcome::Upgraded)
        what.push_back(
            {MessageKind::ChangeOlderUpgraded, {std::to_string(olderBlock(found)->version)}});
    else if (found.outcome == LoadOutcome::BadChecksum)
        what.emplace_back(MessageKind::ChangeChecksumRepaired);
    for (Message &difference : differences(found.fileAttrs, next))
        what.push_back(std::move(difference));
    check.changes = {MessageKind::List, {}, std::move(what)};
    check.verdict = ChangeCheck::Write;
    return check;
}

} // namespace kelvane
