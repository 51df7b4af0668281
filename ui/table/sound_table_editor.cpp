#include "sound_table_editor.h"

#include "game_sound_types.h"
#include "number_text.h"
#include "pending_edit_command.h"
#include "row_edits.h"
#include "sound_table_model.h"

#include <QItemSelectionModel>
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

SoundTableEditor::SoundTableEditor(SoundTableModel *model, QItemSelectionModel *selection,
                                   QUndoStack *undo)
    : model_(model)
    , selection_(selection)
    , undo_(undo)
{}

QList<int> SoundTableEditor::selectedIds() const
{
    QList<int> ids;
    for (const QModelIndex &index : selection_->selectedRows())
        ids << model_->idAt(index.row());
    return ids;
}

TableEditOutcome SoundTableEditor::typeCell(const QModelIndex &index, const QString &text)
{
    const auto edit = cellEdit(index.column(), text);
    if (!edit)
        return {TableEditOutcome::Kind::NotANumber, {}, {}};
    QList<int> ids{model_->idAt(index.row())};
    if (selection_->isRowSelected(index.row()))
        ids = selectedIds();
    std::vector<std::pair<int, AttributeEdits>> wanted;
    wanted.reserve(std::size_t(ids.size()));
    for (const int id : ids)
        wanted.emplace_back(id, model_->pendingOf(id).value_or(AttributeEdits{}).then(*edit));
    const QString header =
        model_->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
    return setEdits(std::move(wanted),
                    tr("%1 of %n sound(s)", nullptr, int(ids.size())).arg(header));
}

TableEditOutcome SoundTableEditor::setEdits(std::vector<std::pair<int, AttributeEdits>> wanted,
                                            const QString &what)
{
    std::vector<SoundTableModel::RowEdits> before, after;
    for (const auto &[id, edits] : wanted) {
        const ScannedSound &listed = model_->listed(id);
        if (!editableValues(listed))
            continue; // a row that is never written among those selected keeps its values
        if (const auto refused = refusedEdits(listed, edits))
            return {TableEditOutcome::Kind::Refused, listed.path, *refused};
        const SoundAttributes values = *editableValues(listed);
        const auto next = beyond(values, edits);
        const auto now = model_->pendingOf(id);
        if (next.has_value() == now.has_value() &&
            (!next || sameAttributes(next->over(values), now->over(values))))
            continue;
        before.push_back({id, now});
        after.push_back({id, next});
    }
    if (!after.empty())
        undo_->push(new PendingEditCommand(model_, std::move(before), std::move(after), what));
    return {};
}

void SoundTableEditor::revertAll(const QString &what)
{
    std::vector<SoundTableModel::RowEdits> before, after;
    for (const EditTarget &target : model_->pendingTargets()) {
        const int id = model_->idOf(target.path);
        before.push_back({id, target.edits});
        after.push_back({id, std::nullopt});
    }
    if (!after.empty())
        undo_->push(new PendingEditCommand(model_, std::move(before), std::move(after), what));
}

} // namespace kelvane
