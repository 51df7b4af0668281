#include "commands.h"

#include "attribute_rules.h"
#include "file_batch.h"
#include "game_rules.h"
#include "game_sound_types.h"
#include "hex_text.h"
#include "number_text.h"
#include "page_reader.h"
#include "qt_text.h"
#include "sound_reader.h"
#include "sound_text.h"
#include "sound_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <unistd.h>

namespace kelvane::cli {

namespace {

constexpr qsizetype kProgressAbove = 300;

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

Runner::Runner(QTextStream &out, QTextStream &err)
    : out_(out)
    , err_(err)
{}

Runner::Result Runner::fail(const QString &path, const QString &message, const QString &reason)
{
    err_ << path << ':' << (message.startsWith(' ') ? "" : " ") << message;
    if (!reason.isEmpty())
        err_ << " (" << reason << ')';
    err_ << Qt::endl;
    return Result::Failed;
}

template<typename PerFile>
int Runner::forEach(const Options &options, PerFile perFile)
{
    const Batch batch = collectSounds(options.paths, options.recursive);
    int read = 0, changed = 0, skipped = 0, failed = 0;
    for (const QString &missing : batch.missing) {
        fail(missing, QStringLiteral("no such file or folder"));
        ++failed;
    }
    for (const QString &name : batch.undecodable) {
        fail(name, QStringLiteral("the name is not valid UTF-8, so it cannot be opened; "
                                  "rename the file to process it"));
        ++failed;
    }
    const bool progress = batch.files.size() > kProgressAbove && isatty(STDERR_FILENO);
    for (qsizetype i = 0; i < batch.files.size(); ++i) {
        ++read;
        switch (perFile(batch.files.at(i))) {
        case Result::Read:
            break;
        case Result::Changed:
            ++changed;
            break;
        case Result::Skipped:
            ++skipped;
            break;
        case Result::Failed:
            ++failed;
            break;
        }
        if (progress && (i % 100 == 0 || i + 1 == batch.files.size()))
            err_ << "\r  " << (i + 1) << " / " << batch.files.size() << Qt::flush;
    }
    if (progress)
        err_ << Qt::endl;
    out_.flush();
    if (!options.json) {
        out_ << QStringLiteral("%1 files read, %2 changed, %3 skipped, %4 failed")
                    .arg(read)
                    .arg(changed)
                    .arg(skipped)
                    .arg(failed)
             << Qt::endl;
    }
    return failed > 0 ? 1 : 0;
}

Runner::Result Runner::failLoad(const QString &path, const LoadResult &loaded)
{
    return fail(path, loaded.whyRefused(), loaded.reason);
}

// show ---------------------------------------------------------------------------------------

int Runner::show(const Options &options)
{
    return forEach(options, [&](const QString &path) { return showOne(path, options); });
}

Runner::Result Runner::showOne(const QString &path, const Options &options)
{
    const LoadResult loaded =
        loadSoundFile(path, path, MissingBlock::InsertDefault, Access::ReadOnly);
    const bool refused = loaded.refused();
    if (options.json) {
        out_ << QJsonDocument(soundJson(path, loaded)).toJson(QJsonDocument::Compact) << '\n';
        return refused ? Result::Failed : Result::Read;
    }
    if (refused)
        return failLoad(path, loaded);
    const Inspection &found = loaded.inspection;
    out_ << path << '\n';
    for (const QString &line : detailLines(found))
        out_ << "  " << line << '\n';
    if (found.outcome == LoadOutcome::Inserted) {
        if (const auto older = olderBlock(found)) {
            out_ << "  Older block, version " << older->version
                 << " (the game reads it as):" << '\n';
            for (const QString &line : attributeLines(*older))
                out_ << "    " << line << '\n';
        } else {
            out_ << "  No attribute block." << '\n';
        }
        return Result::Read;
    }
    for (const QString &line : attributeLines(found.fileAttrs))
        out_ << "  " << line << '\n';
    if (!found.attrStatus.empty())
        out_ << "  " << toQString(found.attrStatus) << '\n';
    return Result::Read;
}

// check --------------------------------------------------------------------------------------

int Runner::check(const Options &options)
{
    return forEach(options, [&](const QString &path) { return checkOne(path, options); });
}

// What is wrong with the file itself: checksums, a block that cannot be written, damaged pages.
QStringList Runner::fileProblems(const QString &path, const LoadResult &loaded,
                                 const Options &options)
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

Runner::Result Runner::checkOne(const QString &path, const Options &options)
{
    const LoadResult loaded =
        loadSoundFile(path, path, MissingBlock::InsertDefault, Access::ReadOnly);
    if (loaded.refused())
        return failLoad(path, loaded);
    const QStringList problems = fileProblems(path, loaded, options);
    QStringList warnings;
    for (const std::string &warning : gameWarnings(soundFactsOf(loaded.inspection)))
        warnings << toQString(warning);

    if (!problems.isEmpty())
        return fail(path,
                    QStringLiteral("FAIL ") + (problems + warnings).join(QStringLiteral("; ")));
    if (!warnings.isEmpty()) {
        const QString line = QStringLiteral("warning: ") + warnings.join(QStringLiteral("; "));
        if (options.strict)
            return fail(path, line);
        out_ << path << ": " << line << '\n';
        return Result::Read;
    }
    out_ << path << ": ok" << '\n';
    return Result::Read;
}

// set, copy, fix -----------------------------------------------------------------------------

Runner::Result Runner::apply(const QString &path, LoadResult &loaded, const TSoundAttributes &next,
                             const Options &options)
{
    const Inspection &found = loaded.inspection;
    if (!loaded.image->writable()) {
        return fail(path, loaded.image->headersOnly()
                              ? QStringLiteral("larger than 10 MiB: shown, never written")
                              : toQString(found.attrStatus).trimmed());
    }
    // The same rules and texts as the window's Apply.
    if (const auto broken =
            firstRuleBroken(next.baseValue, next.minDist, next.maxDist, next.maxAIDist))
        return fail(path, toQString(ruleText(*broken)));
    if (SameAttributes(next, found.savedAttrs)) {
        out_ << path << ": unchanged" << '\n';
        return Result::Skipped;
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
    if (options.dryRun) {
        out_ << path << ": would change: " << what.join(QStringLiteral(", ")) << '\n';
        return Result::Changed;
    }
    const SaveResult saved = saveSoundFile(
        *loaded.image, next,
        {path, path, options.noBackup ? Backup::None : Backup::IfAbsent, loaded.identity});
    if (!saved.ok)
        return fail(path, saved.failure.trimmed(), saved.reason);
    out_ << path << ": changed: " << what.join(QStringLiteral(", "));
    if (!saved.notes.isEmpty())
        out_ << "; " << saved.notes.join(QStringLiteral("; "));
    out_ << '\n';
    return Result::Changed;
}

// Loads a file to change; null, with the failure reported, when it cannot be read.
std::optional<LoadResult> Runner::loadForChange(const QString &path)
{
    // An older block becomes a version 3 block with its values, rather than staying behind one.
    LoadResult loaded = loadSoundFile(path, path, MissingBlock::UpgradeOlder);
    if (loaded.refused()) {
        failLoad(path, loaded);
        return std::nullopt;
    }
    return loaded;
}

int Runner::set(const Options &options)
{
    return forEach(options, [&](const QString &path) {
        auto loaded = loadForChange(path);
        if (!loaded)
            return Result::Failed;
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
        return apply(path, *loaded, next, options);
    });
}

int Runner::copy(const Options &options)
{
    const LoadResult source =
        loadSoundFile(options.from, options.from, MissingBlock::InsertDefault, Access::ReadOnly);
    if (!source.image || !source.inspection.shownAttrs ||
        source.inspection.outcome == LoadOutcome::Inserted) {
        fail(options.from, QStringLiteral("has no attribute block to copy"));
        return 1;
    }
    const TSoundAttributes attrs = source.inspection.fileAttrs;
    const QString sourceFile = QFileInfo(options.from).canonicalFilePath();
    return forEach(options, [&](const QString &path) {
        if (QFileInfo(path).canonicalFilePath() == sourceFile) {
            out_ << path << ": the source, unchanged" << '\n';
            return Result::Skipped;
        }
        auto loaded = loadForChange(path);
        return loaded ? apply(path, *loaded, attrs, options) : Result::Failed;
    });
}

int Runner::fix(const Options &options)
{
    return forEach(options, [&](const QString &path) { return fixOne(path, options); });
}

// Repairs a wrong page 2 checksum and gives a block to a file without one, nothing else. With
// --upgrade an older block's values go into a version 3 block in front of it.
Runner::Result Runner::fixOne(const QString &path, const Options &options)
{
    auto loaded = loadForChange(path);
    if (!loaded)
        return Result::Failed;
    const Inspection &found = loaded->inspection;
    switch (found.outcome) {
    case LoadOutcome::BadChecksum:
        return apply(path, *loaded, found.fileAttrs, options);
    case LoadOutcome::Inserted:
        return apply(path, *loaded, defaultAttrs, options);
    case LoadOutcome::Upgraded:
        // An older block is what the game reads: only --upgrade replaces it.
        if (!options.upgrade) {
            out_ << path << ": older block of version " << olderBlock(found)->version
                 << ", left as it is (--upgrade converts it)" << '\n';
            return Result::Skipped;
        }
        return apply(path, *loaded, found.fileAttrs, options);
    case LoadOutcome::ViewOnly:
        if (loaded->image->headersOnly()) {
            out_ << path << ": larger than 10 MiB: shown, never written" << '\n';
            return Result::Skipped;
        }
        return fail(path, toQString(found.attrStatus).trimmed());
    case LoadOutcome::Clean:
    case LoadOutcome::Refused:
        break;
    }
    out_ << path << ": ok" << '\n';
    return Result::Skipped;
}

} // namespace kelvane::cli
