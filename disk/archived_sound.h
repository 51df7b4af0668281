#pragma once

#include "archive_place.h"
#include "file_system.h"
#include "sound_reader.h"

#include <memory>
#include <variant>
#include <vector>

namespace kelvane {

class ArchiveFile;

// Reads a sound an archive holds, as readSoundFile reads one on disk: its first pages, or the
// whole sound (the headers only of one over 10 MiB). Nothing here ever writes to the archive.
[[nodiscard]] ReadResult readArchivedSound(const ArchivePlace &place, const QString &shownName,
                                           Access access);

// How long an archived sound plays, from its last page.
[[nodiscard]] std::optional<double>
archivedSoundSeconds(const ArchivePlace &place, const FileImage &image, std::uint32_t sampleRate);

// The archive a run of reads took its last file from.
struct ArchiveKept
{
    QString path;
    std::shared_ptr<const ArchiveFile> file;
};

// Where the stored bytes of the sound at `path` ("archive/inside") lie, open while `kept` keeps
// its archive, or why they cannot be had. The files of one archive come one after another: a
// path inside `kept`'s archive is found there without a look at the disk, and `kept` becomes
// the archive found in.
[[nodiscard]] std::variant<fs::FilePart, Message> findArchivedPart(const QString &path,
                                                                   ArchiveKept &kept);

} // namespace kelvane
