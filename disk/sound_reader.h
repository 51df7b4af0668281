#pragma once

#include "file_image.h"
#include "load_report.h"

#include <memory>

#include <QString>

namespace kelvane {

struct ReadResult
{
    std::unique_ptr<FileImage> image; // null when the file could not be read
    QString failure;                  // the message shown when `image` is null
};

// Reads a sound file into a fresh image: a file of up to 10 MiB whole, a larger one only its
// first 10,240 bytes (it then stays view-only). The file is opened for writing too, so a file
// the user may not change is refused before anything is shown for it. `shownName` is the name
// the read-failure message ends with.
[[nodiscard]] ReadResult readSoundFile(const QString &path, const QString &shownName);

struct LoadResult
{
    std::unique_ptr<FileImage> image;
    QString failure; // set when the file could not be read; `inspection` is then empty
    Inspection inspection;
};

// Reads and inspects a sound file: what the window and the command line both do on loading.
[[nodiscard]] LoadResult loadSoundFile(const QString &path, const QString &shownName,
                                       MissingBlock missing = MissingBlock::InsertDefault);

} // namespace kelvane
