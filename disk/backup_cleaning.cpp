#include "backup_cleaning.h"

#include "file_identity.h"
#include "file_system.h"
#include "staged_save.h"

#include <cerrno>
#include <cstring>

#include <QFileInfo>

namespace kelvane {

namespace {

// Whether the backups beside `path` are a sound's of ours to remove: `skipped` says why not,
// `failure` why it could not be told.
bool aSoundOfOurs(const QString &path, CleanResult &result)
{
    if (!path.endsWith(QLatin1String(".ogg"), Qt::CaseInsensitive)) {
        result.skipped = MessageKind::CleanNotASound;
        return false;
    }
    int error = 0;
    const auto facts = fs::factsOf(path, fs::Links::Keep, error);
    if (!facts) {
        result.failure = systemReason(error);
        return false;
    }
    if (facts->kind != fs::EntryKind::File) {
        result.skipped = facts->kind == fs::EntryKind::Link ? MessageKind::CleanLinkSkipped
                                                            : MessageKind::CleanNotASound;
        return false;
    }
    const int fd = fs::openFile(path, fs::Access::Read, error);
    if (fd < 0) {
        result.failure = systemReason(error);
        return false;
    }
    char start[4] = {};
    const std::int64_t got = fs::readSome(fd, start, sizeof start);
    (void)fs::closeFile(fd, error);
    if (got != 4 || std::memcmp(start, "OggS", 4) != 0) {
        result.skipped = MessageKind::CleanNotASound;
        return false;
    }
    return true;
}

} // namespace

CleanResult cleanBackups(const QString &path, bool dryRun)
{
    CleanResult result;
    if (!aSoundOfOurs(path, result))
        return result;
    const QString sound = QFileInfo(path).absoluteFilePath();
    result.folder = folderOf(sound);
    for (const char *suffix : {".bak", ".newer"}) {
        CleanedFile file{sound + QLatin1String(suffix), false, {}};
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
