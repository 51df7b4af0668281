#pragma once

#include "file_identity.h"
#include "message.h"

#include <QString>

namespace kelvane {

struct BackupOutcome
{
    enum State
    {
        Made,      // "<file>.bak" now holds the file as it is
        Kept,      // a regular file of that name already holds an earlier backup
        NameTaken, // something that is not a regular file has the name: no backup exists
        Failed,    // none could be made; `reason` says why
    } state = Failed;
    QString path;
    Message reason;
    FileIdentity made; // what a Made backup is, so that only that one is ever removed
};

// Keeps the file at `realPath` (no symbolic link) under "<realPath>.bak" unless that name is
// taken. The backup shares the file's data through a hard link, or where the file system has
// none is a complete copy put in place in one step; either way the file keeps its name.
[[nodiscard]] BackupOutcome makeBackup(const QString &realPath);

// Gives the file at `realPath` the further name `name`, which must be free: a hard link, or where
// the file system has none for it a complete copy put in place in one step. False, with the
// reason, when neither could be made; `taken` when the name was taken meanwhile.
[[nodiscard]] bool keepUnder(const QString &realPath, const QString &name, Message &reason,
                             bool &taken);

// Removes a backup this save made, and only if it is still the one made.
bool removeBackup(const BackupOutcome &backup);

} // namespace kelvane
