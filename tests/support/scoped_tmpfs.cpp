#include "scoped_tmpfs.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>
#include <sys/statvfs.h>

ScopedTmpfs::ScopedTmpfs(const QString &folder, long long bytes)
    : folder_(folder)
{
    QDir().mkpath(folder);
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    mounted_ = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                       options.constData()) == 0;
}

ScopedTmpfs::~ScopedTmpfs()
{
    if (mounted_)
        ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
}

bool ScopedTmpfs::fill(long long leave)
{
    struct statvfs info
    {};
    if (statvfs(QFile::encodeName(folder_).constData(), &info) != 0)
        return false;
    const long long free =
        static_cast<long long>(info.f_bavail) * static_cast<long long>(info.f_frsize);
    if (free <= leave)
        return true;
    QFile filler(QDir(folder_).filePath(".filler"));
    if (!filler.open(QIODevice::WriteOnly))
        return false;
    const QByteArray chunk(4096, 'f');
    for (long long left = free - leave; left > 0; left -= chunk.size()) {
        if (filler.write(
                chunk.left(static_cast<qsizetype>(std::min<long long>(left, chunk.size())))) <= 0)
            break;
    }
    filler.close();
    return true;
}

bool ScopedTmpfs::makeReadOnly()
{
    return ::mount("tmpfs", QFile::encodeName(folder_).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                   nullptr) == 0;
}
