#pragma once

#include "archive_index.h"
#include "file_identity.h"
#include "file_system.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <QString>

namespace kelvane {

// Why an archive could not be opened: its own fault, or the system's (an errno value).
struct ArchiveOpenFailure
{
    std::optional<ArchiveProblem> problem;
    int error = 0;
};

// An archive open for reading where it lies: its index read once, and any entry's bytes read
// at their place when asked for; the archive is never read whole. Read-only: nothing here
// writes.
class ArchiveFile
{
public:
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    [[nodiscard]] static std::variant<std::unique_ptr<ArchiveFile>, ArchiveOpenFailure>
    open(const QString &path);

    [[nodiscard]] const QString &path() const { return path_; }
    [[nodiscard]] const ArchiveIndex &index() const { return index_; }
    [[nodiscard]] const FileIdentity &identity() const { return identity_; }
    // The entry's stored bytes; nothing, with the system's errno in `error`, when they cannot
    // all be read (the archive changed or shrank since it was opened).
    [[nodiscard]] std::optional<std::vector<std::uint8_t>> read(const ArchiveEntry &entry,
                                                                int &error) const;
    // `into.size()` of the entry's stored bytes from `from` on; false, with `error` set, when
    // they are not all there.
    [[nodiscard]] bool readPart(const ArchiveEntry &entry, std::uint64_t from,
                                std::span<std::uint8_t> into, int &error) const;
    // The entry of a path, '/' between folders, in any letter case (the game's file system
    // knows no case); null when the archive holds none.
    [[nodiscard]] const ArchiveEntry *find(std::string_view path) const;
    // Where the entry's stored bytes lie in the archive's file, open while this is.
    [[nodiscard]] fs::FilePart partOf(const ArchiveEntry &entry) const
    {
        return {fd_, std::int64_t(entry.offset), entry.size};
    }

private:
    ArchiveFile(int fd, QString path);

    int fd_;
    QString path_;
    ArchiveIndex index_;
    FileIdentity identity_;
    std::vector<std::pair<std::string, std::size_t>> byPath_; // lower-case path, place in files
};

} // namespace kelvane
