#include "commands.h"

#include "attribute_change.h"
#include "backup_restore.h"
#include "file_system.h"
#include "game_rules.h"
#include "game_sound_types.h"
#include "hex_text.h"
#include "number_text.h"
#include "page_reader.h"
#include "qt_text.h"
#include "save_batch.h"
#include "sound_collection.h"
#include "sound_reader.h"
#include "sound_summary.h"
#include "staged_save.h"

#include <algorithm>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kelvane::cli {

namespace {

using Result = FileRun::Result;

void failLoad(FileRun &run, const LoadResult &loaded)
{
    run.fail(loaded.whyRefused(), loaded.reason);
}

// The columns of `show --table` after the path.
constexpr int kTypeWidth = 20;
constexpr int kNumberWidth = 10;

QString tableRow(const QString &path, int pathWidth, const QStringList &cells)
{
    QString row = path.leftJustified(pathWidth);
    for (qsizetype i = 0; i < cells.size(); ++i)
        row += QStringLiteral("  ") +
               (i + 1 < cells.size() ? cells[i].leftJustified(i == 0 ? kTypeWidth : kNumberWidth)
                                     : cells[i]);
    return row + QLatin1Char('\n');
}

void showRow(FileRun &run, const LoadResult &loaded, int pathWidth)
{
    const std::optional<TSoundAttributes> shown = blockTheGameReads(loaded);
    const auto number = [&](float TSoundAttributes::*field) {
        return shown ? QString::number((*shown).*field, 'g', 7) : QStringLiteral("-");
    };
    run.out += tableRow(run.path, pathWidth,
                        {shown ? toQString(gameTypeName(shown->gameType).value_or("unlisted"))
                               : QStringLiteral("-"),
                         number(&TSoundAttributes::baseValue), number(&TSoundAttributes::minDist),
                         number(&TSoundAttributes::maxDist), number(&TSoundAttributes::maxAIDist),
                         english(stateText(loaded))});
    if (loaded.refused())
        run.fail(loaded.whyRefused(), loaded.reason);
}

void showOne(FileRun &run, const Options &options, int pathWidth)
{
    const LoadResult loaded =
        loadSoundFile(run.path, run.path, MissingBlock::InsertDefault, Access::FirstPages);
    if (options.table)
        return showRow(run, loaded, pathWidth);
    if (options.json) {
        run.out += QString::fromUtf8(
                       QJsonDocument(soundJson(run.path, loaded)).toJson(QJsonDocument::Compact)) +
                   QLatin1Char('\n');
        run.result = loaded.refused() ? Result::Failed : Result::Read;
        return;
    }
    const Inspection &found = loaded.inspection;
    QStringList lines{run.path};
    for (const Message &line : detailLines(found))
        lines << QStringLiteral("  ") + QString::fromStdString(englishText(line));
    if (loaded.seconds)
        lines << QStringLiteral("  Length:              ") + lengthText(*loaded.seconds, u'.');
    if (loaded.refused()) {
        // What could be read is shown above the reason; show only reads, so a block that
        // could not be inserted is no failure of show.
        if (lines.size() > 1)
            run.out += lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        if (loaded.image && found.attrStatus.kind == MessageKind::CannotInsert) {
            run.out += QStringLiteral("  No attribute block; ") + english(found.attrStatus) +
                       QLatin1Char('\n');
            return;
        }
        return failLoad(run, loaded);
    }
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
            lines << QStringLiteral("  ") + QString::fromStdString(englishText(found.attrStatus));
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
        problems << english(found.attrStatus);
    if (options.allPages) {
        const FilePageWalk walked = walkPagesOfFile(path);
        for (const PageProblem &p : walked.walk.problems)
            problems << QStringLiteral("page at %1: %2").arg(p.offset).arg(toQString(p.problem));
        if (!walked.failure.empty())
            problems << english(walked.failure);
    }
    return problems;
}

void checkOne(FileRun &run, const Options &options)
{
    const LoadResult loaded =
        loadSoundFile(run.path, run.path, MissingBlock::InsertDefault, Access::FirstPages);
    if (loaded.refused() && !options.json)
        return failLoad(run, loaded);
    const QStringList problems = loaded.refused() ? QStringList{english(loaded.whyRefused())}
                                                  : fileProblems(run.path, loaded, options);
    QStringList stopping;
    QStringList notices;
    if (!loaded.refused()) {
        SoundFacts facts = soundFactsOf(loaded.inspection);
        // A wrong checksum is a problem of its own above.
        facts.badChecksum = false;
        for (const GameWarning &warning : gameWarnings(facts))
            (warning.stopsGame() ? stopping : notices) << english(warning.text);
    }
    const QStringList warnings = stopping + notices;

    if (options.json) {
        const bool failed =
            !problems.isEmpty() || !stopping.isEmpty() || (options.strict && !notices.isEmpty());
        run.out +=
            QString::fromUtf8(
                QJsonDocument(QJsonObject{{"file", run.path},
                                          {"status", failed               ? "failed"
                                                     : warnings.isEmpty() ? "ok"
                                                                          : "warnings"},
                                          {"stopsGame", !stopping.isEmpty() || !problems.isEmpty()},
                                          {"problems", QJsonArray::fromStringList(problems)},
                                          {"warnings", QJsonArray::fromStringList(warnings)}})
                    .toJson(QJsonDocument::Compact)) +
            QLatin1Char('\n');
        run.result = failed ? Result::Failed : Result::Read;
        return;
    }
    const QString noticeText =
        notices.isEmpty() ? QString()
                          : QStringLiteral("warning: ") + notices.join(QStringLiteral("; "));
    if (!problems.isEmpty()) {
        run.fail(QStringLiteral("FAIL ") + (problems + warnings).join(QStringLiteral("; ")));
    } else if (!stopping.isEmpty()) {
        // The game stops on it: a failure with or without --strict.
        run.fail(QStringLiteral("stops the game: ") + stopping.join(QStringLiteral("; ")) +
                 (noticeText.isEmpty() ? QString() : QStringLiteral("; ") + noticeText));
    } else if (notices.isEmpty()) {
        run.say(QStringLiteral("ok"));
    } else if (options.strict) {
        run.fail(noticeText);
    } else {
        run.say(noticeText);
    }
}

// Writes `next` into the loaded file, or says why not; the save waits in the run's batch.
void apply(FileRun &run, LoadResult &loaded, const TSoundAttributes &next, const Options &options)
{
    const ChangeCheck check = checkChange(loaded, next);
    if (check.verdict == ChangeCheck::Refused) {
        run.fail(check.why);
        return;
    }
    // A value the game stops on is written only when the user does not ask for strictness.
    if (!check.breaking.empty() && options.strict) {
        run.fail(QStringLiteral("not written, --strict: ") +
                 english(check.breaking).join(QStringLiteral("; ")));
        return;
    }
    // What still stops the game stands on the file's own line; notices go to standard error.
    const QStringList stopping = english(check.stopping);
    for (const QString &warning : english(check.breaking))
        if (!stopping.contains(warning))
            run.warn(warning);
    const QString verdict = stopping.isEmpty() ? QString()
                                               : QStringLiteral("; stops the game: ") +
                                                     stopping.join(QStringLiteral("; "));
    if (check.verdict == ChangeCheck::Unchanged) {
        run.say(QStringLiteral("unchanged") + verdict);
        run.result = Result::Skipped;
        return;
    }
    run.changes = english(check.changes) + verdict;
    if (options.dryRun) {
        run.say(QStringLiteral("would change: ") + run.changes);
        run.result = Result::Changed;
        return;
    }
    // Sounds are read with read-only opens; whether one may be written is asked only now that
    // it is to be written, so a read-only file is never replaced through its folder.
    if (int error = 0; !fs::mayWrite(run.path, error)) {
        const SaveResult refused =
            saveFailure(fs::heldByAnotherProgram(error) ? SaveProblem::InUse : SaveProblem::Write,
                        {run.path, run.path, Backup::None, {}}, systemReason(error));
        run.fail(refused.failure, refused.reason);
        return;
    }
    const auto failed =
        run.batch->add(*loaded.image, next,
                       {run.path, run.path, options.noBackup ? Backup::None : Backup::IfAbsent,
                        loaded.identity, run.otherNamesWritten});
    if (failed)
        run.fail(failed->failure, failed->reason);
    else
        run.staged = true;
}

// Loads a file to change; nothing, with the failure reported, when it cannot be read.
std::optional<LoadResult> loadForChange(FileRun &run)
{
    // An older block becomes a version 3 block with its values, rather than staying behind one.
    LoadResult loaded =
        loadSoundFile(run.path, run.path, MissingBlock::UpgradeOlder, Access::ReadOnly);
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
    const auto leaveOlder = [&](const TSoundAttributes &older) {
        run.say(QStringLiteral("older block of version %1, left as it is (--upgrade converts it)")
                    .arg(older.version));
        run.result = Result::Skipped;
    };
    LoadResult loaded =
        loadSoundFile(run.path, run.path, MissingBlock::UpgradeOlder, Access::ReadOnly);
    // An older block too long to become a version 3 block in place is refused for upgrading;
    // without --upgrade it is left as it is, as a shorter one is.
    if (loaded.refused() && !options.upgrade && loaded.image)
        if (const auto older = olderBlock(loaded.inspection))
            return leaveOlder(*older);
    if (loaded.refused())
        return failLoad(run, loaded);
    const Inspection &found = loaded.inspection;
    switch (found.outcome) {
    case LoadOutcome::BadChecksum:
        return apply(run, loaded, found.fileAttrs, options);
    case LoadOutcome::Inserted:
        return apply(run, loaded, defaultAttrs, options);
    case LoadOutcome::Upgraded:
        // An older block is what the game reads: only --upgrade replaces it.
        if (options.upgrade)
            return apply(run, loaded, found.fileAttrs, options);
        return leaveOlder(*olderBlock(found));
    case LoadOutcome::ViewOnly:
        if (!loaded.image->headersOnly()) {
            run.fail(found.attrStatus);
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

// One line of restore for scripts: what it did (or, with --dry-run, would do) to one sound.
QString restoreJson(const QString &path, const RestoreResult &done, bool dryRun)
{
    QJsonObject record{{"file", path},
                       {"restored", done.outcome == RestoreResult::Restored && !dryRun},
                       {"backup", done.outcome == RestoreResult::NoBackup
                                      ? QJsonValue()
                                      : QJsonValue(done.backup)},
                       {"newer", done.newer.isEmpty() ? QJsonValue() : QJsonValue(done.newer)}};
    if (dryRun)
        record.insert("wouldRestore", done.outcome == RestoreResult::Restored);
    // Every record has every key: null where nothing failed.
    record.insert("error", done.outcome == RestoreResult::Failed
                               ? QJsonValue(english(withReason(done.failure, done.reason)))
                               : QJsonValue());
    return QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)) +
           QLatin1Char('\n');
}

// What a restore did to one sound, on the file's lines.
void reportRestore(FileRun &run, const RestoreResult &done, bool json, bool dryRun)
{
    if (json)
        run.out += restoreJson(run.path, done, dryRun);
    switch (done.outcome) {
    case RestoreResult::NoBackup:
        if (!json)
            run.say(QStringLiteral("no backup"));
        run.result = Result::Skipped;
        return;
    case RestoreResult::Failed:
        run.fail(done.failure, done.reason);
        return;
    case RestoreResult::Restored:
        break;
    }
    if (!json) {
        QString line =
            (dryRun ? QStringLiteral("would restore from ") : QStringLiteral("restored from ")) +
            done.backup;
        if (!done.newer.isEmpty())
            line += (dryRun ? QStringLiteral("; the sound there now would be kept as ")
                            : QStringLiteral("; the sound that was there is kept as ")) +
                    done.newer;
        if (!done.note.empty())
            line += QStringLiteral("; ") + english(done.note);
        run.say(line);
    }
    run.result = Result::Changed;
}

} // namespace

int Runner::show(const Options &options)
{
    const auto header = [&](int pathWidth) {
        return options.table ? tableRow(QStringLiteral("FILE"), pathWidth,
                                        {"TYPE", "VOLUME", "MIN", "MAX", "AI", "STATE"})
                             : QString();
    };
    return forEach(
        options, Mode::Reads, [&](FileRun &run) { showOne(run, options, pathWidth_); }, header);
}

int Runner::types(const Options &options)
{
    for (const GameSoundType &type : GameSoundTypes) {
        const QString name = toQString(type.name);
        const QString code = QStringLiteral("0x") + toQString(hexText(type.code));
        if (options.json)
            out_ << QJsonDocument(QJsonObject{{"name", name}, {"code", qint64(type.code)}})
                        .toJson(QJsonDocument::Compact)
                 << '\n';
        else
            out_ << name.leftJustified(kTypeWidth) << code << '\n';
    }
    out_.flush();
    return 0;
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
        apply(run, *loaded, options.edits.over(loaded->inspection.fileAttrs), options);
    });
}

