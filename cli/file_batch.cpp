#include "file_batch.h"

#include <algorithm>

#include <QDirIterator>
#include <QFileInfo>

namespace kelvane::cli {

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
            QDirIterator it(path, {QStringLiteral("*.ogg")}, QDir::Files,
                            recursive ? QDirIterator::Subdirectories
                                      : QDirIterator::NoIteratorFlags);
            while (it.hasNext())
                found << it.next();
            std::sort(found.begin(), found.end(), [](const QString &a, const QString &b) {
                return a.compare(b, Qt::CaseInsensitive) < 0;
            });
            batch.files << found;
        }
    }
    return batch;
}

} // namespace kelvane::cli
