// set, copy and fix: commands that write blocks into sounds, their saves batched.
#include "attribute_change.h"
#include "command_line.h"
#include "commands.h"
#include "file_system.h"
#include "qt_text.h"
#include "save_batch.h"
#include "sound_reader.h"
#include "staged_save.h"

#include <QFileInfo>

namespace kelvane::cli {

namespace {

using Result = FileReport::Result;

void failLoad(FileReport &run, const LoadResult &loaded)
{
    run.fail(loaded.whyRefused(), loaded.reason);
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

// The commands' help rows stand beside their bodies; command_line.cpp lists them.
const Command kSetCommand{
    "set",
    "PATH...",
    "change the named attributes of each sound; the others stay as they are",
    "recursive fields no-backup dry-run strict name",
    "kelvane-cli set --type weapon_shooting --max 300 --ai 55 -r mods/weapons/",
    &Runner::set};

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

const Command kCopyCommand{"copy",
                           "FROM PATH...",
                           "write the block of FROM into every other sound",
                           "recursive no-backup dry-run strict name",
                           "kelvane-cli copy weapons/ak74_shot.ogg weapons/new/",
                           &Runner::copy};

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

const Command kFixCommand{"fix",
                          "PATH...",
                          "repair wrong checksums and give a default block to sounds without one",
                          "recursive no-backup dry-run upgrade strict name game-ready mono",
                          "kelvane-cli fix -r --upgrade mods/sounds/",
                          &Runner::fix};

int Runner::fix(const Options &options)
{
    if (options.gameReady)
        return fixGameReady(options);
    return forEach(options, Mode::Writes, [&](FileReport &run) { fixOne(run, options); });
}

} // namespace kelvane::cli
