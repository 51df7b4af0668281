#include "attribute_change.h"

#include "attribute_rules.h"
#include "game_rules.h"
#include "number_text.h"
#include "qt_text.h"
#include "sound_summary.h"

namespace kelvane {

namespace {

QString numberText(float value)
{
    return formatNumber(value, QLatin1Char('.'));
}

// The fields that differ, as "name old -> new".
QStringList differences(const TSoundAttributes &from, const TSoundAttributes &to)
{
    QStringList changed;
    if (from.gameType != to.gameType)
        changed
            << QStringLiteral("type %1 -> %2").arg(typeText(from.gameType), typeText(to.gameType));
    const std::pair<const char *, std::pair<float, float>> numbers[] = {
        {"volume", {from.baseValue, to.baseValue}},
        {"min", {from.minDist, to.minDist}},
        {"max", {from.maxDist, to.maxDist}},
        {"ai", {from.maxAIDist, to.maxAIDist}}};
    for (const auto &[name, pair] : numbers) {
        if (!SameAttributes({3, pair.first}, {3, pair.second}))
            changed << QStringLiteral("%1 %2 -> %3")
                           .arg(QLatin1String(name), numberText(pair.first),
                                numberText(pair.second));
    }
    return changed;
}

} // namespace

ChangeCheck checkChange(const LoadResult &loaded, const TSoundAttributes &next)
{
    ChangeCheck check;
    const Inspection &found = loaded.inspection;
    if (!loaded.image->writable()) {
        check.why = loaded.image->headersOnly()
                        ? QStringLiteral("larger than 10 MiB: shown, never written")
                        : toQString(found.attrStatus).trimmed();
        return check;
    }
    // The same rules as the window's Apply, with the file's own values for the fields not set.
    if (const auto broken =
            firstRuleBroken(next.baseValue, next.minDist, next.maxDist, next.maxAIDist)) {
        check.why = breachText(*broken, next);
        return check;
    }
    for (const GameWarning &warning : valueWarnings(next))
        check.breaking << toQString(warning.text);
    SoundFacts written = soundFactsOf(found);
    written.badChecksum = false;
    written.block = SoundFacts::Present;
    written.attrs = next;
    for (const GameWarning &warning : gameWarnings(written))
        if (warning.stopsGame())
            check.stopping << toQString(warning.text);
    if (SameAttributes(next, found.savedAttrs)) {
        check.verdict = ChangeCheck::Unchanged;
        return check;
    }
    QStringList what;
    if (found.outcome == LoadOutcome::Inserted)
        what << QStringLiteral("block inserted");
    else if (found.outcome == LoadOutcome::Upgraded)
        what
            << QStringLiteral("older block of version %1 upgraded").arg(olderBlock(found)->version);
    else if (found.outcome == LoadOutcome::BadChecksum)
        what << QStringLiteral("checksum repaired");
    what << differences(found.fileAttrs, next);
    check.changes = what.join(QStringLiteral(", "));
    check.verdict = ChangeCheck::Write;
    return check;
}

} // namespace kelvane
