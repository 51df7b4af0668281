#pragma once

#include "file_identity.h"
#include "file_image.h"
#include "load_report.h"

#include <memory>
#include <optional>

#include <QString>

namespace kelvane {

enum class Access
{
    FirstPages, // showing and checking: opened read-only, and only the first pages are read
                // unless the first comment reaches further (never written)
    ReadOnly,   // opened read-only, read whole (up to 10 MiB)
    ReadWrite,  // loading to change: a file the user may not change is refused up front
};

struct ReadResult
{
    std::unique_ptr<FileImage> image; // null when the file could not be read
    Message failure;                  // the message shown when `image` is null
    Message reason;                   // the system's reason behind `failure`, when it gave one
    FileIdentity identity;            // the file as it was read; a save checks it is still so
    QString archive; // the archive that holds the sound, which is then never written; or empty
};

// Reads a sound file into a fresh image: a file of up to 10 MiB whole, a larger one only its
// first 10,240 bytes (it then stays view-only). A path into a game archive reads the sound the
// archive holds. A file that changes while it is read is
// refused rather than shown half old, half new. `shownName` is the name the read-failure
// message ends with.
[[nodiscard]] ReadResult readSoundFile(const QString &path, const QString &shownName,
                                       Access access = Access::ReadWrite);

struct LoadResult
{
    std::unique_ptr<FileImage> image;
    Message failure; // set when the file could not be read; `inspection` is then empty
    Message reason;  // the system's reason behind `failure`, when it gave one
    FileIdentity identity;
    Inspection inspection;
    // How long the sound plays, from its last page; empty when the file does not tell.
    std::optional<double> seconds;
    QString archive; // the archive that holds the sound, or empty

    // Nothing to show: the file could not be read, or inspection refused it.
    [[nodiscard]] bool refused() const
    {
        return !image || inspection.outcome == LoadOutcome::Refused;
    }
    // The message a refusal is shown with: the read failure or the inspection's.
    [[nodiscard]] Message whyRefused() const;
};

// How long the sound plays, from its last page: found in the image when it holds the whole
// file, else in the last bytes of the file at `path`. Empty when the file does not tell.
[[nodiscard]] std::optional<double> soundSecondsOf(const QString &path, const FileImage &image,
                                                   std::uint32_t sampleRate);

// Reads and inspects a sound file: what the window and the command line both do on loading.
[[nodiscard]] LoadResult loadSoundFile(const QString &path, const QString &shownName,
                                       MissingBlock missing = MissingBlock::InsertDefault,
                                       Access access = Access::ReadWrite);

} // namespace kelvane
