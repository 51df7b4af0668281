#include "folder_listing.h"

#include <algorithm>
#include <vector>

#include <QDirIterator>

namespace kelvane {

namespace {

void sortByName(QStringList &names)
{
    // The lower-case form of each name is made once, not at every comparison.
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(std::size_t(names.size()));
    for (QString &name : names)
        keyed.emplace_back(name.toLower(), std::move(name));
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : a.second.compare(b.second) < 0;
    });
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[std::size_t(i)].second);
}

} // namespace

FolderListing listFolder(const QString &path)
{
    FolderListing listing;
    QDirIterator entries(path, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (entries.fileInfo().isDir())
            listing.folders << name;
        else if (name.endsWith(QLatin1String(".ogg"), Qt::CaseInsensitive))
            listing.sounds << name;
    }
    sortByName(listing.folders);
    sortByName(listing.sounds);
    return listing;
}

} // namespace kelvane
