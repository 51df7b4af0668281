#include "all_sounds_panel.h"

#include "attribute_rules.h"
#include "backup_restore.h"
#include "batch_edit.h"
#include "game_sound_types.h"
#include "kelvane_form.h"
#include "kelvane_version.h"
#include "message_words.h"
#include "number_text.h"
#include "sound_scan.h"
#include "sound_table_model.h"
#include "widget_making.h"

#include <algorithm>
#include <array>

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QThread>
#include <QTimer>

namespace kelvane {

namespace {

// Rows are taken from the work this often: often enough to watch them come, rarely enough
// that the window spends its time on the user.
constexpr int kPollMilliseconds = 25;

QLineEdit *editBox(QWidget *parent, const char *name)
{
    auto *box = named(new QLineEdit(parent), name);
    box->setPlaceholderText(TAllSoundsPanel::tr("unchanged"));
    box->setMinimumWidth(70);
    return box;
}

} // namespace

TAllSoundsPanel::TAllSoundsPanel(std::function<bool()> backups, QWidget *parent)
    : QWidget(parent)
    , backups_(std::move(backups))
{
    setObjectName(QStringLiteral("pnlAllSounds"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(6);
    buildEditor(this);
    buildFilter(this);
    buildTable();
    column->addWidget(tblSounds, 1);

    prgWork = named(new QProgressBar(this), "prgWork");
    prgWork->setFormat(tr("%v of %m"));
    prgWork->setMaximumWidth(180);
    btnCancelWork = named(new QPushButton(tr("Cancel"), this), "btnCancelWork");
    connect(btnCancelWork, &QPushButton::clicked, this, &TAllSoundsPanel::cancel);
    showProgress(false);

    poller_ = new QTimer(this);
    poller_->setInterval(kPollMilliseconds);
    connect(poller_, &QTimer::timeout, this, &TAllSoundsPanel::poll);
}

TAllSoundsPanel::~TAllSoundsPanel() = default;

void TAllSoundsPanel::buildEditor(QWidget *parent)
{
    auto *editor = named(new QFrame(parent), "pnlManyEdit");
    auto *grid = new QGridLayout(editor);
    grid->setContentsMargins(0, 0, 0, 0);
    cmbManyType = named(new QComboBox(editor), "cmbManyType");
    cmbManyType->addItem(tr("(unchanged)"));
    for (const GameSoundType &type : GameSoundTypes)
        cmbManyType->addItem(QString::fromLatin1(type.name.data(), qsizetype(type.name.size())));
    txtManyBaseValue = editBox(editor, "txtManyBaseValue");
    txtManyMinDist = editBox(editor, "txtManyMinDist");
    txtManyMaxDist = editBox(editor, "txtManyMaxDist");
    txtManyMaxAIDist = editBox(editor, "txtManyMaxAIDist");
    btnApplyMany = named(new QPushButton(tr("Apply to Selected"), editor), "btnApplyMany");
    btnApplyMany->setToolTip(tr("Sets the filled-in fields in every selected sound; each sound "
                                "keeps its own value of a field left empty"));
    const auto label = [&](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, editor);
        l->setBuddy(buddy);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    grid->addWidget(label(tr("Game Sound Type"), cmbManyType), 0, 0);
    grid->addWidget(cmbManyType, 0, 1, 1, 3);
    grid->addWidget(label(tr("Volume"), txtManyBaseValue), 0, 4);
    grid->addWidget(txtManyBaseValue, 0, 5);
    grid->addWidget(btnApplyMany, 0, 6);
    grid->addWidget(label(tr("Min"), txtManyMinDist), 1, 0);
    grid->addWidget(txtManyMinDist, 1, 1);
    grid->addWidget(label(tr("Max"), txtManyMaxDist), 1, 2);
    grid->addWidget(txtManyMaxDist, 1, 3);
    grid->addWidget(label(tr("AI"), txtManyMaxAIDist), 1, 4);
    grid->addWidget(txtManyMaxAIDist, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    connect(btnApplyMany, &QPushButton::clicked, this, &TAllSoundsPanel::applyToSelected);
    layout()->addWidget(editor);
}

void TAllSoundsPanel::buildFilter(QWidget *parent)
{
    auto *row = new QHBoxLayout;
    txtFilter = named(new QLineEdit(parent), "txtFilter");
    txtFilter->setPlaceholderText(tr("Filter: a part of the path"));
    txtFilter->setClearButtonEnabled(true);
    cbxWarningsOnly = named(new QCheckBox(tr("Warnings only"), parent), "cbxWarningsOnly");
    cbxStopsGameOnly = named(new QCheckBox(tr("Stops the game"), parent), "cbxStopsGameOnly");
    cbxStopsGameOnly->setToolTip(tr("Only the sounds the game stops on: a value it refuses, or a "
                                    "file its decoder cannot open"));
    lblSoundCount = named(new QLabel(parent), "lblSoundCount");
    row->addWidget(txtFilter, 1);
    row->addWidget(cbxWarningsOnly);
    row->addWidget(cbxStopsGameOnly);
    row->addWidget(lblSoundCount);
    static_cast<QBoxLayout *>(layout())->addLayout(row);
    const auto filter = [this] {
        model_->setFilter(txtFilter->text(), cbxWarningsOnly->isChecked(),
                          cbxStopsGameOnly->isChecked());
        showCount();
    };
    connect(txtFilter, &QLineEdit::textChanged, this, filter);
    connect(cbxWarningsOnly, &QCheckBox::toggled, this, filter);
    connect(cbxStopsGameOnly, &QCheckBox::toggled, this, filter);
}

void TAllSoundsPanel::buildTable()
{
    model_ = new SoundTableModel(this);
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
    QHeaderView *header = tblSounds->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    // Room for the usual texts of each column; the user may widen any of them.
    const QFontMetrics metrics = tblSounds->fontMetrics();
    const auto room = [&](const QString &text) { return metrics.horizontalAdvance(text) + 16; };
    header->resizeSection(SoundTableModel::Path,
                          room(QStringLiteral("weapons/ak74/ak74_reload_02.ogg")));
    header->resizeSection(SoundTableModel::Type, room(QStringLiteral("weapon_recharging")));
    for (int column : {SoundTableModel::Volume, SoundTableModel::MinDist, SoundTableModel::MaxDist,
                       SoundTableModel::MaxAIDist})
        header->resizeSection(column, room(QStringLiteral("300.0000000")));
    header->resizeSection(SoundTableModel::Rate, room(QStringLiteral("44100")));
    header->resizeSection(SoundTableModel::Channels, room(tr("Channels")));
    header->resizeSection(SoundTableModel::Length, room(QStringLiteral("10.000 s (0:10)")));
    // The state's mark stands before its text.
    header->resizeSection(SoundTableModel::State,
                          room(SoundTableModel::tr("stops the game")) + metrics.height() + 8);
    connect(tblSounds, &QTableView::doubleClicked, this, &TAllSoundsPanel::openCurrent);
    // The row a user moves to says in the status bar what the game does with it.
    connect(tblSounds->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!current.isValid() || current.row() >= model_->rowCount())
                    return;
                const QString warnings =
                    model_->index(current.row(), SoundTableModel::Warnings).data().toString();
                if (!warnings.isEmpty())
                    Q_EMIT status(QLatin1Char(' ') + model_->sound(current.row()).path +
                                  QStringLiteral(": ") + warnings);
            });
    tblSounds->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tblSounds, &QTableView::customContextMenuRequested, this,
            &TAllSoundsPanel::showTableMenu);
    tblSounds->installEventFilter(this);
}

QList<QWidget *> TAllSoundsPanel::progressWidgets() const
{
    return {prgWork, btnCancelWork};
}

bool TAllSoundsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tblSounds && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TAllSoundsPanel::busy() const
{
    return scan_ || edit_;
}

void TAllSoundsPanel::showProgress(bool shown)
{
    prgWork->setVisible(shown);
    btnCancelWork->setVisible(shown);
    btnApplyMany->setEnabled(!shown);
}

void TAllSoundsPanel::scan(const QString &folder)
{
    if (edit_) {
        Q_EMIT status(tr(" The sounds are being written; list them again when that is done."));
        return;
    }
    scan_.reset();
    folder_ = folder;
    model_->clear();
    // Reading waits on the disk more than on the cores: several files at once per core keep
    // the disk busy, as on the command line.
    scan_ = std::make_unique<SoundScan>(folder, 4 * std::max(1, QThread::idealThreadCount()));
    prgWork->setRange(0, 0);
    showProgress(true);
    Q_EMIT status(tr(" Listing the sounds of %1").arg(folder));
    showCount();
    poller_->start();
}

void TAllSoundsPanel::cancel()
{
    if (scan_)
        scan_->cancel();
    if (edit_)
        edit_->cancel();
}

void TAllSoundsPanel::poll()
{
    if (scan_) {
        const bool ended = scan_->finished();
        if (std::vector<ScannedSound> rows = scan_->take(); !rows.empty())
            model_->add(std::move(rows));
        if (scan_->total() >= 0) {
            if (prgWork->maximum() == 0)
                model_->reserve(scan_->total());
            prgWork->setMaximum(int(scan_->total()));
            prgWork->setValue(int(scan_->done()));
        }
        showCount();
        if (ended)
            finishScan();
        return;
    }
    if (edit_) {
        const bool ended = edit_->finished();
        std::vector<ScannedSound> rows;
        for (EditOutcome &outcome : edit_->take()) {
            ScannedSound &row = rows.emplace_back(std::move(outcome.row));
            if (outcome.result == EditOutcome::Written) {
                ++written_;
            } else if (outcome.result == EditOutcome::Unchanged) {
                ++unchanged_;
            } else {
                ++failed_;
                row.warnings.insert(row.warnings.begin(),
                                    Message(MessageKind::NotWritten, {}, {outcome.message}));
            }
        }
        if (!rows.empty())
            model_->add(std::move(rows));
        prgWork->setValue(written_ + unchanged_ + failed_);
        if (ended)
            finishEdit();
        return;
    }
    poller_->stop();
}

void TAllSoundsPanel::finishScan()
{
    const bool cancelled = scan_->cancelled();
    const qsizetype total = scan_->total();
    scan_.reset();
    poller_->stop();
    showProgress(false);
    showCount();
    if (cancelled)
        Q_EMIT status(tr(" Listing cancelled: %1 of %2 sounds listed.")
                          .arg(model_->allRows())
                          .arg(total < 0 ? 0 : total));
    else if (!afterScan_.isEmpty())
        Q_EMIT status(afterScan_); // what the work that asked for the listing did
    else
        Q_EMIT status(tr(" Listed %1 sounds of %2").arg(model_->allRows()).arg(folder_));
    afterScan_.clear();
}

void TAllSoundsPanel::finishEdit()
{
    const bool cancelled = edit_->cancelled();
    edit_.reset();
    poller_->stop();
    showProgress(false);
    showCount();
    QString text = tr(" Wrote %1 sounds, %2 unchanged, %3 not written.")
                       .arg(written_)
                       .arg(unchanged_)
                       .arg(failed_);
    if (cancelled)
        text += tr(" Cancelled: the others are as they were.");
    else if (failed_ > 0)
        text += tr(" Their rows say why.");
    Q_EMIT status(text);
}

void TAllSoundsPanel::showCount()
{
    lblSoundCount->setText(tr("%1 of %2 sounds").arg(model_->rowCount()).arg(model_->allRows()));
}

std::optional<AttributeEdits> TAllSoundsPanel::readEdits()
{
    const std::array<std::pair<QLineEdit *, std::optional<float> AttributeEdits::*>, 4> boxes{{
        {txtManyBaseValue, &AttributeEdits::volume},
        {txtManyMinDist, &AttributeEdits::minDist},
        {txtManyMaxDist, &AttributeEdits::maxDist},
        {txtManyMaxAIDist, &AttributeEdits::maxAIDist},
    }};
    AttributeEdits edits;
    if (cmbManyType->currentIndex() > 0)
        edits.gameType = gameTypeCode(std::size_t(cmbManyType->currentIndex() - 1));
    for (const auto &[box, member] : boxes) {
        if (box->text().trimmed().isEmpty())
            continue;
        edits.*member = parseNumber(box->text(), userDecimalSeparator());
        if (!(edits.*member)) {
            const QString notValid = TKelvaneForm::notValidText();
            Q_EMIT status(notValid);
            QMessageBox(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), notValid,
                        QMessageBox::Ok, this)
                .exec();
            box->setFocus();
            return std::nullopt;
        }
    }
    const TSoundAttributes probe = edits.probe();
    if (const auto broken =
            firstRuleBroken(probe.baseValue, probe.minDist, probe.maxDist, probe.maxAIDist)) {
        const Message rule = ruleText(*broken);
        Q_EMIT status(wordsOf(rule));
        boxes[std::size_t(*broken)].first->setFocus();
        return std::nullopt;
    }
    return edits;
}

