#pragma once

#include "file_identity.h"
#include "message.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include <QString>
#include <QStringList>

// The few operations on files and names whose system calls differ between Linux and Windows;
// the rest of disk/ is written once on top of them. A file is a C runtime descriptor on both
// systems, and a failure is an errno value (a Windows error is mapped to the nearest one), so
// that every caller and every reason text serves both.
namespace kelvane::fs {

enum class EntryKind
{
    File,
    Folder,
    Link,    // a symbolic link (Windows: any reparse point), not followed
    Other,   // a pipe, a device, a socket
    Unknown, // a folder listing that did not say
};

struct EntryFacts
{
    EntryKind kind = EntryKind::Other;
    FileIdentity identity;
    std::uint64_t links = 1;
    // Where the system has them: owner, group and permission bits (Linux); the file's
    // attributes (Windows).
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    std::uint32_t mode = 0;
};

enum class Links
{
    Follow,
    Keep, // the entry itself
};

[[nodiscard]] std::optional<EntryFacts> factsOf(const QString &path, Links links, int &error);
[[nodiscard]] std::optional<EntryFacts> factsOfOpenFile(int fd);

enum class Access
{
    Read,
    ReadWrite,
};
// Opens without waiting, so that a pipe under a sound's name never blocks. Negative on failure.
[[nodiscard]] int openFile(const QString &path, Access access, int &error);
// A new empty file for writing; EEXIST when anything has the name already.
[[nodiscard]] int createNewFile(const QString &path, int &error);
// A close that fails may mean data that never reached the disk.
[[nodiscard]] bool closeFile(int fd, int &error);
// As read(2), write(2) and pread(2): the bytes done, 0 at the end, -1 with errno set.
[[nodiscard]] std::int64_t readSome(int fd, void *into, std::size_t length);
[[nodiscard]] std::int64_t readAt(int fd, void *into, std::size_t length, std::int64_t offset);
[[nodiscard]] std::int64_t writeSome(int fd, const void *from, std::size_t length);
[[nodiscard]] bool flushFile(int fd, int &error);
// Starts writing the file's data to the disk and returns: a later flush waits for less.
void startWriteBack(int fd);
// Flushes a closed file by its name.
[[nodiscard]] bool flushFileNamed(const QString &path, int &error);
// Appends `length` bytes of `source` from `offset` to `target` without passing them through
// memory; false, with `target` as it was, where the system does not copy them all.
[[nodiscard]] bool copyRange(int source, std::int64_t offset, int target, std::size_t length);

// `length` bytes of an open file from `offset` on.
struct FilePart
{
    int descriptor = -1;
    std::int64_t offset = 0;
    std::size_t length = 0;
};
void adviseSequential(int fd);

// Renames over whatever has the name `to`, in one step.
[[nodiscard]] bool renameOver(const QString &from, const QString &to, int &error);
// Renames only while nothing has the name `to` (EEXIST otherwise), in one step.
[[nodiscard]] bool renameToFreeName(const QString &from, const QString &to, int &error);
// Moves the file named `from` to the free name `aside` in one step (POSIX systems only).
[[nodiscard]] bool moveAside(const QString &from, const QString &aside, int &error);
enum class Exchange
{
    Done,
    Unsupported, // the file system (or the system) cannot exchange two names
    Failed,
};
[[nodiscard]] Exchange exchangeNames(const QString &a, const QString &b, int &error);
[[nodiscard]] bool makeHardLink(const QString &existing, const QString &name, int &error);
// True for the failures of makeHardLink that a whole copy can stand in for.
[[nodiscard]] bool noHardLinksHere(int error);
// True when `error` says another program holds the file open and will not let it be replaced
// (Windows' sharing rules; Linux has none of the kind).
[[nodiscard]] bool heldByAnotherProgram(int error);
[[nodiscard]] bool removeFile(const QString &path, int &error);
// What a symbolic link points at, as written in it.
[[nodiscard]] std::optional<QString> linkTarget(const QString &path, int &error);
// Flushes a folder's entries, so that a rename in it survives a power cut.
[[nodiscard]] bool flushFolder(const QString &folder);
[[nodiscard]] bool mayWrite(const QString &path, int &error);
// Whether the folder forbids us to replace `file` though we may write in it (the sticky bit).
[[nodiscard]] bool folderForbidsReplacing(const EntryFacts &file, const QString &folder);
// Gives the new file `fd` the owner, permissions and attributes of `original` as far as the
// system allows; what it cannot keep goes into `notes`.
void keepMetadata(int fd, const EntryFacts &original, const QString &originalPath,
                  std::vector<Message> &notes);

// One flush of each file system for many new files, where the system can flush a file system
// at once; elsewhere `watch` says no and each file is flushed by itself.
class FileSystemFlush
{
public:
    FileSystemFlush() = default;
    ~FileSystemFlush();
    FileSystemFlush(const FileSystemFlush &) = delete;
    FileSystemFlush &operator=(const FileSystemFlush &) = delete;

    // Must come before the first new file there is written: the flush reports the write-back
    // errors since. False, with `error`, when the folder cannot be opened; false with `error`
    // untouched where the system cannot flush a file system as a whole (Windows): each file is
    // then flushed by itself.
    bool watch(const QString &folder, std::uint64_t device, int &error);
    [[nodiscard]] bool covers(std::uint64_t device) const;
    // The file systems whose flush failed, with the reason.
    [[nodiscard]] std::vector<std::pair<std::uint64_t, int>> flush();

private:
    std::vector<std::pair<std::uint64_t, int>> watched_; // device, descriptor
};

// Calls `take` with the name (UTF-8) and kind of each entry of `folder`, "." and ".." left out.
[[nodiscard]] bool forEachEntry(const QString &folder,
                                const std::function<void(std::string_view, EntryKind)> &take,
                                int &error);
// A path (with '/' between its parts) as the bytes forEachEntry's names are in, and back.
[[nodiscard]] QByteArray pathBytes(const QString &path);
[[nodiscard]] QString pathText(const QByteArray &bytes);

// Lowers the calling thread's priority, so that work behind the window leaves the window and
// the display server their turn; threads it starts inherit the lower priority.
void yieldToTheWindow();

} // namespace kelvane::fs
