#include "page_reader.h"

#include "file_identity.h"

#include <cerrno>

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {

namespace {

class FileSource final : public ByteSource
{
public:
    explicit FileSource(int fd)
        : fd_(fd)
    {}
    std::optional<std::size_t> read(std::span<std::uint8_t> into) override
    {
        std::size_t done = 0;
        while (done < into.size()) {
            const ssize_t got = ::read(fd_, into.data() + done, into.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                error_ = errno;
                return std::nullopt;
            }
            if (got == 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        return done;
    }
    [[nodiscard]] int error() const { return error_; }

private:
    int fd_;
    int error_ = 0;
};

} // namespace

FilePageWalk walkPagesOfFile(const QString &path)
{
    FilePageWalk result;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.failure = QStringLiteral("cannot read every page: ") + systemReason(errno);
        return result;
    }
    struct stat info
    {};
    const auto before = identityOfOpenFile(fd);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !before) {
        ::close(fd);
        result.failure = QStringLiteral("cannot read every page: not a regular file");
        return result;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    FileSource source(fd);
    result.walk = walkPages(source);
    if (result.walk.readFailed)
        result.failure = QStringLiteral("cannot read every page: ") + systemReason(source.error());
    else if (identityOfOpenFile(fd) != before)
        result.failure = QStringLiteral("the file changed while its pages were read");
    ::close(fd);
    return result;
}

} // namespace kelvane
