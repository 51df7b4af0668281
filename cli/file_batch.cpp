#include "file_batch.h"

#include <algorithm>
#include <memory>

#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

namespace kelvane::cli {

namespace {

bool isSoundName(const QByteArray &name)
{
    return name.size() > 4 && name.right(4).toLower() == ".ogg";
}

// The name as text with every byte that is not printable ASCII written as \xNN.
QString escaped(const QByteArray &path)
{
    QString text;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return text;
}

// Adds the sounds of `folder` (and, with `recursive`, of its sub-folders) to `batch`.
void collectFolder(const QByteArray &folder, bool recursive, QStringList &found, Batch &batch)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.constData()), ::closedir);
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        const QByteArray path = folder.endsWith('/') ? folder + name : folder + '/' + name;
        struct stat info
        {};
        // Links to sounds are sounds; links to folders are not followed.
        const bool isFolder = entry->d_type == DT_DIR ||
                              (entry->d_type == DT_UNKNOWN &&
                               ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode));
        const bool wanted = isFolder ? recursive : isSoundName(name);
        if (!wanted)
            continue;
        const QString text = QFile::decodeName(path);
        if (QFile::encodeName(text) != path) {
            batch.undecodable << escaped(path);
            continue;
        }
        if (isFolder)
            collectFolder(path, recursive, found, batch);
        else if (::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode))
            found << text;
    }
}

} // namespace

Batch collectSounds(const QStringList &paths, bool recursive)
{
    Batch batch;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.exists()) {
            batch.missing << path;
        } else if (!info.isDir()) {
            batch.files << path;
        } else {
            QStringList found;
            collectFolder(QFile::encodeName(path), recursive, found, batch);
            std::sort(found.begin(), found.end(), [](const QString &a, const QString &b) {
                return a.compare(b, Qt::CaseInsensitive) < 0;
            });
            batch.files << found;
        }
    }
    return batch;
}

} // namespace kelvane::cli
