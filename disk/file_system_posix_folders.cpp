// The folder side of the file system on Linux and other POSIX systems: flushing folders and
// whole file systems, what a new file keeps of the old one, and listing a folder.
#include "file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace kelvane {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// Copies every extended attribute (ACLs included, which Linux keeps as attributes) that the
// system lets us read and set. False when some could not be kept.
bool copyExtendedAttributes(const QByteArray &from, int to)
{
    std::vector<char> names(256);
    ssize_t length = 0;
    while ((length = ::llistxattr(from.constData(), names.data(), names.size())) < 0 &&
           errno == ERANGE)
        names.resize(names.size() * 4);
    if (length < 0)
        return errno == ENOTSUP;
    bool all = true;
    std::vector<char> value(256);
    for (ssize_t at = 0; at < length;) {
        const char *name = names.data() + at;
        at += static_cast<ssize_t>(std::char_traits<char>::length(name)) + 1;
        ssize_t size = 0;
        while ((size = ::lgetxattr(from.constData(), name, value.data(), value.size())) < 0 &&
               errno == ERANGE)
            value.resize(value.size() * 4);
        if (size < 0 || ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(size), 0) != 0)
            all = false;
    }
    return all;
}

} // namespace

namespace fs {

bool flushFolder(const QString &folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

bool mayWrite(const QString &path, int &error)
{
    if (::access(encoded(path).constData(), W_OK) == 0)
        return true;
    error = errno;
    return false;
}

bool folderForbidsReplacing(const EntryFacts &file, const QString &folder)
{
    struct stat info
    {};
    if (::stat(encoded(folder).constData(), &info) != 0 || !(info.st_mode & S_ISVTX))
        return false;
    const uid_t me = ::geteuid();
    return me != 0 && me != file.owner && me != info.st_uid;
}

void keepMetadata(int fd, const EntryFacts &original, const QString &originalPath,
                  std::vector<Message> &notes)
{
    // Only root may give a file away; a group of our own is still kept.
    if (::fchown(fd, original.owner, original.group) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), original.group) != 0)
        notes.emplace_back(MessageKind::OwnerAndGroupNotKept);
    else if (struct stat now{}; ::fstat(fd, &now) == 0 && now.st_uid != original.owner)
        notes.emplace_back(MessageKind::OwnerNotKept);
    // Before the permission bits, which may take away our own right to set attributes.
    if (!copyExtendedAttributes(encoded(originalPath), fd))
        notes.emplace_back(MessageKind::ExtendedAttributesNotKept);
    // Set-user-ID and set-group-ID are dropped: a rewritten file must not gain them silently.
    const mode_t mode = original.mode & 07777 & ~mode_t(S_ISUID | S_ISGID);
    if (::fchmod(fd, mode) != 0)
        notes.emplace_back(MessageKind::PermissionsNotKept);
}

FileSystemFlush::~FileSystemFlush()
{
    for (const auto &[device, fd] : watched_)
        ::close(fd);
}

bool FileSystemFlush::watch(const QString &folder, std::uint64_t device, int &error)
{
    if (covers(device))
        return true;
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    watched_.emplace_back(device, fd);
    return true;
}

bool FileSystemFlush::covers(std::uint64_t device) const
{
    return std::any_of(watched_.begin(), watched_.end(),
                       [&](const auto &w) { return w.first == device; });
}

std::vector<std::pair<std::uint64_t, int>> FileSystemFlush::flush()
{
    std::vector<std::pair<std::uint64_t, int>> failed;
    for (const auto &[device, fd] : watched_)
        if (::syncfs(fd) != 0)
            failed.emplace_back(device, errno);
    return failed;
}

bool forEachEntry(const QString &folder,
                  const std::function<void(std::string_view, EntryKind)> &take, int &error)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(encoded(folder).constData()),
                                                   ::closedir);
    if (!dir) {
        error = errno;
        return false;
    }
    for (;;) {
        // readdir() ends both the listing and a failure with NULL: errno tells them apart, and
        // a folder that could not be read must never pass for an empty one.
        errno = 0;
        const dirent *entry = ::readdir(dir.get());
        if (!entry) {
            if (errno == 0)
                break;
            error = errno;
            return false;
        }
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        EntryKind kind = EntryKind::Other;
        switch (entry->d_type) {
        case DT_REG:
            kind = EntryKind::File;
            break;
        case DT_DIR:
            kind = EntryKind::Folder;
            break;
        case DT_LNK:
            kind = EntryKind::Link;
            break;
        case DT_UNKNOWN:
            kind = EntryKind::Unknown;
            break;
        default:
            break;
        }
        take(name, kind);
    }
    return true;
}

QByteArray pathBytes(const QString &path)
{
    return encoded(path);
}

QString pathText(const QByteArray &bytes)
{
    return QFile::decodeName(bytes);
}

void yieldToTheWindow()
{
    // On Linux, PRIO_PROCESS with 0 is the calling thread alone.
    setpriority(PRIO_PROCESS, 0, 10);
}

} // namespace fs

} // namespace kelvane
