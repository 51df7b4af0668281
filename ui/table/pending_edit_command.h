#pragma once

#include "sound_table_model.h"

#include <QUndoCommand>

namespace kelvane {

// One change of the sound table's edits not yet written (a cell typed on many rows, stock
// values taken, all edits dropped), with the edits each row had before it to undo it.
class PendingEditCommand final : public QUndoCommand
{
public:
    using RowEdits = SoundTableModel::RowEdits;
    PendingEditCommand(SoundTableModel *model, std::vector<RowEdits> before,
                       std::vector<RowEdits> after, const QString &text);

    void redo() override;
    void undo() override;

private:
    SoundTableModel *model_;
    std::vector<RowEdits> before_;
    std::vector<RowEdits> after_;
};

} // namespace kelvane
