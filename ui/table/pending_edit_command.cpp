#include "pending_edit_command.h"

namespace kelvane {

PendingEditCommand::PendingEditCommand(SoundTableModel *model, std::vector<RowEdits> before,
                                       std::vector<RowEdits> after, const QString &text)
    : QUndoCommand(text)
    , model_(model)
    , before_(std::move(before))
    , after_(std::move(after))
{}

void PendingEditCommand::redo()
{
    model_->setPending(after_);
}

void PendingEditCommand::undo()
{
    model_->setPending(before_);
}

} // namespace kelvane
