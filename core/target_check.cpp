#include "target_check.h"

#include "file_identity.h"
#include "file_system.h"

namespace kelvane {

bool mayWriteNew(const QString &path, bool replace, Backup backup, SaveTarget &target, Message &why)
{
    target.path = target.shownName = path;
    int error = 0; // a path that cannot be looked at fails when it is written, with the reason
    const bool exists = fs::factsOf(path, fs::Links::Keep, error).has_value(); // a link too
    if (exists && !replace) {
        why = MessageKind::AlreadyThere;
        return false;
    }
    if (exists)
        target.loadedAs = identityOfPath(path); // replaced only while it is that file
    target.newFileOnly = !exists;
    target.backup = exists ? backup : Backup::None;
    return true;
}

} // namespace kelvane
