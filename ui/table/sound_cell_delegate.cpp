#include "sound_cell_delegate.h"

#include "game_sound_types.h"
#include "sound_table_model.h"

#include <QComboBox>
#include <QLineEdit>

namespace kelvane {

QWidget *SoundCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    if (index.column() != SoundTableModel::Type)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *types = new QComboBox(parent);
    types->setObjectName(QStringLiteral("cmbCellType"));
    for (const GameSoundType &type : GameSoundTypes)
        types->addItem(QString::fromLatin1(type.name.data(), qsizetype(type.name.size())));
    // A chosen type is taken at once, as a typed number is on Enter.
    connect(types, &QComboBox::activated, this, [this, types] {
        Q_EMIT const_cast<SoundCellDelegate *>(this)->commitData(types);
        Q_EMIT const_cast<SoundCellDelegate *>(this)->closeEditor(types);
    });
    return types;
}

void SoundCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString shown = index.data().toString();
    if (auto *types = qobject_cast<QComboBox *>(editor)) {
        types->setCurrentIndex(types->findText(shown)); // an unlisted code selects nothing
        return;
    }
    if (auto *box = qobject_cast<QLineEdit *>(editor)) {
        box->setText(shown);
        box->selectAll();
    }
}

void SoundCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                     const QModelIndex &index) const
{
    // An unlisted code shown selects no type: closing the list sets none.
    if (auto *types = qobject_cast<QComboBox *>(editor); types && types->currentIndex() < 0)
        return;
    QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace kelvane
