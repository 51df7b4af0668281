#pragma once

#include "sound_collection.h"

namespace kelvane {

// What an archive, a folder inside one or a game folder holds, as collectSounds lists it.
enum class ArchivedKind
{
    None,       // none of them
    Archive,    // a game archive, or a path inside one
    GameFolder, // a folder with fsgame.ltx
};

// Which of them `path` names; `isFolder` and `isFile` say what the disk holds at the path.
[[nodiscard]] ArchivedKind archivedKindOf(const QString &path, bool isFile, bool isFolder);

// Adds the sounds of an archive (or a folder inside one), or of a game folder's archives, to
// `found`: with `recursive` those of sub-folders too. A path inside an archive that names no
// file or folder there is missing. Only the sounds `wanted` (all, when empty) are added.
void collectArchived(const QString &path, ArchivedKind kind, bool recursive,
                     const PathFilter &wanted, SoundCollection &found);

} // namespace kelvane
