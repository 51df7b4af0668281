#pragma once

#include "message.h"
#include "page_walk.h"

#include <QString>

namespace kelvane {

struct FilePageWalk
{
    PageWalk walk;
    Message failure; // set when the file could not be read whole, or changed while it was read
};

// Walks every page of a file with ordinary reads, one page in memory at a time, so that any
// length of file is checked in the same small memory and a file that shrinks or changes while
// it is read is reported, never a crash.
[[nodiscard]] FilePageWalk walkPagesOfFile(const QString &path);

} // namespace kelvane
