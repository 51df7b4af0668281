#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace kelvane {

// What the file list holds: a folder's sub-folders, shown as "<dir>  name", then its sounds.
// Whether an entry is a folder is asked of its role, never read from its text: a sound may be
// named anything.
class FolderEntries final : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int FolderRole = Qt::UserRole + 1; // bool
    static constexpr int NameRole = Qt::UserRole + 2;   // the bare name, without "<dir>  "

    using QAbstractListModel::QAbstractListModel;

    void setEntries(QStringList folders, QStringList sounds);
    // The first entry shown as `text`, in any letter case; -1 when none is.
    [[nodiscard]] int rowShowing(const QString &text) const;

    [[nodiscard]] int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList folders_;
    QStringList sounds_;
};

} // namespace kelvane
