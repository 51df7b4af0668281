#include "sound_table_model.h"

#include "game_sound_types.h"
#include "hex_text.h"
#include "message_words.h"
#include "number_text.h"
#include "qt_text.h"

#include <algorithm>

#include <QApplication>
#include <QColor>
#include <QStyle>

namespace kelvane {

namespace {

// What the warnings column sorts by: the warnings' English, the same in every language.
QString warningKey(const ScannedSound &row)
{
    QString key;
    for (const Message &warning : row.warnings)
        key += QString::fromStdString(englishText(warning)) + QLatin1Char('\n');
    return key;
}

// Rows without a value sort after those with one.
template<typename T>
int compareOptional(const std::optional<T> &a, const std::optional<T> &b)
{
    if (a && b)
        return *a < *b ? -1 : *b < *a ? 1 : 0;
    return a ? -1 : b ? 1 : 0;
}

std::optional<float> field(const ScannedSound &row, float TSoundAttributes::*member)
{
    return row.attrs ? std::optional<float>((*row.attrs).*member) : std::nullopt;
}

std::optional<QString> typeName(const ScannedSound &row)
{
    if (!row.attrs)
        return std::nullopt;
    if (const auto name = gameTypeName(row.attrs->gameType))
        return toQString(*name);
    return QStringLiteral("0x") + toQString(hexText(row.attrs->gameType));
}

bool hasWarnings(const ScannedSound &row)
{
    return !row.warnings.empty() || row.state == SoundState::Refused;
}

} // namespace

SoundTableModel::SoundTableModel(QObject *parent)
    : QAbstractTableModel(parent)
    , separator_(userDecimalSeparator())
{}

int SoundTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(shown_.size());
}

int SoundTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const ScannedSound &SoundTableModel::sound(int shownRow) const
{
    return rows_.at(std::size_t(shown_.at(std::size_t(shownRow))));
}

int SoundTableModel::shownRowOf(const QString &path) const
{
    const auto id = idOfPath_.find(path);
    if (id == idOfPath_.end())
        return -1;
    const auto at = std::find(shown_.begin(), shown_.end(), *id);
    return at == shown_.end() ? -1 : int(at - shown_.begin());
}

QString SoundTableModel::cellText(const ScannedSound &row, int column) const
{
    const auto number = [&](float TSoundAttributes::*member) {
        const auto value = field(row, member);
        return value ? formatNumber(*value, separator_) : QString();
    };
    switch (column) {
    case Path:
        return row.path;
    case Type:
        return typeName(row).value_or(QString());
    case Volume:
        return number(&TSoundAttributes::baseValue);
    case MinDist:
        return number(&TSoundAttributes::minDist);
    case MaxDist:
        return number(&TSoundAttributes::maxDist);
    case MaxAIDist:
        return number(&TSoundAttributes::maxAIDist);
    case Rate:
        return row.sampleRate ? QString::number(row.sampleRate) : QString();
    case Channels:
        return row.channels ? QString::number(row.channels) : QString();
    case Length:
        return row.seconds ? lengthText(*row.seconds, separator_, tr("s", "seconds")) : QString();
    case Warnings: {
        return wordsOf(row.warnings).join(QStringLiteral("; "));
    }
    case State:
        if (row.stopsGame && row.state == SoundState::Ok)
            return tr("stops the game");
        // "bad checksum" says already that the game's decoder cannot open the file.
        if (row.stopsGame && row.state != SoundState::BadChecksum)
            return tr("%1, stops the game").arg(stateName(row.state));
        return stateName(row.state);
    }
    return {};
}

QString SoundTableModel::stateName(SoundState state)
{
    switch (state) {
    case SoundState::Ok:
        return tr("ok");
    case SoundState::BadChecksum:
        return tr("bad checksum");
    case SoundState::NoBlock:
        return tr("no block");
    case SoundState::OlderBlock:
        return tr("older block");
    case SoundState::ViewOnly:
        return tr("view-only");
    case SoundState::Refused:
        return tr("refused");
    }
    return {};
}

