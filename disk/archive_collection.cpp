#include "archive_collection.h"

#include "archive_place.h"
#include "archive_shelf.h"
#include "folder_listing.h"
#include "game_archives.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QDir>
#include <QFileInfo>

namespace kelvane {

namespace {

// In the order a folder's sounds are listed: by the key, in any letter case. The keys are
// lowered once: thousands of stock sounds would otherwise be lowered at every comparison.
QStringList sortedByKey(std::vector<std::pair<QString, QString>> keyed)
{
    for (auto &[key, path] : keyed)
        key = key.toLower();
    std::sort(keyed.begin(), keyed.end());
    QStringList sorted;
    sorted.reserve(qsizetype(keyed.size()));
    for (auto &[key, path] : keyed)
        sorted << std::move(path);
    return sorted;
}

// Whether `path` lies in `folder` ("" the archive's top), or without `recursive` right in it.
bool liesIn(const std::string &path, const std::string &folder, bool recursive)
{
    if (!folder.empty() &&
        !(path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/'))
        return false;
    const std::size_t rest = folder.empty() ? 0 : folder.size() + 1;
    return recursive || path.find('/', rest) == std::string::npos;
}

void leftOut(const QString &archive, const ArchiveIndex &index, SoundCollection &found)
{
    for (const SkippedEntry &skipped : index.skipped) {
        const MessageKind why = skipped.why == SkippedEntry::PastTheEnd ? MessageKind::EntryPastEnd
                                : skipped.why == SkippedEntry::NameNotText
                                    ? MessageKind::EntryNameNotText
                                    : MessageKind::EntryLeavesFolder;
        found.unreadArchived << UnreadFolder{
            archivedPath(archive, QString::fromStdString(skipped.name)), why};
    }
}

void collectInArchive(const ArchivePlace &place, bool recursive, const PathFilter &wanted,
                      SoundCollection &found)
{
    auto opened = openShelvedArchive(place.archive);
    if (const auto *failure = std::get_if<ArchiveOpenFailure>(&opened)) {
        found.unreadArchived << UnreadFolder{place.archive, archiveFailureText(*failure)};
        return;
    }
    const auto &archive = *std::get<std::shared_ptr<const ArchiveFile>>(opened);
    const std::string inside = place.inside.toStdString();
    if (!inside.empty() && archive.find(inside)) {
        found.files << archivedPath(place.archive, place.inside);
        return;
    }
    std::vector<std::pair<QString, QString>> sounds;
    bool anyThere = inside.empty();
    const std::string folder = archive.find(inside) ? std::string() : inside;
    for (const ArchiveEntry &entry : archive.index().files) {
        anyThere = anyThere || liesIn(entry.path, folder, true);
        if (!isSoundName(entry.path) || !liesIn(entry.path, folder, recursive))
            continue;
        const std::string_view below =
            std::string_view(entry.path).substr(folder.empty() ? 0 : folder.size() + 1);
        if (wanted && !wanted(QString::fromUtf8(below.data(), qsizetype(below.size()))))
            continue;
        const QString path = archivedPath(place.archive, QString::fromStdString(entry.path));
        sounds.emplace_back(path, path);
    }
    if (!anyThere) {
        found.missing << archivedPath(place.archive, place.inside);
        return;
    }
    if (inside.empty())
        leftOut(place.archive, archive.index(), found);
    found.files << sortedByKey(std::move(sounds));
}

void collectGame(const QString &folder, bool recursive, const PathFilter &wanted,
                 SoundCollection &found)
{
    const GameArchives mounted = mountGameArchives(folder);
    for (const GameArchives::Unreadable &archive : mounted.unreadable)
        found.unreadArchived << UnreadFolder{archive.path, archiveFailureText(archive.why)};
    for (const GameArchives::Archive &archive : mounted.archives)
        leftOut(archive.path, archive.file->index(), found);
    found.notLoaded << mounted.notLoaded;
    // The mounted files come in the order a folder's sounds are listed.
    found.stockPaths.reserve(qsizetype(mounted.files.size()));
    QStringList archiveTops; // each archive's path and a '/', made once
    for (const GameArchives::Archive &archive : mounted.archives)
        archiveTops << archive.path + QLatin1Char('/');
    for (const MountedFile &file : mounted.files) {
        if (!isSoundName(file.path) || !liesIn(file.path, {}, recursive))
            continue;
        QString below = QString::fromStdString(file.path);
        if (wanted && !wanted(below))
            continue;
        const QString path =
            archiveTops[qsizetype(file.archive)] + QString::fromStdString(file.entry->path);
        found.stockPaths.insert(path, std::move(below));
        found.files << path;
    }
}

} // namespace

ArchivedKind archivedKindOf(const QString &path, bool isFile, bool isFolder)
{
    if (isFolder)
        return gameSettingsOf(path).isEmpty() ? ArchivedKind::None : ArchivedKind::GameFolder;
    if (isFile)
        return isArchiveName(QFileInfo(path).fileName().toStdString()) ? ArchivedKind::Archive
                                                                       : ArchivedKind::None;
    return archivePlaceOf(path) ? ArchivedKind::Archive : ArchivedKind::None;
}

void collectArchived(const QString &path, ArchivedKind kind, bool recursive,
                     const PathFilter &wanted, SoundCollection &found)
{
    if (kind == ArchivedKind::GameFolder)
        collectGame(QDir::fromNativeSeparators(path), recursive, wanted, found);
    else if (const auto place = archivePlaceOf(path))
        collectInArchive(*place, recursive, wanted, found);
}

} // namespace kelvane
