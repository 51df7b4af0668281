#pragma once

#include "attribute_edits.h"
#include "attribute_fields.h"
#include "batch_edit.h"
#include "name_pattern.h"
#include "sound_scan.h"

#include <functional>
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
        // The columns after the fields' follow however many fields there are.
        Rate = Type + int(kAttributeFields.size()),
        Channels,
        Length,
        State,
        Warnings,
        Archive, // the game archive a stock sound lies in; hidden when none does
        ColumnCount
    };

    // The column of a field of the block (they stand in the fields' order), and the field a
    // column holds.
    [[nodiscard]] static constexpr int columnOf(AttributeField field) { return Type + int(field); }
    [[nodiscard]] static const FieldRow *fieldOf(int column)
    {
        return column >= Type && column < Rate ? &kAttributeFields[std::size_t(column - Type)]
                                               : nullptr;
    }

    explicit SoundTableModel(QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A cell's text typed or chosen goes to `typed`, which decides what it edits; false: refused.
    using CellTyped = std::function<bool(const QModelIndex &index, const QString &text)>;
    void onCellTyped(CellTyped typed) { cellTyped_ = std::move(typed); }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    void sort(int column, Qt::SortOrder order) override;

    void clear();
    // New rows, or rows read again: a row whose path is listed already replaces it.
    void add(std::vector<ScannedSound> rows);
    // Makes room for this many rows in all, so that a scan's rows come in without the model
    // growing (and moving every row it holds) again and again.
    void reserve(qsizetype rows);
    // Which rows a comparison with stock sounds shows.
    enum class StockFilter
    {
        All,
        Differs,   // the stock sound is read otherwise by the game, or there is none
        OnlyInMod, // no stock sound has its path
    };
    // Shows only the rows whose path holds `text` (any case) and, with `warningsOnly`, that
    // have warnings or could not be read; with `stopsGameOnly`, that the game stops on.
    void setFilter(const QString &text, bool warningsOnly, bool stopsGameOnly = false,
                   StockFilter stock = StockFilter::All);

    // Edits not yet written. Each row shows its edits, judged by the game's rules, until they
    // are written or dropped; a row read again drops them.
    struct RowEdits
    {
        int id = -1;
        std::optional<AttributeEdits> edits; // none: the row as listed
    };
    [[nodiscard]] bool isEditable(int column, int shownRow) const;
    [[nodiscard]] int idAt(int shownRow) const { return shown_.at(std::size_t(shownRow)); }
    [[nodiscard]] int idOf(const QString &path) const { return idOfPath_.value(path, -1); }
    [[nodiscard]] std::optional<AttributeEdits> pendingOf(int id) const;
    [[nodiscard]] const ScannedSound &listed(int id) const; // as on disk
    void setPending(const std::vector<RowEdits> &edits);
    [[nodiscard]] int pendingCount() const { return int(pending_.size()); }
    // Every row with edits, as a batch edit writes them.
    [[nodiscard]] std::vector<EditTarget> pendingTargets() const;
    void dropPending();

    // The stock sounds the rows are compared with, by their path below the stock folder.
    // The comparison stays while the rows are listed again.
    void compareWith(const QString &stockFolder);
    void addStock(const std::vector<ScannedSound> &rows);
    void stopComparing();
    [[nodiscard]] bool comparing() const { return !stockFolder_.isEmpty(); }
    [[nodiscard]] const QString &stockFolder() const { return stockFolder_; }
    [[nodiscard]] int stockCount() const { return int(stock_.size()); }
    // Whether any row lies inside a game archive.
    [[nodiscard]] bool anyArchived() const;
    // The stock values of the sound with the row's path; none when it has none.
    [[nodiscard]] std::optional<SoundAttributes> stockValues(const ScannedSound &row) const;
    [[nodiscard]] bool differsFromStock(const ScannedSound &row) const;
    [[nodiscard]] bool onlyInMod(const ScannedSound &row) const;
    // How many rows differ from their stock sound, and how many have none.
    [[nodiscard]] std::pair<int, int> stockCounts() const;

    [[nodiscard]] const ScannedSound &sound(int shownRow) const;
    [[nodiscard]] int allRows() const { return int(rows_.size()); }
    // Where the row with this path is shown, -1 when it is not.
    [[nodiscard]] int shownRowOf(const QString &path) const;

private:
    [[nodiscard]] bool accepts(const ScannedSound &row) const;
    [[nodiscard]] bool before(int a, int b) const; // row ids in the shown order
    void insertShown(std::vector<int> ids);
    void showAgain();    // filter and sort anew, keeping the selection's rows
    void shownChanged(); // every shown cell may read otherwise: the view draws them again
    QString cellText(const ScannedSound &row, int column) const;
    [[nodiscard]] QVariant markOf(int id, int column, int role) const; // pending and stock marks
    [[nodiscard]] QString stockTip(const ScannedSound &row, int column) const;
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
    StockFilter stockFilter_ = StockFilter::All;
    struct Pending
    {
        AttributeEdits edits;
        ScannedSound listed; // the row as on disk
    };
    QHash<int, Pending> pending_; // by row id
    struct Stock
    {
        std::optional<SoundAttributes> attrs;
        Message state; // compared as a message: the same whatever the language
    };
    using StockMap = QHash<QString, Stock>;
    // The stock sound of a row: by its path, or in lower case (a game's archives).
    [[nodiscard]] StockMap::const_iterator stockOf(const ScannedSound &row) const;
    QString stockFolder_;
    StockMap stock_; // by path below the stock folder (a game's: below its data folder)
    QChar separator_;
    CellTyped cellTyped_;
    mutable QIcon warningMark_;
    mutable QIcon stopMark_;
};

} // namespace kelvane
