#include "folder_listing.h"

#include "archive_index.h"
#include "archive_listing.h"
#include "file_system.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <numeric>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include <QDir>

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

bool isSoundName(std::string_view name)
{
    constexpr std::string_view kEnd = ".ogg";
    if (name.size() <= kEnd.size())
        return false;
    const auto end = name.substr(name.size() - kEnd.size());
    return std::equal(end.begin(), end.end(), kEnd.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b;
    });
}

namespace {

FolderListing readFolder(const QString &path)
{
    FolderListing listing;
    std::vector<std::string> folders;
    std::vector<std::string> sounds;
    const QDir folder(path);
    int error = 0;
    const bool read = fs::forEachEntry(
        path,
        [&](std::string_view name, fs::EntryKind kind) {
            if (name.front() == '.') // hidden
                return;
            // The kind from the folder itself; a link, or a file system that does not say, is
            // looked up, following links as a user expects.
            if (kind == fs::EntryKind::Link || kind == fs::EntryKind::Unknown) {
                const auto facts = fs::factsOf(
                    folder.filePath(fs::pathText(QByteArray(name.data(), qsizetype(name.size())))),
                    fs::Links::Follow, error);
                if (!facts)
                    return; // a link to nothing
                kind = facts->kind;
            }
            // A game archive is entered as a folder is.
            if (kind == fs::EntryKind::Folder ||
                (kind == fs::EntryKind::File && isArchiveName(name)))
                folders.emplace_back(name);
            else if (kind == fs::EntryKind::File && isSoundName(name))
                sounds.emplace_back(name); // sockets, pipes and devices are never sounds
        },
        error);
    if (!read) {
        // A path into a game archive is no folder on the disk; the systems differ in what they
        // say of it (Linux ENOTDIR or ENOENT, Windows an invalid name).
        return listArchivedFolder(path).value_or(FolderListing{});
    }
    listing.folders = sortedNames(folders);
    listing.sounds = sortedNames(sounds);
    return listing;
}

// A listing read ahead, shared by the thread reading it and the listFolder that takes it.
struct Ahead
{
    std::mutex mutex;
    std::condition_variable done;
    bool claimed = false; // the folder is being read, by the thread or by listFolder
    bool ready = false;
    FolderListing listing;
};

struct AheadSlot
{
    std::mutex mutex;
    QString path;
    std::shared_ptr<Ahead> ahead;
};

AheadSlot &aheadSlot()
{
    static AheadSlot slot;
    return slot;
}

} // namespace

void listFolderAhead(const QString &path, std::function<void()> first)
{
    auto ahead = std::make_shared<Ahead>();
    {
        AheadSlot &slot = aheadSlot();
        const std::lock_guard lock(slot.mutex);
        slot.path = path;
        slot.ahead = ahead;
    }
    std::thread([ahead, path, first = std::move(first)] {
        // Below the window and the display server: at start-up the window talks to the server
        // at every step, and a server kept waiting for a core slows the whole start.
        fs::yieldToTheWindow();
        if (first)
            first();
        {
            const std::lock_guard lock(ahead->mutex);
            if (ahead->claimed)
                return;
            ahead->claimed = true;
        }
        FolderListing listing = readFolder(path);
        {
            const std::lock_guard lock(ahead->mutex);
            ahead->listing = std::move(listing);
            ahead->ready = true;
        }
        ahead->done.notify_all();
    }).detach();
}

FolderListing listFolder(const QString &path)
{
    std::shared_ptr<Ahead> ahead;
    {
        AheadSlot &slot = aheadSlot();
        const std::lock_guard lock(slot.mutex);
        if (slot.ahead && slot.path == path)
            ahead = std::exchange(slot.ahead, nullptr);
    }
    if (ahead) {
        std::unique_lock lock(ahead->mutex);
        if (ahead->claimed) {
            ahead->done.wait(lock, [&] { return ahead->ready; });
            return std::move(ahead->listing);
        }
        // Still at its first work (a busy machine gives a lower-priority thread little time):
        // the folder is read here instead of waiting for it.
        ahead->claimed = true;
    }
    return readFolder(path);
}

} // namespace kelvane
