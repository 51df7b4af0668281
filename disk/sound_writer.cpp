#include "sound_writer.h"

#include "messages.h"
#include "qt_text.h"
#include "save_image.h"

#include <cerrno>
#include <exception>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace kelvane {

namespace {

SaveResult failed(const QString &shownName)
{
    return {false, 0, false, toQString(msg::kWriteProblem) + shownName};
}

// The backup shares the original's data through a hard link where the file system allows it,
// or is a copy: either way the original keeps its name until the new image replaces it.
bool makeBackup(const QString &targetPath)
{
    const QString backupPath = targetPath + QStringLiteral(".bak");
    const QFileInfo backupInfo(backupPath);
    if (backupInfo.exists() || backupInfo.isSymLink())
        return false;
    // Back up the file itself, not a symbolic link to it, which the save would then change.
    const QString original = QFileInfo(targetPath).canonicalFilePath();
    if (original.isEmpty())
        return false;
    if (::link(QFile::encodeName(original).constData(),
               QFile::encodeName(backupPath).constData()) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    return QFile::copy(original, backupPath);
}

} // namespace

SaveResult saveSoundFile(FileImage &image, const TSoundAttributes &attrs, const QString &targetPath,
                         const QString &shownName, Backup backup)
{
    if (image.headersOnly() || !prepareImageForSave(image, attrs))
        return failed(shownName);
    try {
        const bool backupMade = backup == Backup::IfAbsent && makeBackup(targetPath);
        QSaveFile out(targetPath);
        // Without the fallback a folder we cannot create files in fails the save; writing the
        // target in place would also change a hard-linked backup.
        out.setDirectWriteFallback(false);
        // Unbuffered, so a short write (a full disk, a file-size limit) shows in write()'s
        // result: a buffered QSaveFile can lose the tail of the file and still commit.
        if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return failed(shownName);
        const auto data = image.bytes();
        const auto size = static_cast<qint64>(data.size());
        if (out.write(reinterpret_cast<const char *>(data.data()), size) != size ||
            out.size() != size) {
            out.cancelWriting();
            return failed(shownName);
        }
        if (!out.commit())
            return failed(shownName);
        return {true, size, backupMade, {}};
    } catch (const std::exception &) {
        return failed(shownName);
    }
}

} // namespace kelvane
