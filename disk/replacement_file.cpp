#include "replacement_file.h"

#include <cerrno>
#include <vector>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <stdio.h>
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

ReplacementFile::ReplacementFile(int descriptor, QString path)
    : fd_(descriptor)
    , path_(std::move(path))
{}

ReplacementFile::~ReplacementFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!placed_)
        ::unlink(encoded(path_).constData());
}

std::unique_ptr<ReplacementFile> ReplacementFile::create(const QString &folder, QString &reason)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QStringLiteral(".kelvane-%1")
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'));
        const QString path = QDir(folder).filePath(name);
        // 0666 less the umask, and the folder's default ACL, as for any new file; an existing
        // file is never taken over.
        const int fd = ::open(encoded(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0)
            return std::unique_ptr<ReplacementFile>(new ReplacementFile(fd, path));
        if (errno != EEXIST) {
            reason = systemReason(errno);
            return nullptr;
        }
    }
    reason = systemReason(EEXIST);
    return nullptr;
}

bool ReplacementFile::fail(int error)
{
    if (reason_.isEmpty())
        reason_ = systemReason(error);
    return false;
}

bool ReplacementFile::write(std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd_, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return fail(done < 0 ? errno : ENOSPC);
        bytes = bytes.subspan(static_cast<std::size_t>(done));
    }
    return true;
}

bool ReplacementFile::copyFrom(int source, std::int64_t offset)
{
    struct stat info
    {};
    if (::fstat(source, &info) == 0 && info.st_size > offset &&
        copyInKernel(source, offset, static_cast<std::size_t>(info.st_size - offset)))
        return true;
    // Where the kernel does not copy it all (the file systems do not copy between themselves,
    // say): ordinary reads and writes.
    off_t from = offset;
    std::vector<std::uint8_t> chunk(1 << 16);
    for (;;) {
        const ssize_t got = ::pread(source, chunk.data(), chunk.size(), from);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(errno);
        if (got == 0)
            return true;
        if (!write(std::span(chunk).first(static_cast<std::size_t>(got))))
            return false;
        from += got;
    }
}

bool ReplacementFile::copyInKernel(int source, std::int64_t offset, std::size_t length)
{
    const off_t start = ::lseek(fd_, 0, SEEK_CUR);
    off_t from = offset;
    std::size_t left = length;
    while (left > 0) {
        const ssize_t done = ::copy_file_range(source, &from, fd_, nullptr, left, 0);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            break;
        left -= static_cast<std::size_t>(done);
    }
    if (left == 0)
        return true;
    // Back to where it was, for the caller's own writes.
    if (start >= 0 && ::ftruncate(fd_, start) == 0)
        ::lseek(fd_, start, SEEK_SET);
    return false;
}

void ReplacementFile::takeMetadataOf(const struct stat &original, const QString &originalPath,
                                     QStringList &notes)
{
    // Only root may give a file away; a group of our own is still kept.
    if (::fchown(fd_, original.st_uid, original.st_gid) != 0 &&
        ::fchown(fd_, static_cast<uid_t>(-1), original.st_gid) != 0)
        notes << QStringLiteral("its owner and group could not be kept");
    else if (struct stat now{}; ::fstat(fd_, &now) == 0 && now.st_uid != original.st_uid)
        notes << QStringLiteral("its owner could not be kept");
    // Before the permission bits, which may take away our own right to set attributes.
    if (!copyExtendedAttributes(encoded(originalPath), fd_))
        notes << QStringLiteral("some of its extended attributes could not be kept");
    // Set-user-ID and set-group-ID are dropped: a rewritten file must not gain them silently.
    const mode_t mode = original.st_mode & 07777 & ~mode_t(S_ISUID | S_ISGID);
    if (::fchmod(fd_, mode) != 0)
        notes << QStringLiteral("its permissions could not be kept");
}

bool ReplacementFile::finish(bool flush)
{
    if (flush && ::fsync(fd_) != 0)
        return fail(errno);
    const auto identity = identityOfOpenFile(fd_);
    if (!identity)
        return fail(errno);
    identity_ = *identity;
    const int fd = fd_;
    fd_ = -1;
    // A close that fails may mean data that never reached the disk.
    if (::close(fd) != 0)
        return fail(errno);
    return true;
}

bool ReplacementFile::flushAgain()
{
    const int fd = ::open(encoded(path_).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    const bool flushed = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    return flushed || fail(error);
}

bool ReplacementFile::replace(const QString &target, bool noReplace)
{
    const QByteArray from = encoded(path_);
    const QByteArray to = encoded(target);
    if (!noReplace) {
        if (::rename(from.constData(), to.constData()) != 0)
            return fail(errno);
        placed_ = true;
        return true;
    }
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        placed_ = true;
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS)
        return fail(errno);
    // A file system without RENAME_NOREPLACE: a hard link never replaces a name either.
    if (::link(from.constData(), to.constData()) != 0)
        return fail(errno);
    ::unlink(from.constData());
    placed_ = true;
    return true;
}

ExchangeOutcome ReplacementFile::replaceExpected(const QString &target,
                                                 const FileIdentity &expected)
{
    const QByteArray from = encoded(path_);
    int error = 0;
    const ExchangeOutcome done = exchangeInto(from, encoded(target), expected, error);
    switch (done) {
    case ExchangeOutcome::Exchanged:
        placed_ = true;
        ::unlink(from.constData());
        break;
    case ExchangeOutcome::Renamed:
        placed_ = true;
        break;
    case ExchangeOutcome::Failed:
        // Exchanged and not swapped back: the other file under our name is never removed.
        if (const auto now = identityOfEntry(from); now && *now != identity_)
            placed_ = true;
        fail(error);
        break;
    case ExchangeOutcome::Changed:
        break;
    }
    return done;
}

ExchangeOutcome exchangeInto(const QByteArray &from, const QByteArray &to,
                             const FileIdentity &expected, int &error)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) != 0) {
        error = errno;
        // Nothing to exchange with: the file was removed meanwhile.
        if (error == ENOENT && identityOfEntry(from))
            return ExchangeOutcome::Changed;
        if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP)
            return ExchangeOutcome::Failed;
        if (::rename(from.constData(), to.constData()) != 0) {
            error = errno;
            return ExchangeOutcome::Failed;
        }
        return ExchangeOutcome::Renamed;
    }
    if (identityOfEntry(from) == expected)
        return ExchangeOutcome::Exchanged;
    // Another program's file: back in its place, and ours back under its own name.
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) != 0) {
        error = errno;
        return ExchangeOutcome::Failed;
    }
    return ExchangeOutcome::Changed;
}

bool syncFolder(const QString &folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

} // namespace kelvane
