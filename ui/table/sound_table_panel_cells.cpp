// Editing in the sound table's cells: what is typed becomes an edit not yet written, on the
// row or on every selected row, judged by the game's rules at once, undone and redone, and
// written by Apply through the same batch as the editor above the table.
#include "game_sound_types.h"
#include "message_words.h"
#include "number_text.h"
#include "pending_edit_command.h"
#include "row_edits.h"
#include "save_question.h"
#include "sound_cell_delegate.h"
#include "sound_table_jobs.h"
#include "sound_table_model.h"
#include "sound_table_panel.h"
#include "widget_making.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

namespace kelvane {

namespace {

// The one field a cell of `column` holds, read from what was typed or chosen.
std::optional<AttributeEdits> cellEdit(int column, const QString &text)
{
    AttributeEdits edit;
    if (column == SoundTableModel::Type) {
        for (std::size_t i = 0; i < GameSoundTypes.size(); ++i)
            if (text == QLatin1String(GameSoundTypes[i].name.data(),
                                      qsizetype(GameSoundTypes[i].name.size())))
                edit.gameType = gameTypeCode(i);
        return edit.gameType ? std::optional(edit) : std::nullopt;
    }
    // A comma or a point, whatever the language: a cell holds one number, never a grouping.
    const auto number = parseNumber(text, QLatin1Char(','));
    const FieldRow *field = SoundTableModel::fieldOf(column);
    if (!number || !field || !field->edit)
        return std::nullopt;
    edit.*field->edit = number;
    return edit;
}

// The edits without the fields that hold what the sound holds already: typing a value back
// drops its edit.
std::optional<AttributeEdits> beyond(const SoundAttributes &listed, AttributeEdits edits)
{
    // As numbers: -0 typed over 0 is the value the sound holds.
    const auto same = [](float a, float b) { return sameAttributes({3, a}, {3, b}); };
    if (edits.gameType == listed.gameType)
        edits.gameType.reset();
    for (const FieldRow &field : kNumberFields)
        if (const auto &typed = edits.*field.edit; typed && same(*typed, listed.*field.number))
            (edits.*field.edit).reset();
    return edits.any() ? std::optional(edits) : std::nullopt;
}

} // namespace

void SoundTablePanel::buildCellEditing()
{
    tblSounds->setItemDelegate(new SoundCellDelegate(
        [this](const QModelIndex &index, const QString &text) { editCells(index, text); },
        tblSounds));
    tblSounds->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    undo_ = new QUndoStack(this);
    QAction *undo = undo_->createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("actUndoEdit"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = undo_->createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("actRedoEdit"));
    // The platform's redo keys, and Ctrl+Shift+Z where they lack it (Windows has Ctrl+Y): each
    // key once, since a key bound twice is ambiguous to Qt and does nothing.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (const QKeySequence shiftZ(Qt::CTRL | Qt::SHIFT | Qt::Key_Z); !redoKeys.contains(shiftZ))
        redoKeys << shiftZ;
    redo->setShortcuts(redoKeys);
    for (QAction *action : {undo, redo}) {
        // Anywhere in the window while the table is shown; a text box keeps its own undo.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    lblPending = named(new QLabel(this), "lblPending");
    btnApplyEdits = named(new QPushButton(tr("Apply Edits"), this), "btnApplyEdits");
    btnApplyEdits->setToolTip(tr("Writes every edit made in the cells"));
    btnRevertEdits = named(new QPushButton(tr("Revert"), this), "btnRevertEdits");
    btnRevertEdits->setToolTip(tr("Drops every edit not yet written"));
    connect(btnApplyEdits, &QPushButton::clicked, this, &SoundTablePanel::applyPending);
    connect(btnRevertEdits, &QPushButton::clicked, this, &SoundTablePanel::revertPending);
    connect(undo_, &QUndoStack::indexChanged, this, &SoundTablePanel::showPending);
    showPending();
}

int SoundTablePanel::pendingCount() const
{
    return model_->pendingCount();
}

QList<int> SoundTablePanel::selectedIds() const
{
    QList<int> ids;
    for (const QModelIndex &index : tblSounds->selectionModel()->selectedRows())
        ids << model_->idAt(index.row());
    return ids;
}

// A cell typed on a selected row sets that field on every selected row; on another row, on
// that row alone.
void SoundTablePanel::editCells(const QModelIndex &index, const QString &text)
{
    const auto edit = cellEdit(index.column(), text);
    if (!edit) {
        Q_EMIT status(notValidNumberText());
        return;
    }
    QList<int> ids{model_->idAt(index.row())};
    if (tblSounds->selectionModel()->isRowSelected(index.row()))
        ids = selectedIds();
    std::vector<std::pair<int, AttributeEdits>> wanted;
    wanted.reserve(std::size_t(ids.size()));
    for (const int id : ids)
        wanted.emplace_back(id, model_->pendingOf(id).value_or(AttributeEdits{}).then(*edit));
    const QString header =
        model_->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
    pushEdits(std::move(wanted), tr("%1 of %n sound(s)", nullptr, int(ids.size())).arg(header));
}

// Makes `wanted` the rows' edits in one step to undo, unless a rule refuses one of them.
void SoundTablePanel::pushEdits(std::vector<std::pair<int, AttributeEdits>> wanted,
                                const QString &what)
{
    std::vector<SoundTableModel::RowEdits> before, after;
    for (const auto &[id, edits] : wanted) {
        const ScannedSound &listed = model_->listed(id);
        if (!editableValues(listed))
            continue; // a row that is never written among those selected keeps its values
        if (const auto refused = refusedEdits(listed, edits)) {
            Q_EMIT status(tr(" Not changed: %1: %2")
                              .arg(QDir::toNativeSeparators(listed.path), wordsOf(*refused)));
            return;
        }
        const SoundAttributes values = *editableValues(listed);
        const auto next = beyond(values, edits);
        const auto now = model_->pendingOf(id);
        if (next.has_value() == now.has_value() &&
            (!next || sameAttributes(next->over(values), now->over(values))))
            continue;
        before.push_back({id, now});
        after.push_back({id, next});
    }
    if (after.empty())
        return;
    undo_->push(new PendingEditCommand(model_, std::move(before), std::move(after), what));
}

void SoundTablePanel::showPending()
{
    const int pending = model_->pendingCount();
    lblPending->setText(tr("%n edit(s) not written", nullptr, pending));
    for (QWidget *widget :
         std::initializer_list<QWidget *>{lblPending, btnApplyEdits, btnRevertEdits})
        widget->setVisible(pending > 0);
    btnApplyEdits->setEnabled(!busy());
}

void SoundTablePanel::applyPending()
{
    std::vector<EditTarget> targets = model_->pendingTargets();
    if (busy() || targets.empty())
        return;
    write(std::move(targets));
}

void SoundTablePanel::revertPending()
{
    std::vector<SoundTableModel::RowEdits> before, after;
    for (const EditTarget &target : model_->pendingTargets()) {
        const int id = model_->idOf(target.path);
        before.push_back({id, target.edits});
        after.push_back({id, std::nullopt});
    }
    if (!after.empty())
        undo_->push(
            new PendingEditCommand(model_, std::move(before), std::move(after), tr("Revert")));
}

bool SoundTablePanel::settle()
{
    if (model_->pendingCount() == 0)
        return true;
    switch (askSaveChanges(this)) {
    case QMessageBox::Yes:
        break;
    case QMessageBox::No:
        model_->dropPending();
        undo_->clear();
        showPending();
        return true;
    default:
        return false;
    }
    if (busy())
        return false;
    QEventLoop written;
    bool all = false;
    const auto ended = connect(jobs_, &SoundTableJobs::editEnded, &written,
                               [&](bool cancelled, int, int, int failed) {
                                   all = !cancelled && failed == 0;
                                   written.quit();
                               });
    applyPending();
    written.exec();
    disconnect(ended);
    return all;
}

} // namespace kelvane