int Runner::copy(const Options &options)
{
    // The command line has read FROM and found its block.
    const TSoundAttributes attrs = options.fromAttrs;
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

int Runner::restore(const Options &options)
{
    // A sound named on the command line that is gone while its backup is there is brought back.
    const auto deletedToo = [](SoundCollection &found) {
        const auto gone =
            std::stable_partition(found.missing.begin(), found.missing.end(),
                                  [](const QString &path) { return !hasBackup(path); });
        found.files << QStringList(gone, found.missing.end());
        found.missing.erase(gone, found.missing.end());
    };
    const auto restoreOne = [&](FileRun &run) {
        if (options.dryRun) {
            RestoreBatch look;
            return reportRestore(run, look.add(run.path), options.json, true);
        }
        const RestoreResult planned = run.restores->add(run.path);
        if (planned.outcome == RestoreResult::Restored)
            run.restoreStaged = true;
        else
            reportRestore(run, planned, options.json, false);
    };
    return forEach(options, Mode::Writes, restoreOne, {}, deletedToo);
}

void Runner::finishRestores(std::vector<FileRun> &slice, RestoreBatch &batch, bool json)
{
    if (batch.size() == 0)
        return;
    const std::vector<RestoreResult> results = batch.commit();
    std::size_t next = 0;
    for (FileRun &run : slice)
        if (run.restoreStaged)
            reportRestore(run, results.at(next++), json, false);
}

} // namespace kelvane::cli
