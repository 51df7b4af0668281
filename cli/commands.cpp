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
#include "staged_save.h"

#include <algorithm>
#include <set>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kelvane::cli {

namespace {

using Result = FileReport::Result;

void failLoad(FileReport &run, const LoadResult &loaded)
{
    run.fail(loaded.whyRefused(), loaded.reason);
}

// What is wrong with the file itself: checksums, a block that cannot be written, damaged pages.
QStringList fileProblems(const QString &path, const LoadResult &loaded, const Options &options)
{
    const Inspection &found = loaded.inspection;
    QStringList problems;
    // Any wrong page 2 checksum, a large file's read from its first pages included: the
    // decoder skips that page whatever the file's size.
    if (found.computedChecksum && *found.computedChecksum != found.storedChecksum)
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

CheckResult checkOne(const QString &path, const LoadResult &loaded, const Options &options)
{
    CheckResult result{&loaded, {}, {}, {}, false};
    if (loaded.refused()) {
        result.problems << english(loaded.whyRefused());
        result.failed = true;
        return result;
    }
    result.problems = fileProblems(path, loaded, options);
    SoundFacts facts = soundFactsOf(loaded.inspection);
    // A wrong checksum is a problem of its own above.
    facts.badChecksum = false;
    for (const GameWarning &warning : gameWarnings(facts))
        (warning.stopsGame() ? result.stopping : result.notices).push_back(warning.text);
    result.failed = !result.problems.isEmpty() || !result.stopping.empty() ||
                    (options.strict && !result.notices.empty());
    return result;
}

// Writes `next` into the loaded file, or says why not; the save waits in the run's batch.
void apply(FileReport &run, LoadResult &loaded, const SoundAttributes &next, const Options &options)
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
                        {run.path, run.shown, Backup::None, {}}, systemReason(error));
        run.fail(refused.failure, refused.reason);
        return;
    }
    const auto failed =
        run.batch->add(*loaded.image, next,
                       {run.path, run.shown, options.noBackup ? Backup::None : Backup::IfAbsent,
                        loaded.identity, run.otherNamesWritten});
    if (failed)
        run.fail(failed->failure, failed->reason);
    else
        run.staged = true;
}

// Loads a file to change; nothing, with the failure reported, when it cannot be read.
std::optional<LoadResult> loadForChange(FileReport &run)
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
void fixOne(FileReport &run, const Options &options)
{
    const auto leaveOlder = [&](const SoundAttributes &older) {
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

} // namespace

int Runner::show(const Options &options)
{
    output_ = outputFor(options);
    output_->showRange(options.range);
    return forEach(
        options, Mode::Reads,
        [&](FileReport &run) {
            const LoadResult loaded =
                loadSoundFile(run.path, run.path, MissingBlock::InsertDefault, Access::FirstPages);
            output_->shown(run, loaded, pathWidth_);
        },
        [&](int pathWidth) { return output_->showHeader(pathWidth); });
}

int Runner::types(const Options &options)
{
    outputFor(options)->typesListed(out_);
    out_.flush();
    return 0;
}

int Runner::check(const Options &options)
{
    output_ = outputFor(options);
    return forEach(options, Mode::Reads, [&](FileReport &run) {
        const LoadResult loaded =
            loadSoundFile(run.path, run.path, MissingBlock::InsertDefault, Access::FirstPages);
        output_->checked(run, checkOne(run.path, loaded, options));
    });
}

int Runner::set(const Options &options)
{
    return forEach(options, Mode::Writes, [&](FileReport &run) {
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
    const SoundAttributes attrs = options.fromAttrs;
    const QString sourceFile = QFileInfo(options.from).canonicalFilePath();
    return forEach(options, Mode::Writes, [&](FileReport &run) {
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
    return forEach(options, Mode::Writes, [&](FileReport &run) { fixOne(run, options); });
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
    const auto restoreOne = [&](FileReport &run) {
        if (options.dryRun) {
            RestoreBatch look;
            return output_->restored(run, look.add(run.path), true);
        }
        const RestoreResult planned = run.restores->add(run.path);
        if (planned.outcome == RestoreResult::Restored)
            run.restoreStaged = true;
        else
            output_->restored(run, planned, false);
    };
    output_ = outputFor(options);
    return forEach(options, Mode::Writes, restoreOne, {}, deletedToo);
}

void Runner::finishRestores(std::vector<FileReport> &slice, RestoreBatch &batch)
{
    if (batch.size() == 0)
        return;
    const std::vector<RestoreResult> results = batch.commit();
    std::size_t next = 0;
    for (FileReport &run : slice)
        if (run.restoreStaged)
            output_->restored(run, results.at(next++), false);
}

int Runner::clean(const Options &options)
{
    output_ = outputFor(options);
    // A backup whose sound is gone may be the only copy of it: named, never removed.
    const auto orphans = [&](SoundCollection &found) {
        for (const QString &orphan : found.orphans)
            err_ << QDir::toNativeSeparators(orphan)
                 << ": warning: no sound beside this backup; kept (restore brings the sound back, "
                    "or remove it yourself)"
                 << Qt::endl;
    };
    return forEach(
        options, Mode::Writes,
        [&](FileReport &run) {
            const CleanResult done = cleanBackups(run.path, options.dryRun);
            output_->cleaned(run, done, options.dryRun);
            const bool removed = std::any_of(done.files.begin(), done.files.end(),
                                             [](const CleanedFile &file) { return file.removed; });
            if (removed && !options.dryRun)
                run.cleanedIn = done.folder;
        },
        {}, orphans);
}

void Runner::flushCleaned(std::vector<FileReport> &slice)
{
    std::set<QString> folders;
    for (const FileReport &run : slice)
        if (!run.cleanedIn.isEmpty())
            folders.insert(run.cleanedIn);
    for (const QString &folder : folders) {
        if (fs::flushFolder(folder))
            continue;
        for (FileReport &run : slice)
            if (run.cleanedIn == folder)
                run.warn(english(Message(MessageKind::FolderNotFlushed)));
    }
}

} // namespace kelvane::cli
