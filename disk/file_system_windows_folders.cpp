// The folder side of the file system on Windows: folder flushes (none are needed), what a new
// file keeps of the old one, and listing a folder.
#include "file_system.h"
#include "windows_files.h"

#include <string>

#include <QString>

namespace kelvane {

using namespace win;

namespace fs {

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
        // The root of an empty drive has not even "." and "..", but a path through a file (a
        // game archive entered as a folder) says the same under some systems.
        if (GetLastError() == ERROR_FILE_NOT_FOUND) {
            const DWORD attributes = GetFileAttributesW(widePath(folder).c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
                return true;
            error = attributes == INVALID_FILE_ATTRIBUTES ? ENOENT : ENOTDIR;
            return false;
        }
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
    // The listing ends with "no more files"; any other reason is a folder not read whole.
    const bool whole = GetLastError() == ERROR_NO_MORE_FILES;
    if (!whole)
        error = lastError();
    FindClose(search);
    if (!whole)
        return false;
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
