#include "save_faults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SaveFault::SaveFault(const QString &kind, const QString &folder)
    : kind_(kind)
    , where_(folder)
{
    if (kind == "full" || kind == "readonly-fs") {
        where_ = QDir(folder).filePath("disk");
        disk_ = std::make_unique<ScopedTmpfs>(where_, 256 * 1024);
    }
}

bool SaveFault::arm(const QString &file)
{
    if (kind_ == "full")
        return disk_->fill(1000);
    if (kind_ == "readonly-fs")
        return disk_->makeReadOnly();
    if (kind_ == "folder")
        return QFile::remove(file) &&
               QDir(QFileInfo(file).absolutePath()).mkdir(QFileInfo(file).fileName());
    return true;
}
