#include "attribute_change.h"

#include "attribute_rules.h"
#include "game_rules.h"
#include "number_text.h"
#include "qt_text.h"
#include "sound_summary.h"

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
            {MessageKind::ChangeType,
             {typeText(from.gameType).toStdString(), typeText(to.gameType).toStdString()}});
    const std::pair<const char *, std::pair<float, float>> numbers[] = {
        {"volume", {from.baseValue, to.baseValue}},
        {"min", {from.minDist, to.minDist}},
        {"max", {from.maxDist, to.maxDist}},
        {"ai", {from.maxAIDist, to.maxAIDist}}};
    for (const auto &[name, pair] : numbers) {
        if (!sameAttributes({3, pair.first}, {3, pair.second}))
            changed.push_back({MessageKind::ChangeNumber,
                               {name, numberText(pair.first), numberText(pair.second)}});
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
    if (const auto broken =
            firstRuleBroken(next.baseValue, next.minDist, next.maxDist, next.maxAIDist)) {
        check.why = breachText(*broken, next);
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
