#include "sound_writer.h"

#include "backup_file.h"
#include "messages.h"
#include "qt_text.h"
#include "replacement_file.h"
#include "save_image.h"

#include <cerrno>
#include <exception>

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {

namespace {

// `backupName` names the backup that could not be made.
SaveResult failed(SaveProblem problem, const SaveTarget &target, const QString &reason = {},
                  const QString &backupName = {})
{
    SaveResult result;
    result.problem = problem;
    result.reason = reason;
    switch (problem) {
    case SaveProblem::Changed:
        result.failure = QLatin1Char(' ') + target.shownName + toQString(msg::kChangedOnDisk);
        break;
    case SaveProblem::Backup:
        result.failure = toQString(msg::kBackupFailedPrefix) + backupName +
                         QStringLiteral(" (%1)").arg(reason) + toQString(msg::kBackupFailedSuffix);
        break;
    case SaveProblem::None:
    case SaveProblem::Write:
        result.problem = SaveProblem::Write;
        result.failure = toQString(msg::kWriteProblem) + target.shownName;
        break;
    }
    return result;
}

// The file a save replaces: a symbolic link's file, so that the link stays a link and the
// backup lies beside the sound it keeps, whatever name the sound was opened by.
std::optional<QString> realPathOf(const QString &path, QString &reason)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    if (info.isSymLink()) {
        reason = QStringLiteral("the symbolic link points at nothing");
        return std::nullopt;
    }
    return info.absoluteFilePath();
}

// In a folder with the sticky bit only the owner of a file (or of the folder) may replace it.
bool stickyFolderForbids(const struct stat &file, const QString &folder)
{
    struct stat info
    {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0 || !(info.st_mode & S_ISVTX))
        return false;
    const uid_t me = ::geteuid();
    return me != 0 && me != file.st_uid && me != info.st_uid;
}

bool stillAsLoaded(const QString &realPath, const SaveTarget &target)
{
    return !target.loadedAs || identityOfPath(realPath) == target.loadedAs;
}

void noteWhatTheSaveCouldNotKeep(const BackupOutcome &backup, const struct stat &original,
                                 const SaveTarget &target, QStringList &notes)
{
    if (backup.state == BackupOutcome::NameTaken)
        notes << QStringLiteral("no backup: %1 is not a regular file")
                     .arg(QFileInfo(backup.path).fileName());
    // Renaming replaces one name; any other hard link goes on naming the old file.
    const auto others = original.st_nlink - 1;
    if (others > 0)
        notes << QStringLiteral("%1 other hard link%2 to %3 keep%4 the old sound")
                     .arg(others)
                     .arg(others == 1 ? "" : "s", target.shownName, others == 1 ? "s" : "");
}

SaveResult replaceTarget(FileImage &image, const SaveTarget &target)
{
    QString reason;
    const auto realPath = realPathOf(target.path, reason);
    if (!realPath)
        return failed(SaveProblem::Write, target, reason);
    const QString folder = QFileInfo(*realPath).absolutePath();
    struct stat original
    {};
    const bool exists = ::stat(QFile::encodeName(*realPath).constData(), &original) == 0;
    if (exists && !S_ISREG(original.st_mode))
        return failed(SaveProblem::Write, target, QStringLiteral("not a regular file"));
    if (!exists && target.loadedAs)
        return failed(SaveProblem::Changed, target);
    if (!stillAsLoaded(*realPath, target))
        return failed(SaveProblem::Changed, target);
    if (exists && stickyFolderForbids(original, folder))
        return failed(SaveProblem::Write, target, systemReason(EPERM));

    SaveResult result;
    auto file = ReplacementFile::create(folder, reason);
    if (!file)
        return failed(SaveProblem::Write, target, reason);
    const auto bytes = image.bytes();
    if (!file->write(bytes))
        return failed(SaveProblem::Write, target, file->reason());
    if (exists)
        file->takeMetadataOf(original, *realPath, result.notes);
    if (!file->finish())
        return failed(SaveProblem::Write, target, file->reason());
    // Checked again now that the new file is complete, as close to the rename as we can.
    if (!stillAsLoaded(*realPath, target))
        return failed(SaveProblem::Changed, target);

    BackupOutcome backup;
    if (exists && target.backup == Backup::IfAbsent) {
        backup = makeBackup(*realPath);
        if (backup.state == BackupOutcome::Failed)
            return failed(SaveProblem::Backup, target, backup.reason,
                          QFileInfo(backup.path).fileName());
    }
    if (!file->replace(*realPath)) {
        SaveResult refused = failed(SaveProblem::Write, target, file->reason());
        if (!removeBackup(backup))
            refused.reason += QStringLiteral("; the backup it made could not be removed");
        return refused;
    }
    if (!syncFolder(folder))
        result.notes << QStringLiteral("the folder could not be flushed to the disk");
    if (exists)
        noteWhatTheSaveCouldNotKeep(backup, original, target, result.notes);
    result.ok = true;
    result.bytesWritten = static_cast<qint64>(bytes.size());
    result.backupMade = backup.state == BackupOutcome::Made;
    result.written = file->identity();
    return result;
}

} // namespace

SaveResult saveSoundFile(FileImage &image, const TSoundAttributes &attrs, const SaveTarget &target)
{
    if (image.headersOnly() || !prepareImageForSave(image, attrs))
        return failed(SaveProblem::Write, target, QStringLiteral("the sound cannot be written"));
    try {
        return replaceTarget(image, target);
    } catch (const std::exception &) {
        return failed(SaveProblem::Write, target, QStringLiteral("not enough memory"));
    }
}

} // namespace kelvane
