#pragma once

#include "name_pattern.h"
#include "sound_scan.h"

#include <vector>

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

namespace kelvane {

// The sound table's rows: every sound of a folder tree, sorted by any column (numbers as numbers)
// and filtered by a text in the path and by having warnings. Rows are kept once; sorting and
// filtering only change which of them are shown and in which order.
class SoundTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Path,
        Type,
        Volume,
        MinDist,
        MaxDist,
        MaxAIDist,
        Rate,
        Channels,
        Length,
        State,
        Warnings,
        ColumnCount
    };

    explicit SoundTableModel(QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    void clear();
    // New rows, or rows read again: a row whose path is listed already replaces it.
    void add(std::vector<ScannedSound> rows);
    // Makes room for this many rows in all, so that a scan's rows come in without the model
    // growing (and moving every row it holds) again and again.
    void reserve(qsizetype rows);
    // Shows only the rows whose path holds `text` (any case) and, with `warningsOnly`, that
    // have warnings or could not be read; with `stopsGameOnly`, that the game stops on.
    void setFilter(const QString &text, bool warningsOnly, bool stopsGameOnly = false);

    [[nodiscard]] const ScannedSound &sound(int shownRow) const;
    [[nodiscard]] int allRows() const { return int(rows_.size()); }
    // Where the row with this path is shown, -1 when it is not.
    [[nodiscard]] int shownRowOf(const QString &path) const;

private:
    [[nodiscard]] bool accepts(const ScannedSound &row) const;
    [[nodiscard]] bool before(int a, int b) const; // row ids in the shown order
    void insertShown(std::vector<int> ids);
    void showAgain(); // filter and sort anew, keeping the selection's rows
    QString cellText(const ScannedSound &row, int column) const;
    static QString stateName(SoundState state);

    std::vector<ScannedSound> rows_;
    std::vector<QString> pathKeys_; // each path case-folded, for sorting
    // Each row's warnings in English, kept only while the table is sorted by them.
    std::vector<QString> warningKeys_;
    QHash<QString, int> idOfPath_;
    std::vector<int> shown_; // row ids, in the shown order
    int sortColumn_ = Path;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    NamePattern filter_; // the filter box: text in the path, or a pattern with * and ?
    bool warningsOnly_ = false;
    bool stopsGameOnly_ = false;
    QChar separator_;
    mutable QIcon warningMark_;
    mutable QIcon stopMark_;
};

} // namespace kelvane
