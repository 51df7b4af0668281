#pragma once

#include <functional>
#include <string_view>

#include <QString>
#include <QStringList>

namespace kelvane {

// What the file list shows of a folder: its folders, and its files whose names end in ".ogg"
// in any case; hidden entries (names starting with ".") left out. Each group is sorted by name
// without regard to case, as a user reads a folder, names that differ only in case in a fixed
// order. One pass over the folder.
struct FolderListing
{
    QStringList folders;
    QStringList sounds;
};

[[nodiscard]] FolderListing listFolder(const QString &path);

// Whether a file's name (a path's last part, or a whole path) is a sound's: "*.ogg" in any
// letter case.
[[nodiscard]] bool isSoundName(std::string_view name);

// Starts listing `path` on a thread of its own, at a lower priority, at start-up, while the
// window is still being made; the next listFolder of that same path takes the result instead of
// reading the folder again, or reads it itself if the thread has not begun to. Any other path
// is listed as usual. `first`, if given, runs on that thread before the listing: other start-up
// work that the window needs before the folder.
void listFolderAhead(const QString &path, std::function<void()> first = {});

} // namespace kelvane
