#pragma once

#include <QString>
#include <QStringList>

namespace kelvane::cli {

struct Batch
{
    QStringList files;   // in the order given; a folder's sounds sorted by path
    QStringList missing; // paths that name nothing
};

// Expands the paths: a file stays as it is, a folder gives its .ogg files (any letter case,
// as the window lists them), with `recursive` those of its sub-folders too.
[[nodiscard]] Batch collectSounds(const QStringList &paths, bool recursive);

} // namespace kelvane::cli
