#include "backup_file.h"

#include "replacement_file.h"

#include <cerrno>

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {

namespace {

// What already has the backup's name, if anything.
std::optional<BackupOutcome::State> existing(const QByteArray &path, QString &reason)
{
    struct stat info
    {};
    if (::lstat(path.constData(), &info) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        reason = systemReason(errno);
        return BackupOutcome::Failed;
    }
    // A link to a regular file is taken as the user's backup; a dangling one is none.
    if (S_ISLNK(info.st_mode) && ::stat(path.constData(), &info) != 0)
        return BackupOutcome::NameTaken;
    return S_ISREG(info.st_mode) ? BackupOutcome::Kept : BackupOutcome::NameTaken;
}

bool copyInto(const QString &realPath, const QString &backupPath, QString &reason)
{
    const int source = ::open(QFile::encodeName(realPath).constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0) {
        reason = systemReason(errno);
        return false;
    }
    struct stat info
    {};
    auto copy = ReplacementFile::create(QFileInfo(backupPath).absolutePath(), reason);
    QStringList notes;
    bool done = copy && ::fstat(source, &info) == 0 && copy->copyFrom(source, 0);
    if (done) {
        copy->takeMetadataOf(info, realPath, notes);
        done = copy->finish() && copy->replace(backupPath, true);
    }
    if (copy && !done)
        reason = copy->reason();
    ::close(source);
    return done;
}

} // namespace

bool keepUnder(const QString &realPath, const QString &name, QString &reason, bool &taken)
{
    taken = false;
    if (::link(QFile::encodeName(realPath).constData(), QFile::encodeName(name).constData()) == 0)
        return true;
    const int error = errno;
    taken = error == EEXIST;
    // Only a file system without hard links for this file calls for a copy.
    if ((error != EPERM && error != EXDEV && error != EMLINK && error != EOPNOTSUPP) ||
        !copyInto(realPath, name, reason)) {
        if (reason.isEmpty())
            reason = systemReason(error);
        return false;
    }
    return true;
}

BackupOutcome makeBackup(const QString &realPath)
{
    BackupOutcome backup;
    backup.path = realPath + QStringLiteral(".bak");
    const QByteArray from = QFile::encodeName(realPath);
    const QByteArray to = QFile::encodeName(backup.path);
    if (const auto taken = existing(to, backup.reason)) {
        backup.state = *taken;
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
    return ::unlink(QFile::encodeName(backup.path).constData()) == 0;
}

} // namespace kelvane
