#include "folder_listing.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <future>
#include <mutex>
#include <numeric>
#include <string>
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

bool isAscii(const std::string &name)
{
    return std::all_of(name.begin(), name.end(), [](char c) { return (unsigned char)c < 0x80; });
}

// The names of a group as the list shows them. Plain ASCII names, the usual case, are sorted
// as bytes, lowered once: the same order as their decoded lower-case forms, several times
// quicker, which counts at start-up in a folder of thousands of sounds.
QStringList sortedNames(std::vector<std::string> &names)
{
    QStringList sorted;
    sorted.reserve(qsizetype(names.size()));
    if (!std::all_of(names.begin(), names.end(), isAscii)) {
        // File names are UTF-8 here; decoding with the length already known scans them once.
        for (const std::string &name : names)
            sorted << QString::fromUtf8(name.data(), qsizetype(name.size()));
        sortByName(sorted);
        return sorted;
    }
    // Indexes are sorted, not the names: moving a pair of strings at every step costs more
    // than comparing them.
    std::vector<std::string> keys(names);
    for (std::string &key : keys)
        for (char &c : key)
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
    std::vector<std::uint32_t> order(names.size());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : names[a] < names[b];
    });
    for (const std::uint32_t i : order)
        sorted << QString::fromLatin1(names[i].data(), qsizetype(names[i].size()));
    return sorted;
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
    std::vector<std::string> folders;
    std::vector<std::string> sounds;
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
        const std::size_t length = std::strlen(entry->d_name);
        if (kind == DT_DIR) {
            folders.emplace_back(entry->d_name, length);
        } else if (kind == DT_REG) {
            // "*.ogg" in any case; sockets, pipes and devices are never sounds.
            if (length > 4 && ::strcasecmp(entry->d_name + length - 4, ".ogg") == 0)
                sounds.emplace_back(entry->d_name, length);
        }
    }
    ::closedir(folder);
    listing.folders = sortedNames(folders);
    listing.sounds = sortedNames(sounds);
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

void listFolderAhead(const QString &path, std::function<void()> first)
{
    Ahead &slot = ahead();
    const std::lock_guard lock(slot.mutex);
    slot.path = path;
    slot.listing = std::async(std::launch::async, [path, first = std::move(first)] {
        if (first)
            first();
        return readFolder(path);
    });
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
