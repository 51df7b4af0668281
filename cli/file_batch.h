#pragma once

#include <QString>
#include <QStringList>

namespace kelvane::cli {

struct Batch
{
    QStringList files;       // in the order given; a folder's sounds sorted by path
    QStringList missing;     // paths that name nothing
    QStringList undecodable; // sounds or folders whose names are not valid UTF-8, escaped
};

// Expands the paths: a file stays as it is, a folder gives its .ogg files (any letter case,
// as the window lists them; hidden ones left out), with `recursive` those of its sub-folders
// too. Names that cannot be turned into text and back are reported, never silently dropped.
[[nodiscard]] Batch collectSounds(const QStringList &paths, bool recursive);

} // namespace kelvane::cli
