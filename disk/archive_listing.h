#pragma once

#include "folder_listing.h"

#include <optional>

#include <QString>

namespace kelvane {

// The folder inside a game archive that `path` names ("sounds.db" its top, "sounds.db/sounds"
// a folder in it), cleaned and with the archive named without links; empty when it names none.
[[nodiscard]] QString archivedFolder(const QString &path);

// What the file list shows of a folder inside an archive: its folders and its sounds, sorted as
// a folder on disk is; empty when `path` names none.
[[nodiscard]] std::optional<FolderListing> listArchivedFolder(const QString &path);

} // namespace kelvane
