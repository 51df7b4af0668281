#include "archive_collection.h"

#include "archive_place.h"
#include "archive_shelf.h"
#include "game_archives.h"

#include <QDir>
#include <QFileInfo>

namespace kelvane {

namespace {

bool isSoundEntry(const std::string &path)
{
    return path.size() > 4 && QString::fromStdString(path.substr(path.size() - 4))
                                      .compare(QLatin1String(".ogg"), Qt::CaseInsensitive) == 0;
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

void collectInArchive(const ArchivePlace &place, bool recursive, SoundCollection &found)
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
    QStringList sounds;
    bool anyThere = inside.empty();
    const std::string folder = archive.find(inside) ? std::string() : inside;
    for (const ArchiveEntry &entry : archive.index().files) {
        anyThere = anyThere || liesIn(entry.path, folder, true);
        if (isSoundEntry(entry.path) && liesIn(entry.path, folder, recursive))
            sounds << archivedPath(place.archive, QString::fromStdString(entry.path));
    }
    if (!anyThere) {
        found.missing << archivedPath(place.archive, place.inside);
        return;
    }
    if (inside.empty())
        leftOut(place.archive, archive.index(), found);
    std::sort(sounds.begin(), sounds.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    found.files << sounds;
}

void collectGame(const QString &folder, bool recursive, SoundCollection &found)
{
    const GameArchives mounted = mountGameArchives(folder);
    for (const GameArchives::Unreadable &archive : mounted.unreadable)
        found.unreadArchived << UnreadFolder{archive.path, archiveFailureText(archive.why)};
    for (const GameArchives::Archive &archive : mounted.archives)
        leftOut(archive.path, archive.file->index(), found);
    found.notLoaded << mounted.notLoaded;
    QStringList sounds;
    for (const MountedFile &file : mounted.files) {
        if (!isSoundEntry(file.path) || !liesIn(file.path, {}, recursive))
            continue;
        const QString path = archivedPath(mounted.archives[file.archive].path,
                                          QString::fromStdString(file.entry.path));
        found.stockPaths.insert(path, QString::fromStdString(file.path));
        sounds << path;
    }
    std::sort(sounds.begin(), sounds.end(), [&](const QString &a, const QString &b) {
        return found.stockPaths.value(a).compare(found.stockPaths.value(b), Qt::CaseInsensitive) <
               0;
    });
    found.files << sounds;
}

} // namespace

ArchivedKind archivedKindOf(const QString &path, bool isFile, bool isFolder)
{
    if (isFolder)
        return QDir(path).entryList({QStringLiteral("fsgame.ltx")}, QDir::Files).isEmpty()
                   ? ArchivedKind::None
                   : ArchivedKind::GameFolder;
    if (isFile)
        return isArchiveName(QFileInfo(path).fileName().toStdString()) ? ArchivedKind::Archive
                                                                       : ArchivedKind::None;
    return archivePlaceOf(path) ? ArchivedKind::Archive : ArchivedKind::None;
}

void collectArchived(const QString &path, ArchivedKind kind, bool recursive, SoundCollection &found)
{
    if (kind == ArchivedKind::GameFolder)
        collectGame(QDir::fromNativeSeparators(path), recursive, found);
    else if (const auto place = archivePlaceOf(path))
        collectInArchive(*place, recursive, found);
}

} // namespace kelvane
