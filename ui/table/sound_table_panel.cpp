#include "sound_table_panel.h"

#include "sound_table_editor.h"
#include "sound_table_jobs.h"
#include "sound_table_model.h"
#include "source_drops.h"
#include "widget_making.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

namespace kelvane {

SoundTablePanel::SoundTablePanel(std::function<bool()> backups, QWidget *parent)
    : QWidget(parent)
    , backups_(std::move(backups))
{
    setObjectName(QStringLiteral("pnlAllSounds"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(6);
    model_ = new SoundTableModel(this); // the editor's labels are its headings
    buildEditor(this);
    buildTable();
    jobs_ = new SoundTableJobs(model_, this);
    buildFilter(this);
    column->addWidget(tblSounds, 1);
    buildCellEditing();

    prgWork = named(new QProgressBar(this), "prgWork");
    prgWork->setFormat(tr("%v of %m"));
    prgWork->setMaximumWidth(180);
    btnCancelWork = named(new QPushButton(tr("Cancel"), this), "btnCancelWork");
    connect(btnCancelWork, &QPushButton::clicked, this, &SoundTablePanel::cancel);
    showProgress(false);

    connect(jobs_, &SoundTableJobs::progress, this, [this](qsizetype done, qsizetype total) {
        prgWork->setMaximum(int(total));
        prgWork->setValue(int(done));
    });
    connect(jobs_, &SoundTableJobs::rowsChanged, this, &SoundTablePanel::showCount);
    connect(jobs_, &SoundTableJobs::scanEnded, this, &SoundTablePanel::scanEnded);
    connect(jobs_, &SoundTableJobs::editEnded, this, &SoundTablePanel::editEnded);
}

SoundTablePanel::~SoundTablePanel()
{
    undo_->disconnect(this); // it empties itself among the children going away
}

void SoundTablePanel::buildFilter(QWidget *parent)
{
    auto *row = new QHBoxLayout;
    txtFilter = named(new QLineEdit(parent), "txtFilter");
    txtFilter->setPlaceholderText(tr("Filter: a part of the path"));
    txtFilter->setClearButtonEnabled(true);
    txtFilter->setToolTip(tr("Text anywhere in the path, or a pattern with * and ?: *reload*, "
                             "weapons/ak74/*"));
    cbxWarningsOnly = named(new QCheckBox(tr("Warnings only"), parent), "cbxWarningsOnly");
    cbxStopsGameOnly = named(new QCheckBox(tr("Stops the game"), parent), "cbxStopsGameOnly");
    cbxStopsGameOnly->setToolTip(tr("Only the sounds the game stops on: a value it refuses, or a "
                                    "file its decoder cannot open"));
    lblSoundCount = named(new QLabel(parent), "lblSoundCount");
    row->addWidget(txtFilter, 1);
    row->addWidget(cbxWarningsOnly);
    row->addWidget(cbxStopsGameOnly);
    row->addWidget(lblSoundCount);
    buildComparison(row);
    static_cast<QBoxLayout *>(layout())->addLayout(row);
    connect(txtFilter, &QLineEdit::textChanged, this, &SoundTablePanel::refilter);
    connect(cbxWarningsOnly, &QCheckBox::toggled, this, &SoundTablePanel::refilter);
    connect(cbxStopsGameOnly, &QCheckBox::toggled, this, &SoundTablePanel::refilter);
}

void SoundTablePanel::refilter()
{
    model_->setFilter(txtFilter->text(), cbxWarningsOnly->isChecked(),
                      cbxStopsGameOnly->isChecked(),
                      SoundTableModel::StockFilter(std::max(0, cmbStockFilter->currentIndex())));
    showCount();
}

void SoundTablePanel::buildTable()
{
    tblSounds = named(new QTableView(this), "tblSounds");
    tblSounds->setModel(model_);
    tblSounds->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSounds->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblSounds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSounds->setSortingEnabled(true);
    tblSounds->sortByColumn(SoundTableModel::Path, Qt::AscendingOrder);
    tblSounds->setAlternatingRowColors(true);
    tblSounds->setWordWrap(false);
    tblSounds->setTextElideMode(Qt::ElideMiddle); // a cut path still shows its file name
    tblSounds->verticalHeader()->hide();
    // Rows of one height are laid out without measuring each: thousands of rows stay quick.
    tblSounds->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblSounds->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    sizeColumns();
    // Where a stock sound lies is read with its path.
    tblSounds->horizontalHeader()->moveSection(SoundTableModel::Archive, SoundTableModel::Path + 1);
    // A value is edited where it is double-clicked; any other cell opens the sound.
    connect(tblSounds, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (!(model_->flags(index) & Qt::ItemIsEditable))
            openCurrent();
    });
    // The row a user moves to says in the status bar what the game does with it.
    connect(tblSounds->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!current.isValid() || current.row() >= model_->rowCount())
                    return;
                const QString warnings =
                    model_->index(current.row(), SoundTableModel::Warnings).data().toString();
                if (!warnings.isEmpty())
                    Q_EMIT status(QLatin1Char(' ') +
                                  QDir::toNativeSeparators(model_->sound(current.row()).path) +
                                  QStringLiteral(": ") + warnings);
            });
    tblSounds->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tblSounds, &QTableView::customContextMenuRequested, this,
            &SoundTablePanel::showTableMenu);
    tblSounds->installEventFilter(this);
    tblSounds->viewport()->installEventFilter(this);
    acceptSourceDrops(tblSounds,
                      [this](const QStringList &sources) { Q_EMIT importAsked(sources); });
}

