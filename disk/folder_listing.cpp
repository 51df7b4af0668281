#include "folder_listing.h"

#include <algorithm>
#include <cstring>
#include <future>
#include <mutex>
#include <vector>

#include <QFile>

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

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

namespace {

FolderListing readFolder(const QString &path)
{
    FolderListing listing;
    DIR *folder = ::opendir(QFile::encodeName(path).constData());
    if (!folder)
        return listing;
    const int at = ::dirfd(folder);
    while (const dirent *entry = ::readdir(folder)) {
        if (entry->d_name[0] == '.') // hidden, and "." and ".."
            continue;
        // The kind from the folder itself; a link, or a file system that does not say, is
        // looked up, following links as a user expects.
        unsigned char kind = entry->d_type;
        if (kind == DT_LNK || kind == DT_UNKNOWN) {
            struct stat info
            {};
            if (::fstatat(at, entry->d_name, &info, 0) != 0)
                continue; // a link to nothing
            kind = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        // File names are UTF-8 here; decoding with the length already known scans them once.
        const std::size_t length = std::strlen(entry->d_name);
        const auto name = [&] { return QString::fromUtf8(entry->d_name, qsizetype(length)); };
        if (kind == DT_DIR) {
            listing.folders << name();
        } else if (kind == DT_REG) {
            // "*.ogg" in any case; sockets, pipes and devices are never sounds.
            if (length > 4 && ::strcasecmp(entry->d_name + length - 4, ".ogg") == 0)
                listing.sounds << name();
        }
    }
    ::closedir(folder);
    sortByName(listing.folders);
    sortByName(listing.sounds);
    return listing;
}

struct Ahead
{
    std::mutex mutex;
    QString path;
    std::future<FolderListing> listing;
};

Ahead &ahead()
{
    static Ahead slot;
    return slot;
}

} // namespace

void listFolderAhead(const QString &path)
{
    Ahead &slot = ahead();
    const std::lock_guard lock(slot.mutex);
    slot.path = path;
    slot.listing = std::async(std::launch::async, [path] { return readFolder(path); });
}

FolderListing listFolder(const QString &path)
{
    Ahead &slot = ahead();
    {
        const std::lock_guard lock(slot.mutex);
        if (slot.listing.valid() && slot.path == path) {
            return slot.listing.get();
        }
    }
    return readFolder(path);
}

} // namespace kelvane
