// The sound table beside the stock sounds: each row paired with the stock sound of the same
// path below its folder, as the command line's diff pairs them.
#include "english_text.h"
#include "number_text.h"
#include "sound_table_model.h"
#include "sound_table_rows.h"

#include <bit>

namespace kelvane {

namespace {

// Bit for bit: what the game reads is the stored number, not one close to it.
bool sameNumber(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

std::optional<float> numberOf(const TSoundAttributes &attrs, int column)
{
    switch (column) {
    case SoundTableModel::Volume:
        return attrs.baseValue;
    case SoundTableModel::MinDist:
        return attrs.minDist;
    case SoundTableModel::MaxDist:
        return attrs.maxDist;
    case SoundTableModel::MaxAIDist:
        return attrs.maxAIDist;
    default:
        return std::nullopt;
    }
}

} // namespace

void SoundTableModel::compareWith(const QString &stockFolder)
{
    stockFolder_ = stockFolder;
    stock_.clear();
    showAgain();
}

void SoundTableModel::addStock(const std::vector<ScannedSound> &rows)
{
    for (const ScannedSound &row : rows)
        if (row.state != SoundState::Refused)
            stock_.insert(row.path,
                          {row.attrs, QString::fromStdString(englishText(row.stateText))});
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

std::optional<TSoundAttributes> SoundTableModel::stockValues(const ScannedSound &row) const
{
    const auto found = stock_.find(row.path);
    return found == stock_.end() ? std::nullopt : found->attrs;
}

bool SoundTableModel::onlyInMod(const ScannedSound &row) const
{
    return comparing() && row.state != SoundState::Refused && !stock_.contains(row.path);
}

bool SoundTableModel::differsFromStock(const ScannedSound &row) const
{
    const auto found = stock_.find(row.path);
    if (found == stock_.end())
        return false;
    if (found->state != QString::fromStdString(englishText(row.stateText)))
        return true;
    if (!row.attrs || !found->attrs)
        return false; // the states say which has no block
    for (int column = Type; column <= MaxAIDist; ++column)
        if (!stockTip(row, column).isEmpty())
            return true;
    return false;
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
    if (column == Type) {
        if (stock->gameType == row.attrs->gameType)
            return {};
        ScannedSound stockRow;
        stockRow.attrs = stock;
        return tr("stock: %1").arg(table::typeName(stockRow).value_or(QString()));
    }
    const auto mine = numberOf(*row.attrs, column);
    const auto theirs = numberOf(*stock, column);
    if (!mine || !theirs || sameNumber(*mine, *theirs))
        return {};
    return tr("stock: %1").arg(shortestNumber(*theirs, separator_));
}

} // namespace kelvane