void SoundTablePanel::sizeColumns()
{
    QHeaderView *header = tblSounds->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    // Room for the usual texts of each column; the user may widen any of them.
    const QFontMetrics metrics = tblSounds->fontMetrics();
    const auto room = [&](const QString &text) { return metrics.horizontalAdvance(text) + 16; };
    header->resizeSection(SoundTableModel::Path,
                          room(QStringLiteral("weapons/ak74/ak74_reload_02.ogg")));
    header->resizeSection(SoundTableModel::Type, room(QStringLiteral("weapon_recharging")));
    for (const FieldRow &field : kNumberFields) // in their shortest form
        header->resizeSection(SoundTableModel::columnOf(field.field),
                              room(QStringLiteral("300.00001")));
    header->resizeSection(SoundTableModel::Rate, room(QStringLiteral("44100")));
    header->resizeSection(SoundTableModel::Channels, room(tr("Channels")));
    header->resizeSection(SoundTableModel::Length, room(QStringLiteral("10.000 s (0:10)")));
    // The state's mark stands before its text.
    header->resizeSection(SoundTableModel::State,
                          room(SoundTableModel::tr("stops the game")) + metrics.height() + 8);
    // No header is cut: a translated one may be wider than its column's usual texts.
    for (int column = 0; column < model_->columnCount(); ++column)
        header->resizeSection(
            column, std::max(header->sectionSize(column), header->sectionSizeHint(column)));
}

QList<QWidget *> SoundTablePanel::statusWidgets() const
{
    return {lblPending, btnApplyEdits, btnRevertEdits, prgWork, btnCancelWork};
}

bool SoundTablePanel::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in a cell's editor comes here too, once the editor has taken it: it is not for us.
    if (watched == tblSounds && event->type() == QEvent::KeyPress &&
        tblSounds->window()->focusWidget() == tblSounds) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openCurrent();
            return true;
        }
    }
    if (watched == tblSounds->viewport())
        keepSelectionForDoubleClick(event);
    return QWidget::eventFilter(watched, event);
}

// The first click of a double-click on one of several selected rows selects that row alone;
// the double-click puts the rows back, so that the value typed goes into all of them.
void SoundTablePanel::keepSelectionForDoubleClick(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QModelIndex index = tblSounds->indexAt(mouse->position().toPoint());
    QItemSelectionModel *selection = tblSounds->selectionModel();
    if (event->type() == QEvent::MouseButtonPress) {
        if (mouse->modifiers() == Qt::NoModifier && selection->isRowSelected(index.row()) &&
            selection->selectedRows().size() > 1) {
            held_ = selection->selection();
            heldAt_.start();
        }
        return;
    }
    if (heldAt_.isValid() && heldAt_.elapsed() <= QApplication::doubleClickInterval() &&
        held_.contains(index))
        selection->select(held_, QItemSelectionModel::ClearAndSelect);
    held_.clear();
    heldAt_.invalidate();
}

bool SoundTablePanel::busy() const
{
    return jobs_->busy();
}

const QString &SoundTablePanel::folder() const
{
    return jobs_->folder();
}

void SoundTablePanel::showProgress(bool shown)
{
    prgWork->setVisible(shown);
    btnCancelWork->setVisible(shown);
    btnApplyMany->setEnabled(!shown);
    btnCompare->setEnabled(!shown);
    if (lblPending)
        showPending();
}

void SoundTablePanel::scan(const QString &folder)
{
    if (jobs_->writing()) {
        Q_EMIT status(tr(" The sounds are being written; list them again when that is done."));
        return;
    }
    jobs_->scan(folder);
    tblSounds->setColumnHidden(SoundTableModel::Archive, true);
    prgWork->setRange(0, 0);
    showProgress(true);
    Q_EMIT status(tr(" Listing the sounds of %1").arg(QDir::toNativeSeparators(folder)));
    showCount();
}