void TAllSoundsPanel::applyToSelected()
{
    if (busy())
        return;
    const auto edits = readEdits();
    if (!edits)
        return;
    if (!edits->any()) {
        Q_EMIT status(tr(" Fill in what to set; an empty field keeps each sound's own value."));
        return;
    }
    std::vector<EditTarget> targets;
    for (const QModelIndex &index : tblSounds->selectionModel()->selectedRows()) {
        const ScannedSound &row = model_->sound(index.row());
        targets.push_back({row.path, row.identity});
    }
    if (targets.empty()) {
        Q_EMIT status(tr(" Select the sounds to change first."));
        return;
    }
    std::sort(targets.begin(), targets.end(),
              [](const EditTarget &a, const EditTarget &b) { return a.path < b.path; });
    written_ = unchanged_ = failed_ = 0;
    prgWork->setRange(0, int(targets.size()));
    prgWork->setValue(0);
    showProgress(true);
    Q_EMIT status(tr(" Writing %1 sounds").arg(targets.size()));
    edit_ = std::make_unique<BatchEdit>(folder_, std::move(targets), *edits,
                                        backups_() ? Backup::IfAbsent : Backup::None);
    poller_->start();
}

void TAllSoundsPanel::openCurrent()
{
    const QModelIndex current = tblSounds->currentIndex();
    if (!current.isValid())
        return;
    Q_EMIT openSound(folder_ + QLatin1Char('/') + model_->sound(current.row()).path);
}

