#include "backup_file.h"

#include "replacement_file.h"

#include <cerrno>

#include <QFileInfo>

namespace kelvane {

namespace {

// What already has the backup's name, if anything.
std::optional<BackupOutcome::State> existing(const QString &path, Message &reason)
{
    int error = 0;
    auto facts = fs::factsOf(path, fs::Links::Keep, error);
    if (!facts) {
        if (error == ENOENT)
            return std::nullopt;
        reason = systemReason(error);
        return BackupOutcome::Failed;
    }
    // A link to a regular file is taken as the user's backup; a dangling one is none.
    if (facts->kind == fs::EntryKind::Link)
        facts = fs::factsOf(path, fs::Links::Follow, error);
    return facts && facts->kind == fs::EntryKind::File ? BackupOutcome::Kept
                                                       : BackupOutcome::NameTaken;
}

bool copyInto(const QString &realPath, const QString &backupPath, Message &reason)
{
    int error = 0;
    const int source = fs::openFile(realPath, fs::Access::Read, error);
    if (source < 0) {
        reason = systemReason(error);
        return false;
    }
    auto copy = ReplacementFile::create(QFileInfo(backupPath).absolutePath(), reason);
    std::vector<Message> notes;
    const auto facts = fs::factsOfOpenFile(source);
    bool done = copy && facts && copy->copyFrom(source, 0);
    if (done) {
        copy->takeMetadataOf(*facts, realPath, notes);
        done = copy->finish() && copy->replace(backupPath, true);
    }
    if (copy && !done)
        reason = copy->reason();
    (void)fs::closeFile(source, error);
    return done;
}

} // namespace

bool keepUnder(const QString &realPath, const QString &name, Message &reason, bool &taken)
{
    taken = false;
    int error = 0;
    if (fs::makeHardLink(realPath, name, error))
        return true;
    taken = error == EEXIST;
    // Only a file system without hard links for this file calls for a copy.
    if (!fs::noHardLinksHere(error) || !copyInto(realPath, name, reason)) {
        if (reason.empty())
            reason = systemReason(error);
        return false;
    }
    return true;
}

BackupOutcome makeBackup(const QString &realPath)
{
    BackupOutcome backup;
    backup.path = realPath + QStringLiteral(".bak");
    const QString &to = backup.path;
    if (const auto taken = existing(to, backup.reason)) {
        backup.state = *taken;
        // A .bak that is one file with the .newer beside it holds the edited sound a restore
        // put aside and stopped before removing that name: kept, it would pass for the
        // original.
        const auto newer = identityOfEntry(realPath + QStringLiteral(".newer"));
        if (*taken == BackupOutcome::Kept && newer && identityOfEntry(to) == newer) {
            backup.state = BackupOutcome::Failed;
            backup.reason = MessageKind::RestoreUnfinished;
        }
        return backup;
    }
    bool taken = false;
    if (!keepUnder(realPath, backup.path, backup.reason, taken)) {
        // A name made meanwhile by someone else is theirs.
        backup.state = taken ? existing(to, backup.reason).value_or(BackupOutcome::Failed)
                             : BackupOutcome::Failed;
        return backup;
    }
    backup.state = BackupOutcome::Made;
    backup.made = identityOfPath(backup.path).value_or(FileIdentity{});
    return backup;
}

bool removeBackup(const BackupOutcome &backup)
{
    if (backup.state != BackupOutcome::Made)
        return true;
    const auto now = identityOfPath(backup.path);
    if (!now || now->device != backup.made.device || now->inode != backup.made.inode)
        return true;
    int error = 0;
    return fs::removeFile(backup.path, error);
}

} // namespace kelvane
