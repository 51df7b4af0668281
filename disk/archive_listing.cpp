#include "archive_listing.h"

#include "archive_place.h"
#include "archive_shelf.h"

#include <set>

#include <QDir>
#include <QFileInfo>

namespace kelvane {

namespace {

struct Opened
{
    ArchivePlace place;
    std::shared_ptr<const ArchiveFile> archive;
};

std::optional<Opened> openFolderOf(const QString &path)
{
    auto place = archivePlaceOf(QDir::cleanPath(QDir::fromNativeSeparators(path)));
    if (!place)
        return std::nullopt;
    auto opened = openShelvedArchive(place->archive);
    if (!std::holds_alternative<std::shared_ptr<const ArchiveFile>>(opened))
        return std::nullopt;
    return Opened{*place, std::get<std::shared_ptr<const ArchiveFile>>(opened)};
}

bool isSound(const std::string &name)
{
    return name.size() > 4 && QString::fromStdString(name.substr(name.size() - 4))
                                      .compare(QLatin1String(".ogg"), Qt::CaseInsensitive) == 0;
}

QStringList sortedByName(const std::set<std::string> &names)
{
    QStringList sorted;
    for (const std::string &name : names)
        sorted << QString::fromStdString(name);
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return sorted;
}

} // namespace

QString archivedFolder(const QString &path)
{
    const auto opened = openFolderOf(path);
    if (!opened)
        return {};
    const std::string prefix = opened->place.inside.toStdString() + '/';
    bool holds = opened->place.inside.isEmpty();
    for (const ArchiveEntry &entry : opened->archive->index().files)
        holds = holds || entry.path.starts_with(prefix);
    if (!holds)
        return {};
    const QString archive = QFileInfo(opened->place.archive).canonicalFilePath();
    return archivedPath(archive, opened->place.inside);
}

std::optional<FolderListing> listArchivedFolder(const QString &path)
{
    const auto opened = openFolderOf(path);
    if (!opened)
        return std::nullopt;
    const std::string prefix =
        opened->place.inside.isEmpty() ? std::string() : opened->place.inside.toStdString() + '/';
    std::set<std::string> folders;
    std::set<std::string> sounds;
    for (const ArchiveEntry &entry : opened->archive->index().files) {
        if (!entry.path.starts_with(prefix))
            continue;
        const std::string rest = entry.path.substr(prefix.size());
        if (const auto slash = rest.find('/'); slash != std::string::npos)
            folders.insert(rest.substr(0, slash));
        else if (isSound(rest))
            sounds.insert(rest);
    }
    return FolderListing{sortedByName(folders), sortedByName(sounds)};
}

} // namespace kelvane
