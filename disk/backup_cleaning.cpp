#include "backup_cleaning.h"

#include "file_identity.h"
#include "file_system.h"
#include "staged_save.h"

#include <cerrno>

namespace kelvane {

CleanResult cleanBackups(const QString &path, bool dryRun)
{
    CleanResult result;
    const auto real = realPathOf(path, result.failure);
    if (!real)
        return result;
    result.folder = folderOf(*real);
    for (const char *suffix : {".bak", ".newer"}) {
        CleanedFile file{*real + QLatin1String(suffix), false, {}};
        int error = 0;
        const auto facts = fs::factsOf(file.path, fs::Links::Keep, error);
        if (!facts) {
            if (error != ENOENT)
                result.files.push_back({file.path, false, systemReason(error)});
            continue;
        }
        if (facts->kind != fs::EntryKind::File)
            file.why = MessageKind::NotRegularFile;
        else if (dryRun || fs::removeFile(file.path, error))
            file.removed = true;
        else
            file.why = systemReason(error);
        result.files.push_back(std::move(file));
    }
    return result;
}

} // namespace kelvane
