#pragma once

#include <QStyledItemDelegate>

namespace kelvane {

// The editors of the sound table's cells: a list of the game's types for the type, a box for a
// number. What is typed goes to the model's setData, whose editor decides which rows it sets
// and keeps it to undo.
class SoundCellDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
};

} // namespace kelvane
