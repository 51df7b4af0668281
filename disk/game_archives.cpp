#include "game_archives.h"

#include "file_system.h"
#include "game_paths.h"
#include "list_text.h"
#include "parallel_for.h"

#include <algorithm>
#include <numeric>
#include <thread>
#include <unordered_map>

#include <QFile>

namespace kelvane {

namespace {

// The archives in `folder` by name, and with `recurse` those below it, folder by folder.
void findArchives(const QString &folder, bool recurse, QStringList &found)
{
    std::vector<std::string> archives;
    std::vector<std::string> folders;
    int error = 0;
    (void)fs::forEachEntry(
        folder,
        [&](std::string_view name, fs::EntryKind kind) {
            if (kind == fs::EntryKind::Folder)
                folders.emplace_back(name);
            else if (kind == fs::EntryKind::File && isArchiveName(name))
                archives.emplace_back(name);
        },
        error);
    std::sort(archives.begin(), archives.end());
    std::sort(folders.begin(), folders.end());
    for (const std::string &name : archives)
        found << folder + QLatin1Char('/') + QString::fromStdString(name);
    if (recurse)
        for (const std::string &name : folders)
            findArchives(folder + QLatin1Char('/') + QString::fromStdString(name), true, found);
}

// Where an archive's files lie below the data folder: its entry point made a path (an alias
// through the game's folders), less the data folder itself.
std::string mountPrefix(const std::string &entryPoint, const std::vector<GamePath> &paths)
{
    std::string point = entryPoint;
    std::replace(point.begin(), point.end(), '\\', '/');
    if (point.starts_with('$')) {
        const auto close = point.find('$', 1);
        const std::string id = point.substr(0, close + 1);
        const auto known =
            std::find_if(paths.begin(), paths.end(), [&](const GamePath &p) { return p.id == id; });
        const std::string root = id == "$fs_root$" ? "" : known != paths.end() ? known->path : "";
        point = root + "/" + (close == std::string::npos ? "" : point.substr(close + 1));
    }
    std::string clean;
    for (std::size_t start = 0; start <= point.size();) {
        const std::size_t end = std::min(point.find('/', start), point.size());
        const std::string part = point.substr(start, end - start);
        if (!part.empty())
            clean += (clean.empty() ? "" : "/") + part;
        start = end + 1;
    }
    const std::string lower = lowerAscii(clean);
    if (lower == "gamedata" || lower.empty())
        return {};
    if (lower.starts_with("gamedata/"))
        return clean.substr(9) + "/";
    return clean + "/";
}

// The archives a game folder mounts, in the order it mounts them: those of each path its
// fsgame.ltx names, in the file's order; without one, every archive in and below the folder.
QStringList archivesToMount(const QString &folder, std::vector<GamePath> &paths)
{
    QStringList archives;
    const QString fsgame = gameSettingsOf(folder);
    if (fsgame.isEmpty()) {
        findArchives(folder, true, archives);
        return archives;
    }
    QFile file(fsgame);
    if (file.open(QIODevice::ReadOnly))
        paths = gamePaths(file.readAll().toStdString());
    for (const GamePath &path : paths) {
        const QString where = path.path.empty()
                                  ? folder
                                  : folder + QLatin1Char('/') + QString::fromStdString(path.path);
        QStringList found;
        findArchives(where, path.recurse, found);
        for (const QString &archive : found)
            if (!archives.contains(archive))
                archives << archive;
    }
    return archives;
}

// By path in any letter case (`keys`, each file's path lowered), as a folder's sounds are
// listed. Indexes are sorted: tens of thousands of entries are not moved at every step.
void sortByPath(std::vector<MountedFile> &files, const std::vector<std::string> &keys)
{
    std::vector<std::size_t> order(files.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return keys[a] != keys[b] ? keys[a] < keys[b] : files[a].path < files[b].path;
    });
    std::vector<MountedFile> sorted;
    sorted.reserve(order.size());
    for (const std::size_t i : order)
        sorted.push_back(std::move(files[i]));
    files = std::move(sorted);
}

} // namespace

// Not QDir's name filters: they match by regular expressions, whose compiled code crashes a
// thread of ours at its end under Windows' threads of this tool chain.
QString gameSettingsOf(const QString &folder)
{
    std::string found;
    int error = 0;
    (void)fs::forEachEntry(
        folder,
        [&](std::string_view name, fs::EntryKind kind) {
            if (found.empty() && kind == fs::EntryKind::File &&
                lowerAscii(std::string(name)) == "fsgame.ltx")
                found = name;
        },
        error);
    return found.empty() ? QString() : folder + QLatin1Char('/') + QString::fromStdString(found);
}

GameArchives mountGameArchives(const QString &folder)
{
    GameArchives mounted;
    std::vector<GamePath> paths;
    const QStringList archives = archivesToMount(folder, paths);
    // Each archive's list is read and unpacked on a thread of its own, one for each core.
    std::vector<std::variant<std::shared_ptr<const ArchiveFile>, ArchiveOpenFailure>> opening(
        std::size_t(archives.size()));
    parallelFor(
        opening.size(), int(std::max(1u, std::thread::hardware_concurrency())),
        [&](std::size_t i) { opening[i] = openShelvedArchive(archives[qsizetype(i)]); },
        [] { return false; });
    // Each file's path lowered, and the place in `files` of each: the keys never move (the
    // vector holds all from the start), so the map looks at them where they lie.
    std::vector<std::string> keys;
    std::size_t entries = 0;
    for (const auto &opened : opening)
        if (const auto *archive = std::get_if<std::shared_ptr<const ArchiveFile>>(&opened))
            entries += (*archive)->index().files.size();
    keys.reserve(entries);
    std::unordered_map<std::string_view, std::size_t> where;
    where.reserve(entries);
    for (qsizetype i = 0; i < archives.size(); ++i) {
        const QString &path = archives[i];
        auto &opened = opening[std::size_t(i)];
        if (const auto *failure = std::get_if<ArchiveOpenFailure>(&opened)) {
            mounted.unreadable.push_back({path, *failure});
            continue;
        }
        auto archive = std::get<std::shared_ptr<const ArchiveFile>>(opened);
        if (!archive->index().autoLoad) {
            mounted.notLoaded << path;
            continue;
        }
        const std::string prefix = mountPrefix(archive->index().entryPoint, paths);
        for (const ArchiveEntry &entry : archive->index().files) {
            MountedFile file{prefix + entry.path, mounted.archives.size(), &entry};
            keys.push_back(lowerAscii(file.path));
            if (const auto [it, added] = where.try_emplace(keys.back(), mounted.files.size());
                !added) {
                mounted.files[it->second] = std::move(file); // the later archive wins
                keys.pop_back();
            } else {
                mounted.files.push_back(std::move(file));
            }
        }
        mounted.archives.push_back({path, std::move(archive)});
    }
    sortByPath(mounted.files, keys);
    return mounted;
}

} // namespace kelvane
