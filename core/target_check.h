#pragma once

#include "message.h"
#include "sound_writer.h"

#include <QString>

namespace kelvane {

// Sets `target` for writing a new sound at `path`: a file already there is kept (false, with
// "kept, already there" in `why`) unless `replace`, and then only while it is still the file
// that was there, its backup made as `backup` says.
[[nodiscard]] bool mayWriteNew(const QString &path, bool replace, Backup backup, SaveTarget &target,
                               Message &why);

} // namespace kelvane
