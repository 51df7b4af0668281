// The window's controls: docking strips, fixed-position controls, fonts, keyboard order, hints
// and the wiring of their events.
#include "attribute_editor.h"
#include "caption_panel.h"
#include "desktop_launcher.h"
#include "eliding_label.h"
#include "error_display.h"
#include "file_dialog_fitting.h"
#include "game_sound_types.h"
#include "hint_tracker.h"
#include "kelvane_window.h"
#include "list_entry_tips.h"
#include "sound_output.h"
#include "waveform_view.h"
#include "widget_making.h"

#include <exception>

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStringListModel>

namespace kelvane {

namespace {

constexpr int kWindowWidth = 712;
constexpr int kFileListWidth = 245;
// Narrower than this, a list entry shows too little of a name to choose by.
constexpr int kLeastFileListWidth = 120;

QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                    bool bold = false)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setFont(sansFont(10, bold));
    // Positions as laid out; wider where the face needs it.
    geometry.setWidth(std::max(geometry.width(), b->sizeHint().width()));
    b->setGeometry(geometry);
    return b;
}

QFileDialog *soundDialog(QWidget *parent, const char *name, QFileDialog::AcceptMode mode)
{
    auto *dialog = named(new QFileDialog(parent), name);
    // Qt's own dialog on every desktop: the Open dialog picks a folder by confirming a name
    // that does not exist, which native dialogs refuse.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setNameFilters(
        {KelvaneWindow::tr("Ogg Vorbis sound files (*.ogg)"), KelvaneWindow::tr("All files (*)")});
    dialog->setFileMode(QFileDialog::AnyFile);
    return dialog;
}

} // namespace

KelvaneWindow::KelvaneWindow(DesktopLauncher *launcher, SoundOutput *output, QWidget *parent)
    : QMainWindow(parent)
    , launcher_(launcher)
    , output_(output)
{
    setObjectName(QStringLiteral("KelvaneForm"));
    if (!launcher_) {
        ownLauncher_ = std::make_unique<SystemDesktopLauncher>();
        launcher_ = ownLauncher_.get();
    }
    buildControls();

    setWindowTitle(QStringLiteral("S.T.A.L.K.E.R. ") + QString::fromLatin1(kApplicationTitle));
    programDir_ = QCoreApplication::applicationDirPath() + QLatin1Char('/');

    try {
        startUp();
    } catch (const std::exception &error) {
        showErrorDisplay(QString::fromLocal8Bit(error.what()));
    }
}

KelvaneWindow::~KelvaneWindow()
{
    shutDown();
}

void KelvaneWindow::buildControls()
{
    setFont(sansFont(8));
    resize(kWindowWidth, 464);
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
    stkViews->addWidget(buildBody(stkViews));
    column->addWidget(stkViews, 1);

    sbStatus = named(new QStatusBar(this), "sbStatus");
    sbStatus->setFixedHeight(27);
    sbStatus->setFont(sansFont(8));
    sbStatus->setSizeGripEnabled(true);
    statusLabel_ = named(new ElidingLabel(sbStatus), "sbStatusText");
    sbStatus->addWidget(statusLabel_, 1);
    setStatusBar(sbStatus);

    setAttributeControlsEnabled(false);
    showTracking();
    setTabOrderChain();
    setHints();
    wireEvents();
}

// The file list and, beside it, the attributes and the buttons.
QSplitter *KelvaneWindow::buildBody(QWidget *parent)
{
    // The list keeps its width when the window is resized; the splitter lets the user widen it.
    auto *body = named(new QSplitter(Qt::Horizontal, parent), "splFileList");
    body->setChildrenCollapsible(false);
    body->setHandleWidth(4);
    pnlFileList = new RaisedPanel(QStringLiteral("pnlFileList"), body);
    pnlFileList->setMinimumWidth(kLeastFileListWidth);
    auto *listColumn = new QVBoxLayout(pnlFileList);
    listColumn->setContentsMargins(0, 0, 0, 0);
    lstFiles = named(new QListView(pnlFileList), "lstFiles");
    fileEntries_ = new QStringListModel(lstFiles);
    lstFiles->setModel(fileEntries_);
    lstFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstFiles->setFont(sansFont(10));
    lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    lstFiles->setUniformItemSizes(true);
    showCutEntriesWhole(lstFiles);
    listColumn->addWidget(lstFiles);
    body->addWidget(pnlFileList);

    pnlControl = new RaisedPanel(QStringLiteral("pnlControl"), body);
    auto *controlColumn = new QVBoxLayout(pnlControl);
    controlColumn->setContentsMargins(0, 0, 0, 0);
    controlColumn->setSpacing(0);
    buildAttributeArea(pnlControl);
    controlColumn->addWidget(pnlAttributes, 1);
    buildFileChange(pnlControl);
    controlColumn->addWidget(pnlFileChange);
    body->addWidget(pnlControl);
    body->setStretchFactor(0, 0);
    body->setStretchFactor(1, 1);
    body->setSizes({kFileListWidth, kWindowWidth - kFileListWidth - body->handleWidth()});
    return body;
}

