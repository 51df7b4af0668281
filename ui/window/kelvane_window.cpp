// The window's shell: the strip of buttons, the folder line, the stack of the two views, the
// status bar, and closing.
#include "kelvane_window.h"

#include "caption_panel.h"
#include "desktop_launcher.h"
#include "eliding_label.h"
#include "error_display.h"
#include "file_identity.h"
#include "game_ready_batch.h"
#include "game_sound_types.h"
#include "help_desk.h"
#include "hint_tracker.h"
#include "last_press.h"
#include "sound_page.h"
#include "sound_table_panel.h"
#include "widget_making.h"

#include <exception>

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>

namespace kelvane {

namespace {

constexpr int kWindowWidth = 712;

// The folder as the folder line shows it: with its separator at the end, in the system's own
// separators ("C:\Sounds\" on Windows).
QString withSeparator(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return QDir::toNativeSeparators(path);
}

// Import's picture: an arrow going down into a tray, in the buttons' own text colour.
QIcon importIcon(const QColor &ink)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(8, 1.5), QPointF(8, 10));
    painter.drawPolyline(QPolygonF({{4.5, 6.5}, {8, 10}, {11.5, 6.5}}));
    painter.drawPolyline(QPolygonF({{1.5, 10}, {1.5, 14.5}, {14.5, 14.5}, {14.5, 10}}));
    return QIcon(picture);
}

} // namespace

KelvaneWindow::KelvaneWindow(DesktopLauncher *launcher, SoundOutput *output, QWidget *parent)
    : QMainWindow(parent)
    , launcher_(launcher)
{
    setObjectName(QStringLiteral("KelvaneForm"));
    if (!launcher_) {
        ownLauncher_ = std::make_unique<SystemDesktopLauncher>();
        launcher_ = ownLauncher_.get();
    }
    setFont(sansFont(8));
    resize(kWindowWidth, 464);
    setWindowTitle(QStringLiteral("S.T.A.L.K.E.R. ") + QString::fromLatin1(kApplicationTitle));
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);

    buildTopStrip(central);
    column->addWidget(pnlMetaControl);
    pnlCurrentDir = new CaptionPanel(QStringLiteral("pnlCurrentDir"), central, Qt::ElideMiddle);
    pnlCurrentDir->setFont(sansFont(8));
    pnlCurrentDir->setFixedHeight(25);
    pnlCurrentDir->setText(QStringLiteral("< No Directory Selected >"));
    column->addWidget(pnlCurrentDir);

    // The single-file view, and the sound table of the whole folder tree once it is asked for.
    stkViews = named(new QStackedWidget(central), "stkViews");
    presses_ = new LastPress(this);
    pnlSound = named(new SoundPage(
                         QDir::currentPath(), output,
                         [this] { return cbxRenameOriginals->isChecked(); }, presses_, stkViews),
                     "pnlSound");
    stkViews->addWidget(pnlSound);
    column->addWidget(stkViews, 1);
    buildStatusBar();
    help_ = new HelpDesk(this, launcher_);

    setTabOrderChain();
    setHints();
    wireEvents();
    try {
        auto *hints = new HintTracker(this);
        connect(hints, &HintTracker::hintChanged, this, &KelvaneWindow::setStatusText);
        hints->install();
        pnlSound->listFolder(pnlSound->folder());
    } catch (const std::exception &error) {
        showErrorDisplay(QString::fromLocal8Bit(error.what()));
    }
}

KelvaneWindow::~KelvaneWindow() = default;

void KelvaneWindow::buildTopStrip(QWidget *parent)
{
    pnlMetaControl = new RaisedPanel(QStringLiteral("pnlMetaControl"), parent);
    pnlMetaControl->setFixedHeight(37);
    btnSelectDirectory = placedButton(pnlMetaControl, "btnSelectDirectory",
                                      tr("Select Drive/Directory"), {14, 6, 151, 25});
    cbxRenameOriginals = named(new QCheckBox(tr("Rename Originals with .bak"), pnlMetaControl),
                               "cbxRenameOriginals");
    cbxRenameOriginals->setFont(sansFont(10));
    cbxRenameOriginals->setGeometry(184, 12, std::max(189, cbxRenameOriginals->sizeHint().width()),
                                    std::max(17, cbxRenameOriginals->sizeHint().height()));
    cbxRenameOriginals->setChecked(true);

    pnlHelpAbout = new RaisedPanel(QStringLiteral("pnlHelpAbout"), pnlMetaControl, false);
    pnlHelpAbout->setFixedWidth(196);
    btnHelp = placedButton(pnlHelpAbout, "btnHelp", tr("Help"), {14, 6, 75, 25});
    btnAbout = placedButton(pnlHelpAbout, "btnAbout", tr("About"), {105, 6, 75, 25});
    btnOverview = named(new QPushButton(tr("All Sounds"), pnlMetaControl), "btnOverview");
    btnOverview->setFont(sansFont(10));
    btnOverview->setCheckable(true);
    btnOverview->setFixedSize(std::max(85, btnOverview->sizeHint().width()), 25);
    // A picture alone: the strip keeps the window's width; its name is the tip and the hint.
    btnImport = named(new QToolButton(pnlMetaControl), "btnImport");
    btnImport->setIcon(importIcon(btnImport->palette().color(QPalette::ButtonText)));
    btnImport->setToolTip(tr("Import Sounds..."));
    btnImport->setAccessibleName(tr("Import Sounds..."));
    btnImport->setFixedSize(26, 25);
    // Help and About keep to the right edge, the sound table's button beside them, and never cover
    // the check box.
    pnlMetaControl->setMinimumWidth(roomFor({btnSelectDirectory, cbxRenameOriginals}, 8).width() +
                                    btnImport->width() + 2 + btnOverview->width() +
                                    pnlHelpAbout->width());
    auto *row = new QHBoxLayout(pnlMetaControl);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addStretch(1);
    row->addWidget(btnImport);
    row->addSpacing(2);
    row->addWidget(btnOverview);
    row->addWidget(pnlHelpAbout);
}