QVariant SoundTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ScannedSound &row = sound(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, column);
    case Qt::TextAlignmentRole:
        return column == Path || column == Type || column == State || column == Warnings
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        if (column == State || column == Warnings) {
            return (QStringList{wordsOf(row.stateText)} + wordsOf(row.warnings))
                .join(QLatin1Char('\n'));
        }
        if (column == Path)
            return row.path;
        return {};
    case Qt::ForegroundRole:
        // A sound the game stops on is red across its row, a notice only marked.
        return row.stopsGame ? QVariant(QColor(0xB0, 0x00, 0x20)) : QVariant();
    case Qt::DecorationRole:
        if (column != State || !hasWarnings(row))
            return {};
        if (row.stopsGame || row.state == SoundState::Refused) {
            if (stopMark_.isNull())
                stopMark_ = QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
            return stopMark_;
        }
        if (warningMark_.isNull())
            warningMark_ = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return warningMark_;
    default:
        return {};
    }
}

QVariant SoundTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Path:
        return tr("Sound");
    case Type:
        return tr("Type");
    case Volume:
        return tr("Volume");
    case MinDist:
        return tr("Min");
    case MaxDist:
        return tr("Max");
    case MaxAIDist:
        return tr("AI");
    case Rate:
        return tr("Rate");
    case Channels:
        return tr("Channels");
    case Length:
        return tr("Length");
    case State:
        return tr("State");
    case Warnings:
        return tr("Warnings");
    default:
        return {};
    }
}

bool SoundTableModel::accepts(const ScannedSound &row) const
{
    if (warningsOnly_ && !hasWarnings(row))
        return false;
    if (stopsGameOnly_ && !row.stopsGame)
        return false;
    return filter_.empty() || filter_.matches(row.path);
}

bool SoundTableModel::before(int a, int b) const
{
    const ScannedSound &x = rows_[std::size_t(a)];
    const ScannedSound &y = rows_[std::size_t(b)];
    int order = 0;
    switch (sortColumn_) {
    case Type:
        order = compareOptional(typeName(x), typeName(y));
        break;
    case Volume:
        order = compareOptional(field(x, &TSoundAttributes::baseValue),
                                field(y, &TSoundAttributes::baseValue));
        break;
    case MinDist:
        order = compareOptional(field(x, &TSoundAttributes::minDist),
                                field(y, &TSoundAttributes::minDist));
        break;
    case MaxDist:
        order = compareOptional(field(x, &TSoundAttributes::maxDist),
                                field(y, &TSoundAttributes::maxDist));
        break;
    case MaxAIDist:
        order = compareOptional(field(x, &TSoundAttributes::maxAIDist),
                                field(y, &TSoundAttributes::maxAIDist));
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

void SoundTableModel::clear()
{
    beginResetModel();
    rows_.clear();
    pathKeys_.clear();
    warningKeys_.clear();
    idOfPath_.clear();
    shown_.clear();
    endResetModel();
}

void SoundTableModel::reserve(qsizetype rows)
{
    rows_.reserve(std::size_t(rows));
    pathKeys_.reserve(std::size_t(rows));
    shown_.reserve(std::size_t(rows));
    idOfPath_.reserve(rows);
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

void SoundTableModel::add(std::vector<ScannedSound> rows)
{
    std::vector<int> fresh;
    bool replaced = false;
    for (ScannedSound &row : rows) {
        if (const auto id = idOfPath_.find(row.path); id != idOfPath_.end()) {
            rows_[std::size_t(*id)] = std::move(row);
            replaced = true;
            continue;
        }
        const int id = int(rows_.size());
        idOfPath_.insert(row.path, id);
        pathKeys_.push_back(row.path.toCaseFolded());
        if (sortColumn_ == Warnings)
            warningKeys_.push_back(warningKey(row));
        rows_.push_back(std::move(row));
        if (accepts(rows_.back()))
            fresh.push_back(id);
    }
    if (!fresh.empty())
        insertShown(std::move(fresh));
    if (replaced)
        showAgain();
}

void SoundTableModel::setFilter(const QString &text, bool warningsOnly, bool stopsGameOnly)
{
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
