#include "archive_shelf.h"

#include <map>
#include <mutex>

#include <QFileInfo>

namespace kelvane {

namespace {

struct Shelf
{
    std::mutex mutex;
    std::map<QString, std::shared_ptr<const ArchiveFile>> open;
};

Shelf &shelf()
{
    static Shelf instance;
    return instance;
}

} // namespace

std::variant<std::shared_ptr<const ArchiveFile>, ArchiveOpenFailure>
openShelvedArchive(const QString &path)
{
    const QString key = QFileInfo(path).absoluteFilePath();
    const std::optional<FileIdentity> now = identityOfPath(key);
    Shelf &s = shelf();
    {
        const std::lock_guard lock(s.mutex);
        const auto kept = s.open.find(key);
        if (kept != s.open.end() && now && kept->second->identity() == *now)
            return kept->second;
    }
    // Opened outside the lock: reading a large index must not hold up the other readers.
    auto opened = ArchiveFile::open(key);
    if (auto *failure = std::get_if<ArchiveOpenFailure>(&opened))
        return *failure;
    std::shared_ptr<const ArchiveFile> archive =
        std::move(std::get<std::unique_ptr<ArchiveFile>>(opened));
    const std::lock_guard lock(s.mutex);
    s.open[key] = archive;
    return archive;
}

Message archiveFailureText(const ArchiveOpenFailure &failure)
{
    if (!failure.problem)
        return withReason(MessageKind::ArchiveUnreadable, systemReason(failure.error));
    switch (*failure.problem) {
    case ArchiveProblem::Truncated:
        return MessageKind::ArchiveTruncated;
    case ArchiveProblem::ChunkPastEnd:
        return MessageKind::ArchiveChunkPastEnd;
    case ArchiveProblem::NoFileList:
        return MessageKind::ArchiveNoFileList;
    case ArchiveProblem::ListDamaged:
        return MessageKind::ArchiveListDamaged;
    case ArchiveProblem::NoKey:
        return MessageKind::ArchiveNoKey;
    case ArchiveProblem::Unreadable:
        break;
    }
    return MessageKind::ArchiveUnreadable;
}

} // namespace kelvane
