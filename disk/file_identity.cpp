#include "file_identity.h"

#include <cstring>

#include <QFile>

#include <sys/stat.h>

namespace kelvane {

FileIdentity identityOfStat(const struct stat &info)
{
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size), static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

std::optional<FileIdentity> identityOfOpenFile(int descriptor)
{
    struct stat info
    {};
    if (::fstat(descriptor, &info) != 0)
        return std::nullopt;
    return identityOfStat(info);
}

std::optional<FileIdentity> identityOfPath(const QString &path)
{
    struct stat info
    {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return identityOfStat(info);
}

std::optional<FileIdentity> identityOfEntry(const QByteArray &path)
{
    struct stat info
    {};
    if (::lstat(path.constData(), &info) != 0)
        return std::nullopt;
    return identityOfStat(info);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace kelvane
