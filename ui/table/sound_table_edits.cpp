// The sound table's edits not yet written: kept beside the rows as listed, shown and judged as
// they will be written.
#include "row_edits.h"
#include "sound_table_model.h"
#include "sound_table_rows.h"

namespace kelvane {

bool SoundTableModel::isEditable(int column, int shownRow) const
{
    if (!fieldOf(column) || shownRow < 0 || shownRow >= rowCount())
        return false;
    return editableValues(listed(idAt(shownRow))).has_value();
}

bool SoundTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !cellTyped_ || !isEditable(index.column(), index.row()))
        return false;
    return cellTyped_(index, value.toString());
}

std::optional<AttributeEdits> SoundTableModel::pendingOf(int id) const
{
    const auto found = pending_.find(id);
    return found == pending_.end() ? std::nullopt : std::optional(found->edits);
}

const ScannedSound &SoundTableModel::listed(int id) const
{
    const auto found = pending_.find(id);
    return found == pending_.end() ? rows_.at(std::size_t(id)) : found->listed;
}

void SoundTableModel::setPending(const std::vector<RowEdits> &edits)
{
    for (const RowEdits &row : edits) {
        ScannedSound &shown = rows_.at(std::size_t(row.id));
        auto found = pending_.find(row.id);
        if (found == pending_.end() && !row.edits)
            continue;
        if (found == pending_.end())
            found = pending_.insert(row.id, {{}, shown});
        if (row.edits && row.edits->any()) {
            found->edits = *row.edits;
            shown = withEdits(found->listed, *row.edits);
        } else {
            shown = std::move(found->listed);
            pending_.erase(found);
        }
        if (sortColumn_ == Warnings)
            warningKeys_[std::size_t(row.id)] = table::warningKey(shown);
    }
    // The rows stay where they are until the next sort, as in a spreadsheet.
    if (!edits.empty())
        shownChanged();
}

std::vector<EditTarget> SoundTableModel::pendingTargets() const
{
    std::vector<EditTarget> targets;
    targets.reserve(std::size_t(pending_.size()));
    for (auto it = pending_.begin(); it != pending_.end(); ++it)
        targets.push_back({it->listed.path, it->listed.identity, it->edits});
    return targets;
}

void SoundTableModel::dropPending()
{
    std::vector<RowEdits> none;
    none.reserve(std::size_t(pending_.size()));
    for (auto it = pending_.begin(); it != pending_.end(); ++it)
        none.push_back({it.key(), std::nullopt});
    setPending(none);
}

} // namespace kelvane