void KelvaneWindow::buildStatusBar()
{
    sbStatus = named(new QStatusBar(this), "sbStatus");
    sbStatus->setFixedHeight(27);
    sbStatus->setFont(sansFont(8));
    sbStatus->setSizeGripEnabled(true);
    statusLabel_ = named(new ElidingLabel(sbStatus), "sbStatusText");
    sbStatus->addWidget(statusLabel_, 1);
    setStatusBar(sbStatus);
}

void KelvaneWindow::setTabOrderChain()
{
    const QList<QWidget *> chain =
        QList<QWidget *>{
            btnSelectDirectory, cbxRenameOriginals, btnImport, btnOverview, btnHelp, btnAbout} +
        pnlSound->tabChain();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void KelvaneWindow::setHints()
{
    HintTracker::setHint(btnSelectDirectory, tr("Shift-click to open Explorer"));
    HintTracker::setHint(cbxRenameOriginals,
                         tr("Make backups when saving|When a changed file is saved, the original "
                            "can be renamed with .bak extension"));
    HintTracker::setHint(pnlCurrentDir, tr("|Click for Open dialog, Shift-click to explore this "
                                           "dir, Ctrl-click to refresh list"));
    HintTracker::setHint(btnImport, tr("Make game sounds of WAV, AIFF, FLAC or Ogg files (or drop "
                                       "them on the list)|Each becomes an Ogg Vorbis sound at "
                                       "44100 Hz, mono unless told otherwise, with the block "
                                       "chosen, in the folder chosen."));
    HintTracker::setHint(btnOverview, tr("Every sound of this folder and its sub-folders (Ctrl+R "
                                         "lists them again)|One row per sound of this folder and "
                                         "its sub-folders: sort, filter, and set fields of many "
                                         "sounds at once. Double-click a row to open it here."));
}

void KelvaneWindow::wireEvents()
{
    presses_->watch(btnSelectDirectory);
    connect(btnSelectDirectory, &QPushButton::clicked, this, [this] { selectDirectory(false); });
    connect(pnlCurrentDir, &CaptionPanel::pressed, presses_, &LastPress::record);
    connect(pnlCurrentDir, &CaptionPanel::clicked, this, [this] { selectDirectory(true); });
    connect(pnlSound, &SoundPage::status, this, &KelvaneWindow::setStatusText);
    connect(pnlSound, &SoundPage::folderListed, this, &KelvaneWindow::showFolderLine);
    connect(btnHelp, &QPushButton::clicked, help_, &HelpDesk::showHelp);
    connect(btnAbout, &QPushButton::clicked, help_, &HelpDesk::showAbout);
    connect(help_, &HelpDesk::status, this, &KelvaneWindow::setStatusText);
    connect(btnOverview, &QPushButton::clicked, this,
            [this] { showAllSounds(btnOverview->isChecked()); });
    connect(btnImport, &QToolButton::clicked, this, [this] { importSounds({}); });
    connect(pnlSound, &SoundPage::importAsked, this, &KelvaneWindow::importSounds);
    connect(pnlSound, &SoundPage::gameReadyAsked, this, [this](const QString &path) {
        makeGameReady({{path, path, identityOfPath(path)}});
    });
    auto *refresh = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    connect(refresh, &QShortcut::activated, this, &KelvaneWindow::refreshShortcut);
}

void KelvaneWindow::closeEvent(QCloseEvent *event)
{
    // Closing: pending changes are offered for saving; stop keeps the window open.
    if (pnlSound->settle() && (!allSoundsShown() || pnlAllSounds->settle())) {
        pnlSound->stopPlaying();
        event->accept();
    } else {
        event->ignore();
    }
}

QString KelvaneWindow::statusText() const
{
    return statusLabel_->text();
}

void KelvaneWindow::setStatusText(const QString &text)
{
    statusLabel_->setText(text);
}

bool KelvaneWindow::dataChanged() const
{
    return pnlSound->dataChanged();
}

const QString &KelvaneWindow::currentFileName() const
{
    return pnlSound->currentFileName();
}

const QString &KelvaneWindow::listedFolder() const
{
    return pnlSound->folder();
}

QString KelvaneWindow::programDir() const
{
    return help_->programDir();
}

void KelvaneWindow::startWith(const QString &fileName, const QString &problem)
{
    pnlSound->startWith(fileName, problem);
}

bool KelvaneWindow::listFolder(const QString &folder)
{
    return pnlSound->listFolder(folder);
}

void KelvaneWindow::showFolderLine(const QString &folder)
{
    pnlCurrentDir->setText(withSeparator(folder));
    // The sound table shows the same folder: a new listing lists its tree again.
    if (allSoundsShown())
        pnlAllSounds->scan(folder);
}

// Shift: the folder in the file manager; Ctrl: the folder listed again; else the Open dialog,
// from the folder line in the folder it shows.
void KelvaneWindow::selectDirectory(bool fromFolderLine)
{
    if (presses_->shift()) {
        const QString folder = pnlCurrentDir->text();
        setStatusText(tr("Explorer.exe /n,/e,") + folder);
        launcher_->openFolder(folder);
    } else if (presses_->ctrl()) {
        if (pnlSound->settle())
            pnlSound->reload();
    } else {
        pnlSound->chooseFolder(fromFolderLine ? pnlCurrentDir->text() : QString());
    }
}

bool KelvaneWindow::allSoundsShown() const
{
    return pnlAllSounds && stkViews->currentWidget() == pnlAllSounds;
}

SoundTablePanel *KelvaneWindow::allSounds()
{
    if (pnlAllSounds)
        return pnlAllSounds;
    pnlAllSounds =
        new SoundTablePanel([this] { return cbxRenameOriginals->isChecked(); }, stkViews);
    stkViews->addWidget(pnlAllSounds);
    for (QWidget *widget : pnlAllSounds->statusWidgets())
        sbStatus->addPermanentWidget(widget);
    connect(pnlAllSounds, &SoundTablePanel::playSound, pnlSound, &SoundPage::playFile);
    connect(pnlAllSounds, &SoundTablePanel::showInFileManager, this,
            [this](const QString &folder) { launcher_->openFolder(folder); });
    connect(pnlAllSounds, &SoundTablePanel::status, this, &KelvaneWindow::setStatusText);
    connect(pnlAllSounds, &SoundTablePanel::openSound, this, &KelvaneWindow::openFromAllSounds);
    connect(pnlAllSounds, &SoundTablePanel::importAsked, this, &KelvaneWindow::importSounds);
    connect(pnlAllSounds, &SoundTablePanel::gameReadyAsked, this, &KelvaneWindow::makeGameReady);
    return pnlAllSounds;
}

void KelvaneWindow::showAllSounds(bool shown)
{
    if (shown == allSoundsShown()) {
        btnOverview->setChecked(shown);
        return;
    }
    if (shown) {
        // The sound table may write any sound, the loaded one too: its edits are settled first.
        if (!pnlSound->settle()) {
            btnOverview->setChecked(false);
            return;
        }
        pnlSound->stopPlaying();
        btnOverview->setChecked(true);
        stkViews->setCurrentWidget(allSounds());
        pnlAllSounds->showFor(pnlSound->folder());
        // The table may list the tree it listed before, above the single view's folder.
        pnlCurrentDir->setText(withSeparator(pnlAllSounds->folder()));
        pnlAllSounds->setFocus();
        return;
    }
    if (!pnlAllSounds->settle()) {
        btnOverview->setChecked(true);
        return;
    }
    leaveAllSounds();
    // Sounds may have changed on disk meanwhile: the list and the loaded sound are read again.
    pnlSound->reload();
}

// Back to the single-file view; work under way stops before its next sound.
void KelvaneWindow::leaveAllSounds()
{
    pnlSound->stopOutput(); // a sound played from the table
    btnOverview->setChecked(false);
    pnlAllSounds->cancel();
    stkViews->setCurrentWidget(pnlSound);
}

void KelvaneWindow::openFromAllSounds(const QString &path)
{
    if (!pnlAllSounds->settle())
        return;
    leaveAllSounds();
    pnlSound->openSound(path);
}

void KelvaneWindow::refreshShortcut()
{
    if (allSoundsShown()) {
        if (pnlAllSounds->settle())
            pnlAllSounds->scan(pnlSound->folder());
        return;
    }
    // As a Ctrl-click on Select Drive/Directory.
    if (pnlSound->settle())
        pnlSound->reload();
}

} // namespace kelvane
