#include "commands.h"

#include "attribute_rules.h"
#include "game_rules.h"
#include "hex_text.h"
#include "number_text.h"
#include "page_reader.h"
#include "qt_text.h"
#include "save_batch.h"
#include "sound_reader.h"
#include "sound_text.h"

#include <QFileInfo>
#include <QJsonDocument>

namespace kelvane::cli {

namespace {

using Result = FileRun::Result;

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

void failLoad(FileRun &run, const LoadResult &loaded)
{
    run.fail(loaded.whyRefused(), loaded.reason);
}

void showOne(FileRun &run, const Options &options)
{
    const LoadResult loaded =
        loadSoundFile(run.path, run.path, MissingBlock::InsertDefault, Access::FirstPages);
    if (options.json) {
        run.out += QString::fromUtf8(
                       QJsonDocument(soundJson(run.path, loaded)).toJson(QJsonDocument::Compact)) +
                   QLatin1Char('\n');
        run.result = loaded.refused() ? Result::Failed : Result::Read;
        return;
    }
    if (loaded.refused())
        return failLoad(run, loaded);
    const Inspection &found = loaded.inspection;
    QStringList lines{run.path};
    for (const QString &line : detailLines(found))
        lines << QStringLiteral("  ") + line;
    if (found.outcome == LoadOutcome::Inserted) {
        if (const auto older = olderBlock(found)) {
            lines << QStringLiteral("  Older block, version %1 (the game reads it as):")
                         .arg(older->version);
            for (const QString &line : attributeLines(*older))
                lines << QStringLiteral("    ") + line;
        } else {
            lines << QStringLiteral("  No attribute block.");
        }
    } else {
        for (const QString &line : attributeLines(found.fileAttrs))
            lines << QStringLiteral("  ") + line;
        if (!found.attrStatus.empty())
            lines << QStringLiteral("  ") + toQString(found.attrStatus);
    }
    run.out += lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// What is wrong with the file itself: checksums, a block that cannot be written, damaged pages.
QStringList fileProblems(const QString &path, const LoadResult &loaded, const Options &options)
{
    const Inspection &found = loaded.inspection;
    QStringList problems;
    if (found.outcome == LoadOutcome::BadChecksum ||
        (found.outcome == LoadOutcome::Inserted && found.computedChecksum &&
         *found.computedChecksum != found.storedChecksum))
        problems << QStringLiteral("page 2 checksum %1, computed %2")
                        .arg(toQString(hexText(found.storedChecksum)),
                             toQString(hexText(found.computedChecksum.value_or(0))));
    if (found.outcome == LoadOutcome::ViewOnly && !loaded.image->headersOnly())
        problems << toQString(found.attrStatus).trimmed();
    if (options.allPages) {
        const FilePageWalk walked = walkPagesOfFile(path);
        for (const PageProblem &p : walked.walk.problems)
            problems << QStringLiteral("page at %1: %2").arg(p.offset).arg(toQString(p.problem));
        if (!walked.failure.isEmpty())
            problems << walked.failure;
    }
    return problems;
}

void checkOne(FileRun &run, const Options &options)
{
    const LoadResult loaded =
        loadSoundFile(run.path, run.path, MissingBlock::InsertDefault, Access::FirstPages);
    if (loaded.refused())
        return failLoad(run, loaded);
    const QStringList problems = fileProblems(run.path, loaded, options);
    QStringList warnings;
    for (const std::string &warning : gameWarnings(soundFactsOf(loaded.inspection)))
        warnings << toQString(warning);

    if (!problems.isEmpty()) {
        run.fail(QStringLiteral("FAIL ") + (problems + warnings).join(QStringLiteral("; ")));
    } else if (warnings.isEmpty()) {
        run.say(QStringLiteral("ok"));
    } else {
        const QString line = QStringLiteral("warning: ") + warnings.join(QStringLiteral("; "));
        if (options.strict)
            run.fail(line);
        else
            run.say(line);
    }
}

// Writes `next` into the loaded file, or says why not; the save waits in the run's batch.
void apply(FileRun &run, LoadResult &loaded, const TSoundAttributes &next, const Options &options)
{
    const Inspection &found = loaded.inspection;
    if (!loaded.image->writable()) {
        run.fail(loaded.image->headersOnly()
                     ? QStringLiteral("larger than 10 MiB: shown, never written")
                     : toQString(found.attrStatus));
        return;
    }
    // The same rules and texts as the window's Apply.
    if (const auto broken =
            firstRuleBroken(next.baseValue, next.minDist, next.maxDist, next.maxAIDist)) {
        run.fail(toQString(ruleText(*broken)));
        return;
    }
    if (SameAttributes(next, found.savedAttrs)) {
        run.say(QStringLiteral("unchanged"));
        run.result = Result::Skipped;
        return;
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
    run.changes = what.join(QStringLiteral(", "));
    if (options.dryRun) {
        run.say(QStringLiteral("would change: ") + run.changes);
        run.result = Result::Changed;
        return;
    }
    const auto failed = run.batch->add(
        *loaded.image, next,
        {run.path, run.path, options.noBackup ? Backup::None : Backup::IfAbsent, loaded.identity});
    if (failed)
        run.fail(failed->failure, failed->reason);
    else
        run.staged = true;
}

// Loads a file to change; nothing, with the failure reported, when it cannot be read.
std::optional<LoadResult> loadForChange(FileRun &run)
{
    // An older block becomes a version 3 block with its values, rather than staying behind one.
    LoadResult loaded = loadSoundFile(run.path, run.path, MissingBlock::UpgradeOlder);
    if (loaded.refused()) {
        failLoad(run, loaded);
        return std::nullopt;
    }
    return loaded;
}

// Repairs a wrong page 2 checksum and gives a block to a file without one, nothing else. With
// --upgrade an older block's values go into a version 3 block in front of it.
void fixOne(FileRun &run, const Options &options)
{
    auto loaded = loadForChange(run);
    if (!loaded)
        return;
    const Inspection &found = loaded->inspection;
    switch (found.outcome) {
    case LoadOutcome::BadChecksum:
        return apply(run, *loaded, found.fileAttrs, options);
    case LoadOutcome::Inserted:
        return apply(run, *loaded, defaultAttrs, options);
    case LoadOutcome::Upgraded:
        // An older block is what the game reads: only --upgrade replaces it.
        if (options.upgrade)
            return apply(run, *loaded, found.fileAttrs, options);
        run.say(QStringLiteral("older block of version %1, left as it is (--upgrade converts it)")
                    .arg(olderBlock(found)->version));
        run.result = Result::Skipped;
        return;
    case LoadOutcome::ViewOnly:
        if (!loaded->image->headersOnly()) {
            run.fail(toQString(found.attrStatus));
            return;
        }
        run.say(QStringLiteral("larger than 10 MiB: shown, never written"));
        run.result = Result::Skipped;
        return;
    case LoadOutcome::Clean:
    case LoadOutcome::Refused:
        break;
    }
    run.say(QStringLiteral("ok"));
    run.result = Result::Skipped;
}

} // namespace

int Runner::show(const Options &options)
{
    return forEach(options, Mode::Reads, [&](FileRun &run) { showOne(run, options); });
}

int Runner::check(const Options &options)
{
    return forEach(options, Mode::Reads, [&](FileRun &run) { checkOne(run, options); });
}

int Runner::set(const Options &options)
{
    return forEach(options, Mode::Writes, [&](FileRun &run) {
        auto loaded = loadForChange(run);
        if (!loaded)
            return;
        // Unchanged fields keep what the game reads now, an older block's values included.
        TSoundAttributes next = loaded->inspection.fileAttrs;
        if (options.gameType)
            next.gameType = *options.gameType;
        if (options.volume)
            next.baseValue = *options.volume;
        if (options.minDist)
            next.minDist = *options.minDist;
        if (options.maxDist)
            next.maxDist = *options.maxDist;
        if (options.maxAIDist)
            next.maxAIDist = *options.maxAIDist;
        apply(run, *loaded, next, options);
    });
}

int Runner::copy(const Options &options)
{
    const LoadResult source =
        loadSoundFile(options.from, options.from, MissingBlock::InsertDefault, Access::FirstPages);
    if (!source.image || !source.inspection.shownAttrs ||
        source.inspection.outcome == LoadOutcome::Inserted) {
        FileRun run(options.from);
        run.fail(QStringLiteral("has no attribute block to copy"));
        print(run);
        return 1;
    }
    const TSoundAttributes attrs = source.inspection.fileAttrs;
    const QString sourceFile = QFileInfo(options.from).canonicalFilePath();
    return forEach(options, Mode::Writes, [&](FileRun &run) {
        if (QFileInfo(run.path).canonicalFilePath() == sourceFile) {
            run.say(QStringLiteral("the source, unchanged"));
            run.result = Result::Skipped;
            return;
        }
        if (auto loaded = loadForChange(run))
            apply(run, *loaded, attrs, options);
    });
}

int Runner::fix(const Options &options)
{
    return forEach(options, Mode::Writes, [&](FileRun &run) { fixOne(run, options); });
}

} // namespace kelvane::cli