void SoundTablePanel::cancel()
{
    jobs_->cancel();
}

void SoundTablePanel::scanEnded(bool cancelled, qsizetype total)
{
    showProgress(false);
    tblSounds->setColumnHidden(SoundTableModel::Archive, !model_->anyArchived());
    if (model_->anyArchived())
        tblSounds->resizeColumnToContents(SoundTableModel::Archive);
    showCount();
    if (cancelled)
        Q_EMIT status(
            tr(" Listing cancelled: %1 of %n sound(s) listed.", nullptr, int(total < 0 ? 0 : total))
                .arg(model_->allRows()));
    else if (!afterScan_.isEmpty())
        Q_EMIT status(afterScan_); // what the work that asked for the listing did
    else
        Q_EMIT status(
            tr(" Listed %n sound(s) of %1", nullptr, int(model_->allRows())).arg(folder()));
    afterScan_.clear();
    fitPathColumn();
    // The state as wide as its longest text among the rows, in the window's language.
    tblSounds->resizeColumnToContents(SoundTableModel::State);
    if (!cancelled && !view_.current.isEmpty())
        restoreView();
}

void SoundTablePanel::editEnded(bool cancelled, int written, int unchanged, int failed)
{
    showProgress(false); // the rows written have no edits left
    showCount();
    QString text = tr(" Wrote %n sound(s), %1 unchanged, %2 not written.", nullptr, written)
                       .arg(unchanged)
                       .arg(failed);
    if (cancelled)
        text += tr(" Cancelled: the others are as they were.");
    else if (failed > 0)
        text += tr(" Their rows say why.");
    Q_EMIT status(text);
}

void SoundTablePanel::showCount()
{
    lblSoundCount->setText(
        tr("%1 of %n sound(s)", "shown of listed", int(model_->allRows())).arg(model_->rowCount()));
}

void SoundTablePanel::openCurrent()
{
    const QModelIndex current = tblSounds->currentIndex();
    if (!current.isValid())
        return;
    const QString path = folder() + QLatin1Char('/') + model_->sound(current.row()).path;
    view_ = {QFileInfo(path).absolutePath(), {}, model_->sound(current.row()).path, {}};
    for (const QModelIndex &index : tblSounds->selectionModel()->selectedRows())
        view_.selected << model_->sound(index.row()).path;
    const QModelIndex top = tblSounds->indexAt(QPoint(0, 0));
    if (top.isValid())
        view_.top = model_->sound(top.row()).path;
    Q_EMIT openSound(path);
}

void SoundTablePanel::showFor(const QString &listed)
{
    // Compared as the system names them: the listed folder comes back with its links resolved.
    const bool back =
        !view_.openedIn.isEmpty() &&
        QFileInfo(listed).canonicalFilePath() == QFileInfo(view_.openedIn).canonicalFilePath();
    view_.openedIn.clear();
    if (!back)
        view_ = {};
    scan(back ? folder() : listed);
}

void SoundTablePanel::fitPathColumn()
{
    // The longest in characters stands for the widest: one measure, however many rows.
    QString longest;
    for (int row = 0; row < model_->rowCount(); ++row)
        if (const QString &path = model_->sound(row).path; path.size() > longest.size())
            longest = path;
    const int wanted = tblSounds->fontMetrics().horizontalAdvance(longest) + 16;
    QHeaderView *header = tblSounds->horizontalHeader();
    const int now = header->sectionSize(SoundTableModel::Path);
    // Beyond half the table the path is cut in its middle, where a user least needs it.
    header->resizeSection(SoundTableModel::Path,
                          std::max(now, std::min(wanted, tblSounds->viewport()->width() / 2)));
}

// After a listing that came back to the sound opened: its selection, current row and scroll.
void SoundTablePanel::restoreView()
{
    const View view = std::exchange(view_, {});
    QItemSelection rows;
    for (const QString &path : view.selected) {
        const int row = model_->shownRowOf(path);
        if (row >= 0)
            rows.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
    }
    QItemSelectionModel *selection = tblSounds->selectionModel();
    if (const int current = model_->shownRowOf(view.current); current >= 0)
        selection->setCurrentIndex(model_->index(current, 0), QItemSelectionModel::NoUpdate);
    selection->select(rows, QItemSelectionModel::ClearAndSelect);
    if (const int top = model_->shownRowOf(view.top); top >= 0)
        tblSounds->scrollTo(model_->index(top, 0), QAbstractItemView::PositionAtTop);
}

} // namespace kelvane
