#pragma once

#include "message.h"

#include <vector>

#include <QString>

namespace kelvane {

// One ".bak" or ".newer" file beside a sound, and what became of it.
struct CleanedFile
{
    QString path;
    bool removed = false; // with a dry run: would be removed
    Message why;          // why it stays, when it does
};

// What cleaning up one sound's backups did.
struct CleanResult
{
    QString folder;                 // where the files lie (the sound's real folder)
    std::vector<CleanedFile> files; // those found; none when there is nothing to clean
    Message failure;                // the sound's own path could not be followed
};

// Removes, or with `dryRun` only finds, the "<sound>.bak" and "<sound>.newer" files beside the
// sound at `path` (beside its real file, when it is a symbolic link). Only regular files of
// exactly those names go; a link, a folder or anything else of that name stays, and so does
// everything else. The removals are not flushed: flush each folder after (fs::flushFolder).
[[nodiscard]] CleanResult cleanBackups(const QString &path, bool dryRun);

} // namespace kelvane
