#pragma once

#include "message.h"

#include <optional>
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
    QString folder;                 // where the files lie (the sound's folder)
    std::vector<CleanedFile> files; // those found; none when there is nothing to clean
    Message failure;                // the sound could not be looked at
    Message skipped;                // why the files beside `path` are not its to remove
};

// Removes, or with `dryRun` only finds, the "<sound>.bak" and "<sound>.newer" files beside the
// sound at `path`. Only beside a regular file named *.ogg that starts as an Ogg stream, never
// through a symbolic link (which may lead anywhere) nor beside a file that is not a sound (whose
// ".bak" is someone else's). Only regular files of exactly those names go; a link, a folder or
// anything else of that name stays, and so does everything else. The removals are not flushed:
// flush each folder after (fs::flushFolder).
[[nodiscard]] CleanResult cleanBackups(const QString &path, bool dryRun);

} // namespace kelvane
