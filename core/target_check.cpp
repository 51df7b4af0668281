#include "target_check.h"

#include "file_identity.h"

#include <QFileInfo>

namespace kelvane {

bool mayWriteNew(const QString &path, bool replace, Backup backup, SaveTarget &target, Message &why)
{
    target.path = target.shownName = path;
    const QFileInfo existing(path);
    const bool exists = existing.exists() || existing.isSymLink();
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
