#pragma once

#include "file_identity.h"
#include "file_image.h"
#include "sound_attributes.h"

#include <optional>

#include <QString>
#include <QStringList>

namespace kelvane {

enum class Backup
{
    None,     // Save-as, or the user turned backups off
    IfAbsent, // keep the file as it was under "<name>.bak", unless that name is taken
};

struct SaveTarget
{
    QString path;      // a symbolic link is written through to its file
    QString shownName; // the name the messages end with
    Backup backup = Backup::None;
    // The file as it was loaded. When set, nothing is written unless the file behind `path`
    // is still exactly that one: another program's newer version is never overwritten.
    std::optional<FileIdentity> loadedAs;
    // Other names (hard links) of the file that the same batch writes: they do not keep the
    // old sound, so the result does not say they do.
    int otherNamesWritten = 0;
    // A sound made anew: written only under a free name, never over any file (not even one
    // that takes the name while it is written).
    bool newFileOnly = false;
};

enum class SaveProblem
{
    None,
    Write,   // the new file could not be created, written, flushed or put in place
    Changed, // the file on disk is no longer the one loaded
    Backup,  // the backup asked for could not be made
    InUse,   // another program holds the file open and will not let it be replaced (Windows)
    Exists,  // a new file's name is taken: the file there is kept
};

struct SaveResult
{
    bool ok = false;
    qint64 bytesWritten = 0;
    bool backupMade = false;
    SaveProblem problem = SaveProblem::None;
    Message failure; // the message shown when `ok` is false
    Message reason;  // the system's reason behind it, when there is one
    // What a successful save could not do as usual: no backup by that name, other hard links
    // that keep the old sound, an owner or attributes that could not be kept.
    std::vector<Message> notes;
    FileIdentity written; // the file now on disk, for the next save's check
};

// Writes `attrs` into the image's block, recomputes page 2's checksum and writes the whole image
// to the target. The new file is written beside the target's real file, flushed to the disk and
// renamed over it in one step, so a failed or interrupted save leaves the target exactly as it
// was and removes whatever it made. The new file keeps the old one's owner, group, permissions
// and extended attributes where the system allows. The backup lies beside the real file, never
// replaces an existing one, and is made so that the target never stops existing; when it is
// asked for and cannot be made nothing is written. Never writes an image read in part.
[[nodiscard]] SaveResult saveSoundFile(FileImage &image, const SoundAttributes &attrs,
                                       const SaveTarget &target);

} // namespace kelvane
