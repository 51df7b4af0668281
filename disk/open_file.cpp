#include "open_file.h"

#include <cerrno>

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {

OpenFile::OpenFile(const QString &path, bool forWriting)
    : fd_(::open(QFile::encodeName(path).constData(),
                 (forWriting ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC))
{
    if (fd_ < 0) {
        openError_ = errno;
        return;
    }
    struct stat info
    {};
    if (::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode))
        identity_ = identityOfOpenFile(fd_);
}

OpenFile::~OpenFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace kelvane
