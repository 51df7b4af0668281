// Editing in the sound table's cells: what is typed becomes an edit not yet written, on the
// row or on every selected row, judged by the game's rules at once, undone and redone, and
// written by Apply through the same batch as the editor above the table.
#include "message_words.h"
#include "save_question.h"
#include "sound_cell_delegate.h"
#include "sound_table_editor.h"
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

void SoundTablePanel::buildCellEditing()
{
    tblSounds->setItemDelegate(new SoundCellDelegate(tblSounds));
    tblSounds->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    undo_ = new QUndoStack(this);
    cells_ = std::make_unique<SoundTableEditor>(model_, tblSounds->selectionModel(), undo_);
    model_->onCellTyped([this](const QModelIndex &index, const QString &text) {
        const TableEditOutcome outcome = cells_->typeCell(index, text);
        sayOutcome(outcome);
        return outcome.kind == TableEditOutcome::Kind::Done;
    });
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

void SoundTablePanel::sayOutcome(const TableEditOutcome &outcome)
{
    switch (outcome.kind) {
    case TableEditOutcome::Kind::Done:
        return;
    case TableEditOutcome::Kind::NotANumber:
        Q_EMIT status(notValidNumberText());
        return;
    case TableEditOutcome::Kind::Refused:
        Q_EMIT status(tr(" Not changed: %1: %2")
                          .arg(QDir::toNativeSeparators(outcome.path), translated(outcome.reason)));
        return;
    }
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
    cells_->revertAll(tr("Revert"));
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
