// restore and clean: commands over the .bak backups beside the sounds.
#include "backup_restore.h"
#include "command_line.h"
#include "commands.h"
#include "file_system.h"
#include "sound_collection.h"

#include <algorithm>
#include <set>

#include <QDir>

namespace kelvane::cli {

// The commands' help rows stand beside their bodies; command_line.cpp lists them.
const Command kRestoreCommand{
    "restore",
    "PATH...",
    "put each sound's .bak backup back in its place; a sound that differs from its backup is "
    "kept as .newer",
    "recursive json dry-run name",
    "kelvane-cli restore -r mods/weapons/",
    &Runner::restore};

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

const Command kCleanCommand{
    "clean",
    "PATH...",
    "remove the .bak backups and .newer files beside each sound, as before a mod is released",
    "recursive json dry-run name",
    "kelvane-cli clean -r --dry-run mods/sounds/",
    &Runner::clean};

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
