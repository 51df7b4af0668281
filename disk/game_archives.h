#pragma once

#include "archive_file.h"
#include "archive_shelf.h"

#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

namespace kelvane {

// A file of the stock game as the engine mounts it: its path below the game's data folder and
// the archive entry that holds it.
struct MountedFile
{
    std::string path;        // below the data folder, '/' between folders, as the archive spells it
    std::size_t archive = 0; // in GameArchives::archives
    const ArchiveEntry *entry = nullptr; // in that archive's index, which `archives` keeps
};

// The archives of a game folder, mounted as the engine mounts them: the folders its fsgame.ltx
// names, in the file's order (sub-folders too where its first flag says so), each archive
// (.db*, .xdb*) in them by name; a later archive's file of one path replaces an earlier one's.
// The game's file system knows no letter case: "Sounds/A.ogg" replaces "sounds/a.ogg".
// A folder without fsgame.ltx: its archives and those below it, by path. An archive the game
// does not load (auto_load = false) or that cannot be read is left out and named.
struct GameArchives
{
    struct Archive
    {
        QString path; // below the folder given, as it was given
        std::shared_ptr<const ArchiveFile> file;
    };
    struct Unreadable
    {
        QString path;
        ArchiveOpenFailure why;
    };
    std::vector<Archive> archives;
    std::vector<MountedFile> files; // by path, in any letter case
    QStringList notLoaded;          // archives with auto_load = false
    std::vector<Unreadable> unreadable;
};

[[nodiscard]] GameArchives mountGameArchives(const QString &folder);

// The path of `folder`'s fsgame.ltx, its name in any letter case; empty when it has none.
[[nodiscard]] QString gameSettingsOf(const QString &folder);

} // namespace kelvane