void KelvaneWindow::buildFileChange(QWidget *parent)
{
    pnlFileChange = new RaisedPanel(QStringLiteral("pnlFileChange"), parent);
    pnlFileChange->setFixedHeight(48);
    btnApply = button(pnlFileChange, "btnApply", tr("&Apply"), {14, 10, 75, 25}, true);
    btnRevert = button(pnlFileChange, "btnRevert", tr("&Revert"), {134, 10, 75, 25}, true);
    btnCopy = button(pnlFileChange, "btnCopy", tr("&Copy"), {254, 10, 75, 25}, true);
    btnPaste = button(pnlFileChange, "btnPaste", tr("&Paste"), {374, 10, 75, 25}, true);
    pnlFileChange->setMinimumWidth(roomFor({btnApply, btnRevert, btnCopy, btnPaste}, 6).width());
}

// The file dialogs are made when first needed: building them lists a folder, which would
// double the window's start-up time. Once made, each keeps its folder for the next use.
QFileDialog *KelvaneWindow::openDialog()
{
    if (!dlgOpen)
        dlgOpen = soundDialog(this, "dlgOpen", QFileDialog::AcceptOpen);
    fitFileDialog(dlgOpen);
    return dlgOpen;
}

QFileDialog *KelvaneWindow::saveDialog()
{
    if (!dlgSave) {
        dlgSave = soundDialog(this, "dlgSave", QFileDialog::AcceptSave);
        dlgSave->setDefaultSuffix(QStringLiteral("ogg"));
    }
    fitFileDialog(dlgSave);
    return dlgSave;
}

void KelvaneWindow::buildTopStrip(QWidget *parent)
{
    pnlMetaControl = new RaisedPanel(QStringLiteral("pnlMetaControl"), parent);
    pnlMetaControl->setFixedHeight(37);
    btnSelectDirectory = button(pnlMetaControl, "btnSelectDirectory", tr("Select Drive/Directory"),
                                {14, 6, 151, 25});
    cbxRenameOriginals = named(new QCheckBox(tr("Rename Originals with .bak"), pnlMetaControl),
                               "cbxRenameOriginals");
    cbxRenameOriginals->setFont(sansFont(10));
    cbxRenameOriginals->setGeometry(184, 12, std::max(189, cbxRenameOriginals->sizeHint().width()),
                                    std::max(17, cbxRenameOriginals->sizeHint().height()));
    cbxRenameOriginals->setChecked(true);

    pnlHelpAbout = new RaisedPanel(QStringLiteral("pnlHelpAbout"), pnlMetaControl, false);
    pnlHelpAbout->setFixedWidth(196);
    btnHelp = button(pnlHelpAbout, "btnHelp", tr("Help"), {14, 6, 75, 25});
    btnAbout = button(pnlHelpAbout, "btnAbout", tr("About"), {105, 6, 75, 25});
    btnOverview = named(new QPushButton(tr("All Sounds"), pnlMetaControl), "btnOverview");
    btnOverview->setFont(sansFont(10));
    btnOverview->setCheckable(true);
    btnOverview->setFixedSize(std::max(85, btnOverview->sizeHint().width()), 25);
    // Help and About keep to the right edge, the sound table's button beside them, and never cover
    // the check box.
    pnlMetaControl->setMinimumWidth(roomFor({btnSelectDirectory, cbxRenameOriginals}, 8).width() +
                                    btnOverview->width() + pnlHelpAbout->width());
    auto *row = new QHBoxLayout(pnlMetaControl);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addStretch(1);
    row->addWidget(btnOverview);
    row->addWidget(pnlHelpAbout);
}

void KelvaneWindow::buildAttributeArea(QWidget *parent)
{
    pnlAttributes = new RaisedPanel(QStringLiteral("pnlAttributes"), parent);
    // The labels, boxes and combos take the area's font from it as they are made. A font set on
    // a combo itself would make the combo build its list's popup at once (a popup made when
    // first opened takes the combo's font).
    pnlAttributes->setFont(sansFont(10));
    auto *column = new QVBoxLayout(pnlAttributes);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    pnlFileName = new CaptionPanel(QStringLiteral("pnlFileName"), pnlAttributes, Qt::ElideMiddle);
    pnlFileName->setFont(sansFont(10, true));
    pnlFileName->setFixedHeight(32);
    pnlFileName->setText(noFileSelectedText());
    column->addWidget(pnlFileName);
    column->addStretch(1);

    // The inverse of a tooltip: its text colour as background, its background as text.
    pnlAttrStatus = new CaptionPanel(QStringLiteral("pnlAttrStatus"), pnlAttributes);
    pnlAttrStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlAttrStatus->setMargin(4);
    pnlAttrStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    pnlAttrStatus->setFont(sansFont(10, true));
    pnlAttrStatus->setFixedHeight(28);
    QPalette inverse = pnlAttrStatus->palette();
    inverse.setColor(QPalette::Window, inverse.color(QPalette::ToolTipText));
    inverse.setColor(QPalette::WindowText, inverse.color(QPalette::ToolTipBase));
    pnlAttrStatus->setPalette(inverse);
    pnlAttrStatus->setAutoFillBackground(true);
    pnlAttrStatus->hide();
    column->addWidget(pnlAttrStatus);

    // Fixed positions from the panel's top-left corner; the layout above does not move them.
    lblInfo = labelEndingAt(pnlAttributes, "lblInfo", tr("Sound File Info"), 109, 48);
    cmbInfo = named(new QComboBox(pnlAttributes), "cmbInfo");
    cmbInfo->setGeometry(120, 44, 325, 24);
    editor_ = new AttributeEditor(pnlAttributes);
    pnlAttributes->setMinimumWidth(
        roomFor({cmbInfo, editor_->box(AttributeField::MaxAIDist)}, 12).width());
    buildGameWarnings();
    buildSoundViews();
}

