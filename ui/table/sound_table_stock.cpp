// The sound table beside the stock sounds: each row paired with the stock sound of the same
// path below its folder, as the command line's diff pairs them.
#include "english_text.h"
#include "number_text.h"
#include "sound_table_model.h"
#include "sound_table_rows.h"

namespace kelvane {

void SoundTableModel::compareWith(const QString &stockFolder)
{
    stockFolder_ = stockFolder;
    stock_.clear();
    showAgain();
}

void SoundTableModel::addStock(const std::vector<ScannedSound> &rows)
{
    // A game's archives know no letter case: their sounds pair with a mod's in any case.
    for (const ScannedSound &row : rows)
        if (row.state != SoundState::Refused)
            stock_.insert(row.archive.isEmpty()     ? row.path
                          : row.stockPath.isEmpty() ? row.path.toLower()
                                                    : row.stockPath.toLower(),
                          {row.attrs, row.stateText});
    if (!rows.empty() && stockFilter_ != StockFilter::All)
        showAgain();
    shownChanged();
}

void SoundTableModel::stopComparing()
{
    stockFolder_.clear();
    stock_.clear();
    stockFilter_ = StockFilter::All;
    showAgain();
    shownChanged();
}

SoundTableModel::StockMap::const_iterator SoundTableModel::stockOf(const ScannedSound &row) const
{
    const auto found = stock_.find(row.path);
    return found != stock_.end() ? found : stock_.find(row.path.toLower());
}

std::optional<SoundAttributes> SoundTableModel::stockValues(const ScannedSound &row) const
{
    const auto found = stockOf(row);
    return found == stock_.end() ? std::nullopt : found->attrs;
}

bool SoundTableModel::onlyInMod(const ScannedSound &row) const
{
    return comparing() && row.state != SoundState::Refused && stockOf(row) == stock_.end();
}

bool SoundTableModel::differsFromStock(const ScannedSound &row) const
{
    const auto found = stockOf(row);
    if (found == stock_.end())
        return false;
    if (found->state != row.stateText)
        return true;
    if (!row.attrs || !found->attrs)
        return false; // the states say which has no block
    return !differingFields(*row.attrs, *found->attrs).empty();
}

std::pair<int, int> SoundTableModel::stockCounts() const
{
    std::pair<int, int> counts;
    for (const ScannedSound &row : rows_) {
        counts.first += differsFromStock(row) ? 1 : 0;
        counts.second += onlyInMod(row) ? 1 : 0;
    }
    return counts;
}

// "stock: 20" for a field the stock sound holds otherwise; empty when it is the same.
QString SoundTableModel::stockTip(const ScannedSound &row, int column) const
{
    const auto stock = stockValues(row);
    if (!stock || !row.attrs)
        return {};
    const FieldRow *field = fieldOf(column);
    if (!field || sameField(*field, *row.attrs, *stock))
        return {};
    if (!field->number) {
        ScannedSound stockRow;
        stockRow.attrs = stock;
        return tr("stock: %1").arg(table::typeName(stockRow).value_or(QString()));
    }
    return tr("stock: %1").arg(shortestNumber((*stock).*field->number, separator_));
}

} // namespace kelvane
