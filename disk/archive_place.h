#pragma once

#include <optional>

#include <QString>

namespace kelvane {

// A path that leads into an archive: "resources/sounds.db/sounds/weapons/ak74_shot.ogg" is
// the file "sounds/weapons/ak74_shot.ogg" of the archive "resources/sounds.db".
struct ArchivePlace
{
    QString archive; // the archive file's path
    QString inside;  // '/' between folders; empty for the archive itself
};

// Where `path` leads when a part of it is an archive file (named .db* or .xdb*); empty when none
// is. Each part named so is looked at on the disk, so call it once a path is known not to name
// a file or folder of its own.
[[nodiscard]] std::optional<ArchivePlace> archivePlaceOf(const QString &path);

// A path as shown: the system's separators up to an archive, '/' inside it
// ("C:\\games\\resources\\sounds.db/sounds/x.ogg" on Windows).
[[nodiscard]] QString shownPath(const QString &path);

// The path of a file inside an archive, as every front end writes it.
[[nodiscard]] QString archivedPath(const QString &archive, const QString &inside);

} // namespace kelvane