void KelvaneWindow::setTabOrderChain()
{
    const QList<QWidget *> chain =
        QList<QWidget *>{btnSelectDirectory, cbxRenameOriginals, btnOverview, btnHelp,
                         btnAbout,           lstFiles,           cmbInfo} +
        editor_->controls() + QList<QWidget *>{btnApply, btnRevert, btnCopy, btnPaste};
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
    HintTracker::setHint(pnlFileName, tr("Click to play or stop the sound (Ctrl+Space)|Click "
                                         "here or press Ctrl+Space to play the sound at the base "
                                         "volume in the box (at most 1.0); again to stop. A "
                                         "file over 10 MiB is read in part and not played."));
    HintTracker::setHint(cmbInfo, tr("Read-only details about the sound"));
    HintTracker::setHint(editor_->typeList(),
                         tr("Determines how AI will react|Determines how AI will "
                            "react if they hear the sound."));
    HintTracker::setHint(editor_->box(AttributeField::Volume), tr("0.0 to 2.0, typically 1.0"));
    HintTracker::setHint(editor_->box(AttributeField::MinDist),
                         tr("Full volume up to here|You will still hear the sound at "
                            "full volume up to this distance."));
    HintTracker::setHint(editor_->box(AttributeField::MaxDist),
                         tr("Still hear sound up to here|You will still be able to "
                            "hear the sound up to this distance."));
    HintTracker::setHint(editor_->box(AttributeField::MaxAIDist),
                         tr("AI will react up to this distance|Up to this distance, "
                            "AI will \"hear\" the sound for certain sound types."));
    HintTracker::setHint(btnApply, tr("Shift-click for Save as..."));
    HintTracker::setHint(btnOverview, tr("Every sound of this folder and its sub-folders (Ctrl+R "
                                         "lists them again)|One row per sound of this folder and "
                                         "its sub-folders: sort, filter, and set fields of many "
                                         "sounds at once. Double-click a row to open it here."));
    HintTracker::setHint(btnRevert, tr("Restore original file attributes"));
    HintTracker::setHint(btnCopy, tr("Make a copy of these attributes"));
    HintTracker::setHint(btnPaste, tr("Use previously-copied attributes"));
}

void KelvaneWindow::wireEvents()
{
    connect(btnSelectDirectory, &QPushButton::clicked, this,
            &KelvaneWindow::btnSelectDirectoryClick);
    connect(pnlCurrentDir, &CaptionPanel::pressed, this, &KelvaneWindow::btnMouseDown);
    connect(pnlCurrentDir, &CaptionPanel::clicked, this, &KelvaneWindow::pnlCurrentDirClick);
    btnSelectDirectory->installEventFilter(this);
    btnApply->installEventFilter(this);

    connect(lstFiles->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &KelvaneWindow::lstFilesClick);
    connect(lstFiles, &QListView::doubleClicked, this, &KelvaneWindow::lstFilesDblClick);
    lstFiles->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstFiles, &QListView::customContextMenuRequested, this, &KelvaneWindow::showFileMenu);
    lstFiles->installEventFilter(this);

    connect(editor_, &AttributeEditor::changed, this, &KelvaneWindow::boxChanged);

    connect(btnApply, &QPushButton::clicked, this, &KelvaneWindow::btnApplyClick);
    connect(btnRevert, &QPushButton::clicked, this, &KelvaneWindow::btnRevertClick);
    connect(btnCopy, &QPushButton::clicked, this, &KelvaneWindow::btnCopyClick);
    connect(btnPaste, &QPushButton::clicked, this, &KelvaneWindow::btnPasteClick);
    connect(btnHelp, &QPushButton::clicked, this, &KelvaneWindow::btnHelpClick);
    connect(btnOverview, &QPushButton::clicked, this, &KelvaneWindow::btnOverviewClick);
    auto *refresh = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    connect(refresh, &QShortcut::activated, this, &KelvaneWindow::refreshShortcut);
    connect(btnAbout, &QPushButton::clicked, this, &KelvaneWindow::btnAboutClick);
}

} // namespace kelvane
