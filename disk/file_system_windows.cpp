#include "file_system.h"
#include "windows_files.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace kelvane {

namespace win {

// A path for the wide API: absolute and clean, since the \\?\ prefix that lets a path run past
// MAX_PATH also turns off the system's own tidying of it ("..", "/").
std::wstring widePath(const QString &path)
{
    QString full = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    constexpr qsizetype kLongestPlain = 240; // MAX_PATH, less room for a name made inside
    if (full.size() > kLongestPlain && !full.startsWith(QLatin1String(R"(\\?\)")))
        full = full.startsWith(QLatin1String(R"(\\)")) ? QLatin1String(R"(\\?\UNC\)") + full.mid(2)
                                                       : QLatin1String(R"(\\?\)") + full;
    return full.toStdWString();
}

// Every Windows file system takes at most 255 characters in one part of a path. Said before the
// system is asked, which (or Wine in its place) may call such a name merely not found.
bool partTooLong(const QString &path, int &error)
{
    const auto slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (path.size() - slash - 1 <= 255)
        return false;
    error = ENAMETOOLONG;
    return true;
}

HANDLE handleOf(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

// Windows' times count 100 ns from 1601; ours count from 1970, as on Linux.
void putTime(FILETIME time, FileIdentity &identity)
{
    constexpr std::int64_t kTicks = 10'000'000;
    constexpr std::int64_t kFrom1601To1970 = 11'644'473'600;
    const auto ticks =
        static_cast<std::int64_t>((std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    identity.modifiedSeconds = ticks / kTicks - kFrom1601To1970;
    identity.modifiedNanoseconds = ticks % kTicks * 100;
}

std::optional<fs::EntryFacts> factsOfHandle(HANDLE handle)
{
    fs::EntryFacts facts;
    if (GetFileType(handle) != FILE_TYPE_DISK)
        return facts; // a pipe or a device: no identity
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) {
        errno = lastError();
        return std::nullopt;
    }
    facts.kind = info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? fs::EntryKind::Folder
                 : info.dwFileAttributes & FILE_ATTRIBUTE_DEVICE  ? fs::EntryKind::Other
                                                                  : fs::EntryKind::File;
    facts.identity.device = info.dwVolumeSerialNumber;
    facts.identity.inode = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    facts.identity.size =
        static_cast<std::int64_t>((std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    putTime(info.ftLastWriteTime, facts.identity);
    facts.links = info.nNumberOfLinks;
    facts.mode = info.dwFileAttributes;
    return facts;
}

// Symbolic links and junctions are links; other reparse points (a cloud folder's files, say)
// are the files they stand for.
bool isNameLink(DWORD attributes, DWORD tag)
{
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(tag);
}

int descriptorOf(HANDLE handle, int flags, int &error)
{
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
    if (fd < 0) {
        error = EMFILE;
        CloseHandle(handle);
    }
    return fd;
}

// Whether `target` may be replaced now: not when it is marked read-only, nor while another
// program (the game, a player) holds it open without letting it be deleted. Asked before the
// rename, so that the reason is the real one whichever way the system would refuse.
bool mayReplace(const std::wstring &target, int &error)
{
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true; // nothing there to replace
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        error = EACCES;
        return false;
    }
    const HANDLE handle = CreateFileW(target.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastError();
        return false;
    }
    CloseHandle(handle);
    return true;
}

} // namespace win

using namespace win;

std::optional<FileIdentity> identityOfOpenFile(int descriptor)
{
    const auto facts = fs::factsOfOpenFile(descriptor);
    return facts ? std::optional(facts->identity) : std::nullopt;
}

namespace fs {

std::optional<EntryFacts> factsOf(const QString &path, Links links, int &error)
{
    const DWORD flags =
        FILE_FLAG_BACKUP_SEMANTICS | (links == Links::Keep ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    const HANDLE handle = CreateFileW(widePath(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll,
                                      nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastError();
        return std::nullopt;
    }
    auto facts = factsOfHandle(handle);
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (facts && links == Links::Keep &&
        GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) &&
        isNameLink(tag.FileAttributes, tag.ReparseTag))
        facts->kind = EntryKind::Link;
    if (!facts)
        error = errno;
    CloseHandle(handle);
    return facts;
}

std::optional<EntryFacts> factsOfOpenFile(int fd)
{
    const HANDLE handle = handleOf(fd);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    return factsOfHandle(handle);
}

int openFile(const QString &path, Access access, int &error)
{
    // Others may go on reading, writing and renaming it meanwhile, as on Linux: the identity
    // checks tell when they did.
    const DWORD wanted = GENERIC_READ | (access == Access::ReadWrite ? GENERIC_WRITE : 0);
    const HANDLE handle = CreateFileW(widePath(path).c_str(), wanted, kShareAll, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastError();
        return -1;
    }
    return descriptorOf(handle, access == Access::ReadWrite ? _O_RDWR : _O_RDONLY, error);
}

int createNewFile(const QString &path, int &error)
{
    if (partTooLong(path, error))
        return -1;
    const HANDLE handle = CreateFileW(widePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastError();
        return -1;
    }
    return descriptorOf(handle, _O_RDWR, error);
}

bool closeFile(int fd, int &error)
{
    if (_close(fd) == 0)
        return true;
    error = errno;
    return false;
}

std::int64_t readSome(int fd, void *into, std::size_t length)
{
    DWORD got = 0;
    const auto asked = static_cast<DWORD>(std::min<std::size_t>(length, 1U << 30));
    if (!ReadFile(handleOf(fd), into, asked, &got, nullptr)) {
        if (GetLastError() == ERROR_BROKEN_PIPE || GetLastError() == ERROR_HANDLE_EOF)
            return 0;
        errno = lastError();
        return -1;
    }
    return got;
}

std::int64_t readAt(int fd, void *into, std::size_t length, std::int64_t offset)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(std::uint64_t(offset) & 0xFFFFFFFFU);
    at.OffsetHigh = static_cast<DWORD>(std::uint64_t(offset) >> 32);
    DWORD got = 0;
    const auto asked = static_cast<DWORD>(std::min<std::size_t>(length, 1U << 30));
    if (!ReadFile(handleOf(fd), into, asked, &got, &at)) {
        if (GetLastError() == ERROR_HANDLE_EOF)
            return 0;
        errno = lastError();
        return -1;
    }
    return got;
}

std::int64_t writeSome(int fd, const void *from, std::size_t length)
{
    DWORD done = 0;
    const auto asked = static_cast<DWORD>(std::min<std::size_t>(length, 1U << 30));
    if (!WriteFile(handleOf(fd), from, asked, &done, nullptr)) {
        errno = lastError();
        return -1;
    }
    return done;
}

bool flushFile(int fd, int &error)
{
    if (FlushFileBuffers(handleOf(fd)))
        return true;
    error = lastError();
    return false;
}

bool flushFileNamed(const QString &path, int &error)
{
    // Flushing asks for the right to write.
    const HANDLE handle = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastError();
        return false;
    }
    const bool flushed = FlushFileBuffers(handle);
    if (!flushed)
        error = lastError();
    CloseHandle(handle);
    return flushed;
}

bool copyRange(int, std::int64_t, int, std::size_t)
{
    return false; // no copy inside the kernel for an open file: the caller writes the bytes
}

void startWriteBack(int) {}

void adviseSequential(int) {}

bool renameOver(const QString &from, const QString &to, int &error)
{
    if (partTooLong(to, error))
        return false;
    const std::wstring target = widePath(to);
    if (!mayReplace(target, error))
        return false;
    if (MoveFileExW(widePath(from).c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    error = lastError();
    return false;
}

bool renameToFreeName(const QString &from, const QString &to, int &error)
{
    if (partTooLong(to, error))
        return false;
    // Without MOVEFILE_REPLACE_EXISTING a name that is taken fails the rename.
    if (MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), MOVEFILE_WRITE_THROUGH))
        return true;
    error = lastError();
    return false;
}

Exchange exchangeNames(const QString &, const QString &, int &)
{
    return Exchange::Unsupported;
}

bool makeHardLink(const QString &existing, const QString &name, int &error)
{
    if (partTooLong(name, error))
        return false;
    if (CreateHardLinkW(widePath(name).c_str(), widePath(existing).c_str(), nullptr))
        return true;
    error = lastError();
    return false;
}

bool noHardLinksHere(int error)
{
    // FAT32 and exFAT sticks, some network shares, and a file with too many names already.
    return error == EOPNOTSUPP || error == EXDEV || error == EMLINK;
}

bool heldByAnotherProgram(int error)
{
    return error == EBUSY; // only sharing and lock violations are mapped to it
}

bool removeFile(const QString &path, int &error)
{
    if (DeleteFileW(widePath(path).c_str()))
        return true;
    error = lastError();
    return false;
}

std::optional<QString> linkTarget(const QString &path, int &error)
{
    const QString target = QFileInfo(path).symLinkTarget();
    if (target.isEmpty()) {
        error = ENOENT;
        return std::nullopt;
    }
    return target;
}

} // namespace fs

} // namespace kelvane