void TAllSoundsPanel::showTableMenu(const QPoint &at)
{
    if (!mnuSounds) {
        mnuSounds = named(new QMenu(tblSounds), "mnuSounds");
        QAction *restore = mnuSounds->addAction(tr("Restore Backups of Selected..."));
        restore->setObjectName(QStringLiteral("actRestoreSelected"));
        connect(restore, &QAction::triggered, this, &TAllSoundsPanel::restoreSelected);
    }
    mnuSounds->actions().constFirst()->setEnabled(!busy() &&
                                                  tblSounds->selectionModel()->hasSelection());
    mnuSounds->popup(tblSounds->viewport()->mapToGlobal(at));
}

// Puts the selected sounds' backups back, in slices with one flush each, and reads the tree
// again: every restored sound is another file now.
void TAllSoundsPanel::restoreSelected()
{
    if (busy())
        return;
    QStringList paths;
    for (const QModelIndex &index : tblSounds->selectionModel()->selectedRows())
        paths << folder_ + QLatin1Char('/') + model_->sound(index.row()).path;
    if (paths.isEmpty())
        return;
    QMessageBox question(QMessageBox::Question, tr("Restore Backups"),
                         tr("Put the .bak backups of %n selected sound(s) back in their places?",
                            nullptr, int(paths.size())),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName(QStringLiteral("restoreQuestion"));
    question.setInformativeText(tr("Each sound that differs from its backup is kept as .newer "
                                   "beside it."));
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    paths.sort();
    int restored = 0;
    int without = 0;
    QStringList failures;
    for (const RestoreResult &done : restoreSounds(paths)) {
        if (done.outcome == RestoreResult::Restored)
            ++restored;
        else if (done.outcome == RestoreResult::NoBackup)
            ++without;
        else
            failures << done.sound + QStringLiteral(": ") +
                            wordsOf(withReason(done.failure, done.reason));
    }
    if (!failures.isEmpty()) {
        QMessageBox failed(QMessageBox::Warning, tr("Restore Backups"),
                           tr("%n sound(s) could not be restored.", nullptr, int(failures.size())),
                           QMessageBox::Ok, this);
        failed.setObjectName(QStringLiteral("restoreFailed"));
        failed.setDetailedText(failures.join(QLatin1Char('\n')));
        failed.exec();
    }
    scan(folder_);
    afterScan_ = tr(" Restored %1; %2 without a backup; %3 not restored.")
                     .arg(restored)
                     .arg(without)
                     .arg(failures.size());
    Q_EMIT status(afterScan_);
}

} // namespace kelvane
