#pragma once

#include "attribute_edits.h"
#include "message.h"

#include <optional>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QList>
#include <QString>

class QItemSelectionModel;
class QModelIndex;
class QUndoStack;

namespace kelvane {

class SoundTableModel;

// What a change of the table's edits came to; the panel words it.
struct TableEditOutcome
{
    enum class Kind
    {
        Done,       // made, or nothing to make
        NotANumber, // a cell was given a text that is no value of its field
        Refused,    // a row may not take the edits; none was changed
    };
    Kind kind = Kind::Done;
    QString path;   // the refused row's sound
    Message reason; // why it was refused
};

// The sound table's edits not yet written, without a widget: a typed cell becomes an edit of the
// selected rows (of its own row, when that is not selected), judged by the game's rules, each
// change one step on the undo stack.
class SoundTableEditor final
{
    Q_DECLARE_TR_FUNCTIONS(SoundTableEditor)

public:
    SoundTableEditor(SoundTableModel *model, QItemSelectionModel *selection, QUndoStack *undo);

    // The shown rows selected, by id.
    [[nodiscard]] QList<int> selectedIds() const;
    // A cell typed or chosen: on a selected row it sets that field on every selected row.
    TableEditOutcome typeCell(const QModelIndex &index, const QString &text);
    // Makes `wanted` the rows' edits in one step to undo, named `what`, unless a rule refuses
    // one of them.
    TableEditOutcome setEdits(std::vector<std::pair<int, AttributeEdits>> wanted,
                              const QString &what);
    // Drops every edit, in one step to undo.
    void revertAll(const QString &what);

private:
    SoundTableModel *model_;
    QItemSelectionModel *selection_;
    QUndoStack *undo_;
};

} // namespace kelvane
