// The sound table's order and filter: which rows are shown, and where.
#include "sound_table_model.h"
#include "sound_table_rows.h"

#include <algorithm>

namespace kelvane {

using namespace table;

namespace {

// Rows without a value sort after those with one.
template<typename T>
int compareOptional(const std::optional<T> &a, const std::optional<T> &b)
{
    if (a && b)
        return *a < *b ? -1 : *b < *a ? 1 : 0;
    return a ? -1 : b ? 1 : 0;
}

} // namespace

bool SoundTableModel::accepts(const ScannedSound &row) const
{
    if (warningsOnly_ && !hasWarnings(row))
        return false;
    if (stopsGameOnly_ && !row.stopsGame)
        return false;
    // What the mod changes: the sounds the stock game reads otherwise and those it lacks, as
    // diff reports them.
    if (stockFilter_ == StockFilter::Differs && !differsFromStock(row) && !onlyInMod(row))
        return false;
    if (stockFilter_ == StockFilter::OnlyInMod && !onlyInMod(row))
        return false;
    return filter_.empty() || filter_.matches(row.path);
}

bool SoundTableModel::before(int a, int b) const
{
    const ScannedSound &x = rows_[std::size_t(a)];
    const ScannedSound &y = rows_[std::size_t(b)];
    int order = 0;
    if (const FieldRow *field = fieldOf(sortColumn_); field && field->number)
        order = compareOptional(table::field(x, field->number), table::field(y, field->number));
    switch (sortColumn_) {
    case Type:
        order = compareOptional(typeName(x), typeName(y));
        break;
    case Rate:
        order = compareOptional(std::optional(x.sampleRate), std::optional(y.sampleRate));
        break;
    case Channels:
        order = compareOptional(std::optional(x.channels), std::optional(y.channels));
        break;
    case Length:
        order = compareOptional(x.seconds, y.seconds);
        break;
    case State:
        order = compareOptional(std::optional(std::pair(int(x.state), x.stopsGame)),
                                std::optional(std::pair(int(y.state), y.stopsGame)));
        break;
    case Warnings:
        order = warningKeys_[std::size_t(a)].compare(warningKeys_[std::size_t(b)]);
        break;
    case Archive:
        order = x.archive.compare(y.archive, Qt::CaseInsensitive);
        break;
    default:
        break;
    }
    // Equal values keep the order of their paths, as a user reads a folder.
    if (order == 0)
        order = pathKeys_[std::size_t(a)].compare(pathKeys_[std::size_t(b)]);
    if (order == 0)
        order = a < b ? -1 : a > b ? 1 : 0;
    return sortOrder_ == Qt::AscendingOrder ? order < 0 : order > 0;
}

void SoundTableModel::sort(int column, Qt::SortOrder order)
{
    sortColumn_ = column;
    sortOrder_ = order;
    warningKeys_.clear();
    if (column == Warnings) {
        warningKeys_.reserve(rows_.size());
        for (const ScannedSound &row : rows_)
            if (sortColumn_ == Warnings)
                warningKeys_.push_back(warningKey(row));
    }
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> ids;
    ids.reserve(std::size_t(before.size()));
    for (const QModelIndex &index : before)
        ids.push_back(shown_[std::size_t(index.row())]);
    std::stable_sort(shown_.begin(), shown_.end(),
                     [this](int a, int b) { return this->before(a, b); });
    std::vector<int> rowOfId(rows_.size(), -1);
    for (std::size_t row = 0; row < shown_.size(); ++row)
        rowOfId[std::size_t(shown_[row])] = int(row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(rowOfId[std::size_t(ids[std::size_t(i)])], before[i].column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void SoundTableModel::insertShown(std::vector<int> ids)
{
    const auto less = [this](int a, int b) { return before(a, b); };
    std::sort(ids.begin(), ids.end(), less);
    // Runs of new rows that go to the same place are inserted at once, the last place first so
    // that the places before it stay where they are.
    std::size_t end = ids.size();
    while (end > 0) {
        const auto place =
            std::upper_bound(shown_.begin(), shown_.end(), ids[end - 1], less) - shown_.begin();
        std::size_t start = end - 1;
        while (start > 0 && (place == 0 || !before(ids[start - 1], shown_[std::size_t(place - 1)])))
            --start;
        // ids[start..end) all belong after shown_[place - 1] and before shown_[place].
        beginInsertRows({}, int(place), int(place + std::ptrdiff_t(end - start)) - 1);
        shown_.insert(shown_.begin() + place, ids.begin() + std::ptrdiff_t(start),
                      ids.begin() + std::ptrdiff_t(end));
        endInsertRows();
        end = start;
    }
}

void SoundTableModel::setFilter(const QString &text, bool warningsOnly, bool stopsGameOnly,
                                StockFilter stock)
{
    stockFilter_ = stock;
    filter_ = NamePattern(text);
    warningsOnly_ = warningsOnly;
    stopsGameOnly_ = stopsGameOnly;
    showAgain();
}

void SoundTableModel::showAgain()
{
    // Rows no longer accepted go, the rest are sorted again, and the newly accepted come in:
    // rows that stay keep their selection.
    std::vector<bool> isShown(rows_.size(), false);
    for (std::size_t row = shown_.size(); row-- > 0;) {
        const int id = shown_[row];
        if (accepts(rows_[std::size_t(id)])) {
            isShown[std::size_t(id)] = true;
            continue;
        }
        std::size_t first = row;
        while (first > 0 && !accepts(rows_[std::size_t(shown_[first - 1])]))
            --first;
        beginRemoveRows({}, int(first), int(row));
        shown_.erase(shown_.begin() + std::ptrdiff_t(first),
                     shown_.begin() + std::ptrdiff_t(row) + 1);
        endRemoveRows();
        row = first;
    }
    sort(sortColumn_, sortOrder_);
    std::vector<int> fresh;
    for (std::size_t id = 0; id < rows_.size(); ++id)
        if (!isShown[id] && accepts(rows_[id]))
            fresh.push_back(int(id));
    if (!fresh.empty())
        insertShown(std::move(fresh));
}

} // namespace kelvane
