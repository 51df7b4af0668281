#pragma once

#include "attribute_edits.h"
#include "attribute_fields.h"
#include "batch_edit.h"
#include "game_ready_batch.h"

#include <array>
#include <functional>
#include <memory>

#include <QElapsedTimer>
#include <QItemSelection>
#include <QWidget>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QMenu;
class QTableView;
class QTimer;
class QUndoStack;

namespace kelvane {

class SoundTableEditor;
class SoundTableJobs;
class SoundTableModel;
struct TableEditOutcome;

// Every sound of a folder tree at a glance: one row per sound, sortable and filtered, with an
// editor that sets the fields the user fills in for all the selected rows. Reading and writing
// run behind the window (SoundTableJobs); their progress and Cancel sit in the status bar.
class SoundTablePanel final : public QWidget
{
    Q_OBJECT

public:
    // `backups` says, at each Apply, whether the old sounds are kept as ".bak".
    SoundTablePanel(std::function<bool()> backups, QWidget *parent);
    ~SoundTablePanel() override;

    // Lists `folder` and its sub-folders anew, dropping the rows shown.
    void scan(const QString &folder);
    // Shown again with `folder` listed in the window: when that is the folder of the sound
    // opened from the table, the same tree is listed again with the same selection and scroll
    // (the filter and the sort stay anyway); otherwise `folder` is listed.
    void showFor(const QString &folder);
    void cancel();
    [[nodiscard]] bool busy() const;
    [[nodiscard]] const QString &folder() const;
    // The progress bar and its Cancel button, the count of edits not yet written with their
    // Apply and Revert: for the window's status bar.
    [[nodiscard]] QList<QWidget *> statusWidgets() const;
    // Before the table is left or listed again: edits not yet written are offered for saving.
    // False when the user stays (Cancel, or a write that did not write them all).
    [[nodiscard]] bool settle();
    [[nodiscard]] int pendingCount() const;

Q_SIGNALS:
    void openSound(const QString &path); // asked to show one sound in the single-file view
    void playSound(const QString &path, double volume);
    void showInFileManager(const QString &folder);
    void status(const QString &text);
    // Audio files dropped on the table, to import into its folder.
    void importAsked(const QStringList &sources);
    // The selected sounds the game refuses for their rate or plays without position, to be
    // encoded again in their places.
    void gameReadyAsked(const std::vector<GameReadyJob> &jobs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildEditor(QWidget *parent);
    void buildFilter(QWidget *parent);
    void buildTable();
    void sizeColumns(); // room for each column's usual texts and its whole header
    void buildCellEditing();
    void buildComparison(QBoxLayout *row);
    void sayOutcome(const TableEditOutcome &outcome);
    void applyPending();
    void write(std::vector<EditTarget> targets); // through the batch, with progress and Cancel
    void revertPending();
    void showPending();
    void compareWithStock();
    void stockEnded(bool cancelled);
    void stopComparing();
    void takeStockValues();
    void refilter();
    [[nodiscard]] QString currentPath() const;
    void scanEnded(bool cancelled, qsizetype total);
    void editEnded(bool cancelled, int written, int unchanged, int failed);
    void showCount();
    void applyToSelected();
    void restoreSelected();
    void removeBackupsOfSelected();
    void makeSelectedGameReady();
    void extractSelected(); // the selected stock sounds copied into a mod
    [[nodiscard]] QStringList selectedPaths() const;
    void showTableMenu(const QPoint &at);
    [[nodiscard]] std::optional<AttributeEdits> readEdits();
    void openCurrent();
    void restoreView();
    void keepSelectionForDoubleClick(QEvent *event);
    // Widens the path column to the longest path listed, up to half the table's width.
    void fitPathColumn();
    void showProgress(bool shown);

    std::function<bool()> backups_;
    SoundTableModel *model_ = nullptr;
    SoundTableJobs *jobs_ = nullptr;
    QTableView *tblSounds = nullptr;
    QMenu *mnuSounds = nullptr;               // made when first asked for
    QUndoStack *undo_ = nullptr;              // over the edits not yet written
    std::unique_ptr<SoundTableEditor> cells_; // what a typed cell does to them
    QItemSelection held_; // the rows selected before a double-click's first click
    QElapsedTimer heldAt_;
    QString afterScan_; // the status once the listing under way is done
    QString lastMod_;   // where Extract to Mod put sounds last: the next extraction starts there
    // The view to come back to once the listing is done: the folder of the sound opened from
    // the table, the rows selected, the current row and the row at the top.
    struct View
    {
        QString openedIn;
        QStringList selected;
        QString current;
        QString top;
    } view_;
    QComboBox *cmbManyType = nullptr;
    std::array<QLineEdit *, kNumberFields.size()> txtMany{}; // txtManyBaseValue, ... in order
    QPushButton *btnApplyMany = nullptr;
    QLineEdit *txtFilter = nullptr;
    QCheckBox *cbxWarningsOnly = nullptr;
    QCheckBox *cbxStopsGameOnly = nullptr;
    QLabel *lblSoundCount = nullptr;
    QPushButton *btnCompare = nullptr;
    QComboBox *cmbStockFilter = nullptr;
    QPushButton *btnStopComparing = nullptr;
    QLabel *lblPending = nullptr;
    QPushButton *btnApplyEdits = nullptr;
    QPushButton *btnRevertEdits = nullptr;
    QProgressBar *prgWork = nullptr;
    QPushButton *btnCancelWork = nullptr;
};

} // namespace kelvane
