#pragma once

#include <functional>

#include <QStyledItemDelegate>

namespace kelvane {

// The editors of the sound table's cells: a list of the game's types for the type, a box for a
// number. What is typed goes to `commit` rather than into the model, which decides which rows
// it sets and keeps it to undo.
class SoundCellDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using Commit = std::function<void(const QModelIndex &index, const QString &text)>;
    SoundCellDelegate(Commit commit, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

private:
    Commit commit_;
};

} // namespace kelvane
