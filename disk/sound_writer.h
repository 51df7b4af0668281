#pragma once

#include "file_image.h"
#include "sound_attributes.h"

#include <QString>

namespace kelvane {

enum class Backup
{
    None,     // Save-as, or the user turned backups off
    IfAbsent, // keep the file as it was under "<name>.bak", unless that name is taken
};

struct SaveResult
{
    bool ok = false;
    qint64 bytesWritten = 0;
    bool backupMade = false;
    QString failure; // the message shown when `ok` is false
};

// Writes `attrs` into the image's block, recomputes page 2's checksum and writes the whole image
// to `targetPath`. The new file is written beside the target and then replaces it in one step,
// so a failed or interrupted save leaves the target exactly as it was; a target that is a
// symbolic link is written through to the file it points to. The backup never replaces an
// existing one and is made so that the target never stops existing. Never writes an image that
// was read only in part. `shownName` is the name the failure message ends with.
[[nodiscard]] SaveResult saveSoundFile(FileImage &image, const TSoundAttributes &attrs,
                                       const QString &targetPath, const QString &shownName,
                                       Backup backup);

} // namespace kelvane
