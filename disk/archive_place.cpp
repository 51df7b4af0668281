#include "archive_place.h"

#include "archive_index.h"
#include "file_system.h"

#include <algorithm>

#include <QDir>

namespace kelvane {

std::optional<ArchivePlace> archivePlaceOf(const QString &path)
{
    const QString clean = QDir::fromNativeSeparators(path);
    for (qsizetype end = 0; end >= 0 && end <= clean.size();) {
        const qsizetype slash = clean.indexOf(QLatin1Char('/'), end + 1);
        const qsizetype partEnd = slash < 0 ? clean.size() : slash;
        const QString prefix = clean.left(partEnd);
        const QString name = prefix.mid(prefix.lastIndexOf(QLatin1Char('/')) + 1);
        if (isArchiveName(name.toLower().toStdString())) {
            int error = 0;
            const auto facts = fs::factsOf(prefix, fs::Links::Follow, error);
            if (facts && facts->kind == fs::EntryKind::File) {
                QString inside = slash < 0 ? QString() : clean.mid(slash + 1);
                while (inside.endsWith(QLatin1Char('/')))
                    inside.chop(1);
                return ArchivePlace{prefix, inside};
            }
        }
        if (slash < 0)
            break;
        end = slash;
    }
    return std::nullopt;
}

QString shownPath(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native == path)
        return path;
    // Only a path with a part named as an archive is looked at on the disk.
    const QStringList parts = QDir::fromNativeSeparators(path).split(QLatin1Char('/'));
    const bool named = std::any_of(parts.begin(), parts.end(), [](const QString &part) {
        return isArchiveName(part.toStdString());
    });
    const auto place = named ? archivePlaceOf(path) : std::nullopt;
    if (!place || place->inside.isEmpty())
        return native;
    return QDir::toNativeSeparators(place->archive) + QLatin1Char('/') + place->inside;
}

QString archivedPath(const QString &archive, const QString &inside)
{
    return inside.isEmpty() ? archive : archive + QLatin1Char('/') + inside;
}

} // namespace kelvane
