#include "file_system.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
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

fs::EntryKind kindOf(mode_t mode)
{
    return S_ISREG(mode)   ? fs::EntryKind::File
           : S_ISDIR(mode) ? fs::EntryKind::Folder
           : S_ISLNK(mode) ? fs::EntryKind::Link
                           : fs::EntryKind::Other;
}

fs::EntryFacts factsOfStat(const struct stat &info)
{
    fs::EntryFacts facts;
    facts.kind = kindOf(info.st_mode);
    facts.identity = {
        static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::int64_t>(info.st_size), static_cast<std::int64_t>(info.st_mtim.tv_sec),
        static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
    facts.links = static_cast<std::uint64_t>(info.st_nlink);
    facts.owner = info.st_uid;
    facts.group = info.st_gid;
    facts.mode = info.st_mode;
    return facts;
}

} // namespace

std::optional<FileIdentity> identityOfOpenFile(int descriptor)
{
    const auto facts = fs::factsOfOpenFile(descriptor);
    return facts ? std::optional(facts->identity) : std::nullopt;
}

Message systemReason(int error)
{
    char buffer[256];
    // Not strerror: threads of one batch may fail at once.
    const char *text = ::strerror_r(error, buffer, sizeof buffer);
    return {MessageKind::SystemReason, {QString::fromLocal8Bit(text).toStdString()}};
}

namespace fs {

std::optional<EntryFacts> factsOf(const QString &path, Links links, int &error)
{
    struct stat info
    {};
    const QByteArray name = encoded(path);
    if ((links == Links::Follow ? ::stat(name.constData(), &info)
                                : ::lstat(name.constData(), &info)) != 0) {
        error = errno;
        return std::nullopt;
    }
    return factsOfStat(info);
}

std::optional<EntryFacts> factsOfOpenFile(int fd)
{
    struct stat info
    {};
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    return factsOfStat(info);
}

int openFile(const QString &path, Access access, int &error)
{
    const int fd =
        ::open(encoded(path).constData(),
               (access == Access::ReadWrite ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        error = errno;
    return fd;
}

int createNewFile(const QString &path, int &error)
{
    // 0666 less the umask, and the folder's default ACL, as for any new file; an existing file
    // (or a link) is never taken over.
    const int fd = ::open(encoded(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        error = errno;
    return fd;
}

bool closeFile(int fd, int &error)
{
    if (::close(fd) == 0)
        return true;
    error = errno;
    return false;
}

std::int64_t readSome(int fd, void *into, std::size_t length)
{
    ssize_t got = 0;
    while ((got = ::read(fd, into, length)) < 0 && errno == EINTR) {
    }
    return got;
}

std::int64_t readAt(int fd, void *into, std::size_t length, std::int64_t offset)
{
    ssize_t got = 0;
    while ((got = ::pread(fd, into, length, static_cast<off_t>(offset))) < 0 && errno == EINTR) {
    }
    return got;
}

std::int64_t writeSome(int fd, const void *from, std::size_t length)
{
    ssize_t done = 0;
    while ((done = ::write(fd, from, length)) < 0 && errno == EINTR) {
    }
    return done;
}

bool flushFile(int fd, int &error)
{
    if (::fsync(fd) == 0)
        return true;
    error = errno;
    return false;
}

bool flushFileNamed(const QString &path, int &error)
{
    const int fd = ::open(encoded(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    const bool flushed = flushFile(fd, error);
    ::close(fd);
    return flushed;
}

bool copyRange(int source, std::int64_t offset, int target, std::size_t length)
{
    off_t from = offset;
    std::size_t left = length;
    while (left > 0) {
        const ssize_t done = ::copy_file_range(source, &from, target, nullptr, left, 0);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            break;
        left -= static_cast<std::size_t>(done);
    }
    if (left == 0)
        return true;
    // Back to where it was, for the caller's own writes (asked only now: most copies succeed).
    const off_t now = ::lseek(target, 0, SEEK_CUR);
    const off_t start = now - off_t(length - left);
    if (now >= 0 && start >= 0 && ::ftruncate(target, start) == 0)
        ::lseek(target, start, SEEK_SET);
    return false;
}

void startWriteBack(int fd)
{
#ifdef __linux__
    (void)::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE); // a hint: the flush still follows
#else
    (void)fd;
#endif
}

void adviseSequential(int fd)
{
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

bool renameOver(const QString &from, const QString &to, int &error)
{
    if (::rename(encoded(from).constData(), encoded(to).constData()) == 0)
        return true;
    error = errno;
    return false;
}

bool renameToFreeName(const QString &from, const QString &to, int &error)
{
    const QByteArray a = encoded(from);
    const QByteArray b = encoded(to);
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return true;
    error = errno;
    if (error != EINVAL && error != ENOSYS)
        return false;
    // A file system without RENAME_NOREPLACE: a hard link never replaces a name either.
    if (::link(a.constData(), b.constData()) != 0) {
        error = errno;
        return false;
    }
    ::unlink(a.constData());
    return true;
}

bool moveAside(const QString &from, const QString &aside, int &error)
{
    // A plain rename moves whatever has the name at that instant; the caller looks at it after.
    return renameOver(from, aside, error);
}

Exchange exchangeNames(const QString &a, const QString &b, int &error)
{
    if (::renameat2(AT_FDCWD, encoded(a).constData(), AT_FDCWD, encoded(b).constData(),
                    RENAME_EXCHANGE) == 0)
        return Exchange::Done;
    error = errno;
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP ? Exchange::Unsupported
                                                                     : Exchange::Failed;
}

bool makeHardLink(const QString &existing, const QString &name, int &error)
{
    if (::link(encoded(existing).constData(), encoded(name).constData()) == 0)
        return true;
    error = errno;
    return false;
}

bool noHardLinksHere(int error)
{
    return error == EPERM || error == EXDEV || error == EMLINK || error == EOPNOTSUPP;
}

bool heldByAnotherProgram(int)
{
    return false; // EBUSY here is a mount point or a busy device, never another program's lock
}

bool removeFile(const QString &path, int &error)
{
    if (::unlink(encoded(path).constData()) == 0)
        return true;
    error = errno;
    return false;
}

std::optional<QString> linkTarget(const QString &path, int &error)
{
    QByteArray target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(encoded(path).constData(), target.data(),
                                      static_cast<std::size_t>(target.size()));
    if (length < 0) {
        error = errno;
        return std::nullopt;
    }
    target.resize(length);
    return QFile::decodeName(target);
}

} // namespace fs

} // namespace kelvane
