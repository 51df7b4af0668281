#include "file_system.h"

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

namespace {

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

int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_INVALID_NAME:
        return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
        return EEXIST;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_TOO_MANY_LINKS:
        return EMLINK;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return EOPNOTSUPP;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    default:
        return EIO;
    }
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

int lastError()
{
    return errnoOf(GetLastError());
}

HANDLE handleOf(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

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

} // namespace

std::optional<FileIdentity> identityOfOpenFile(int descriptor)
{
    const auto facts = fs::factsOfOpenFile(descriptor);
    return facts ? std::optional(facts->identity) : std::nullopt;
}

Message systemReason(int error)
{
    // Words of our own where the runtime has none, or none that says what happened.
    const auto reason = [](const char *text) { return Message(MessageKind::SystemReason, {text}); };
    switch (error) {
    case EBUSY:
        return reason("the file is open in another program");
    case EOPNOTSUPP:
        return reason("Operation not supported");
    case EIO:
        return reason("Input/output error");
    case EINVAL:
        return reason("the name is not allowed here");
    case ENAMETOOLONG:
        return reason("File name too long");
    default:
        return {MessageKind::SystemReason,
                {QString::fromLocal8Bit(std::strerror(error)).toStdString()}};
    }
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

bool flushFolder(const QString &)
{
    // Windows flushes no folder by itself; every rename here is made with
    // MOVEFILE_WRITE_THROUGH, which returns only once the rename is on the disk.
    return true;
}

bool mayWrite(const QString &path, int &error)
{
    // Asking for the rights a save needs tells a read-only file from one another program holds
    // open; the file is not changed.
    const HANDLE handle = CreateFileW(widePath(path).c_str(), GENERIC_WRITE | DELETE, kShareAll,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastError();
        return false;
    }
    CloseHandle(handle);
    return true;
}

bool folderForbidsReplacing(const EntryFacts &, const QString &)
{
    return false;
}

void keepMetadata(int fd, const EntryFacts &original, const QString &, std::vector<Message> &notes)
{
    // The new file takes the folder's permissions, as any new file there; the attributes a
    // user sets by hand are kept. Read-only is not: such a file is never replaced.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    FILE_BASIC_INFO basic{}; // times of zero stay as they are
    basic.FileAttributes = original.mode & kKept;
    if (basic.FileAttributes == 0)
        basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileInformationByHandle(handleOf(fd), FileBasicInfo, &basic, sizeof basic))
        notes.emplace_back(MessageKind::AttributesNotKept);
}

FileSystemFlush::~FileSystemFlush() = default;

bool FileSystemFlush::watch(const QString &, std::uint64_t, int &)
{
    return false; // flushing a whole volume needs an administrator: each file is flushed
}

bool FileSystemFlush::covers(std::uint64_t) const
{
    return false;
}

std::vector<std::pair<std::uint64_t, int>> FileSystemFlush::flush()
{
    return {};
}

bool forEachEntry(const QString &folder,
                  const std::function<void(std::string_view, EntryKind)> &take, int &error)
{
    const std::wstring pattern = widePath(folder) + L"\\*";
    WIN32_FIND_DATAW entry{};
    const HANDLE search =
        FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                         FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        // The root of an empty drive has not even "." and "..".
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return true;
        error = lastError();
        return false;
    }
    do {
        const std::string name = QString::fromWCharArray(entry.cFileName).toStdString();
        if (name == "." || name == "..")
            continue;
        const DWORD attributes = entry.dwFileAttributes;
        const EntryKind kind = isNameLink(attributes, entry.dwReserved0) ? EntryKind::Link
                               : attributes & FILE_ATTRIBUTE_DIRECTORY   ? EntryKind::Folder
                               : attributes & FILE_ATTRIBUTE_DEVICE      ? EntryKind::Other
                                                                         : EntryKind::File;
        take(name, kind);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return true;
}

QByteArray pathBytes(const QString &path)
{
    return path.toUtf8();
}

QString pathText(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}

void yieldToTheWindow()
{
    // Windows threads do not inherit this: each background thread lowers its own.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
}

} // namespace fs

} // namespace kelvane
