#include "sound_table_model.h"

#include "field_words.h"
#include "game_rules.h"
#include "message_words.h"
#include "number_text.h"
#include "sound_table_rows.h"

#include <algorithm>
#include <array>

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QStyle>

namespace kelvane {

using namespace table;

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
    if (const FieldRow *field = fieldOf(column); field && field->number) {
        const auto value = table::field(row, field->number);
        return value ? shortestNumber(*value, separator_) : QString();
    }
    switch (column) {
    case Path: // a game folder's sound by its path in the game, its archive beside it
        return QDir::toNativeSeparators(row.stockPath.isEmpty() ? row.path : row.stockPath);
    case Type:
        return typeName(row).value_or(QString());
    case Rate:
        return row.sampleRate ? QString::number(row.sampleRate) : QString();
    case Channels:
        return row.channels ? QString::number(row.channels) : QString();
    case Length:
        return row.seconds ? lengthText(*row.seconds, separator_, tr("s", "seconds")) : QString();
    case Warnings: {
        return translated(row.warnings).join(QStringLiteral("; "));
    }
    case Archive:
        return QDir::toNativeSeparators(row.archive);
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
            return (QStringList{translated(row.stateText)} + translated(row.warnings))
                .join(QLatin1Char('\n'));
        }
        if (column == Path) {
            const QString path = QDir::toNativeSeparators(row.path);
            return onlyInMod(row) ? path + QLatin1Char('\n') + tr("only in the mod") : path;
        }
        return comparing() ? stockTip(row, column) : QString();
    case Qt::FontRole:
    case Qt::BackgroundRole:
        return markOf(shown_[std::size_t(index.row())], column, role);
    case Qt::ForegroundRole:
        // A sound the game stops on is red across its row, a notice only marked.
        return row.stopsGame ? QVariant(QColor(0xB0, 0x00, 0x20)) : QVariant();
    case Qt::DecorationRole:
        // A distance the game stops on is marked in its own cell, as the single view marks
        // its box.
        if (column == MaxDist || column == MaxAIDist) {
            const auto value = field(row, column == MaxDist ? &SoundAttributes::maxDist
                                                            : &SoundAttributes::maxAIDist);
            if (!value || *value >= kLeastMaxDistance)
                return {};
            if (stopMark_.isNull())
                stopMark_ = QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
            return stopMark_;
        }
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

Qt::ItemFlags SoundTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && isEditable(index.column(), index.row()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

// A field with an edit not yet written is bold; one the stock sound holds otherwise is tinted;
// the path of a sound only in the mod is in italics.
QVariant SoundTableModel::markOf(int id, int column, int role) const
{
    if (column == Path && role == Qt::FontRole && onlyInMod(rows_[std::size_t(id)])) {
        QFont italic; // no stock sound has its path
        italic.setItalic(true);
        return italic;
    }
    if (!fieldOf(column))
        return {};
    if (role == Qt::BackgroundRole) {
        if (!comparing() || stockTip(rows_[std::size_t(id)], column).isEmpty())
            return {};
        return QColor(0xFF, 0xE0, 0xA0);
    }
    const auto pending = pending_.find(id);
    if (pending == pending_.end())
        return {};
    const AttributeEdits &edits = pending->edits;
    const bool set = column == Type      ? edits.gameType.has_value()
                     : column == Volume  ? edits.volume.has_value()
                     : column == MinDist ? edits.minDist.has_value()
                     : column == MaxDist ? edits.maxDist.has_value()
                                         : edits.maxAIDist.has_value();
    if (!set)
        return {};
    QFont bold;
    bold.setBold(true);
    return bold;
}

QVariant SoundTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (const FieldRow *field = fieldOf(section))
        return fieldHeading(*field);
    switch (section) {
    case Path:
        return tr("Sound");
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
    case Archive:
        return tr("Archive");
    default:
        return {};
    }
}

bool SoundTableModel::anyArchived() const
{
    return std::any_of(rows_.begin(), rows_.end(),
                       [](const ScannedSound &row) { return !row.archive.isEmpty(); });
}

void SoundTableModel::clear()
{
    beginResetModel();
    rows_.clear();
    pathKeys_.clear();
    warningKeys_.clear();
    idOfPath_.clear();
    shown_.clear();
    pending_.clear();
    endResetModel();
}

void SoundTableModel::shownChanged()
{
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void SoundTableModel::reserve(qsizetype rows)
{
    rows_.reserve(std::size_t(rows));
    pathKeys_.reserve(std::size_t(rows));
    shown_.reserve(std::size_t(rows));
    idOfPath_.reserve(rows);
}

void SoundTableModel::add(std::vector<ScannedSound> rows)
{
    std::vector<int> fresh;
    bool replaced = false;
    for (ScannedSound &row : rows) {
        if (const auto id = idOfPath_.find(row.path); id != idOfPath_.end()) {
            pending_.remove(*id); // read again: it shows what is on disk
            rows_[std::size_t(*id)] = std::move(row);
            replaced = true;
            continue;
        }
        const int id = int(rows_.size());
        idOfPath_.insert(row.path, id);
        // Sorted as shown: a game folder's sound by its path in the game.
        pathKeys_.push_back((row.stockPath.isEmpty() ? row.path : row.stockPath).toCaseFolded());
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

} // namespace kelvane
