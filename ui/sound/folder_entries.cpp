#include "folder_entries.h"

namespace kelvane {

namespace {

const QString kFolderPrefix = QStringLiteral("<dir>  ");

} // namespace

void FolderEntries::setEntries(QStringList folders, QStringList sounds)
{
    beginResetModel();
    folders_ = std::move(folders);
    sounds_ = std::move(sounds);
    endResetModel();
}

int FolderEntries::rowShowing(const QString &text) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (data(index(row), Qt::DisplayRole).toString().compare(text, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

int FolderEntries::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(folders_.size() + sounds_.size());
}

QVariant FolderEntries::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const bool folder = index.row() < folders_.size();
    const QString &name =
        folder ? folders_.at(index.row()) : sounds_.at(index.row() - folders_.size());
    switch (role) {
    case Qt::DisplayRole:
        return folder ? kFolderPrefix + name : name;
    case FolderRole:
        return folder;
    case NameRole:
        return name;
    default:
        return {};
    }
}

} // namespace kelvane
