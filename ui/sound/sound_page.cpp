// The single view's controls: the list beside the attributes, fixed-position controls, fonts,
// hints and the wiring of their events.
#include "sound_page.h"

#include "attribute_editor.h"
#include "caption_panel.h"
#include "file_dialog_fitting.h"
#include "folder_entries.h"
#include "hint_tracker.h"
#include "last_press.h"
#include "list_entry_tips.h"
#include "sound_preview.h"
#include "widget_making.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSplitter>

namespace kelvane {

namespace {

constexpr int kPageWidth = 712;
constexpr int kFileListWidth = 245;
// Narrower than this, a list entry shows too little of a name to choose by.
constexpr int kLeastFileListWidth = 120;

QFileDialog *soundDialog(QWidget *parent, const char *name, QFileDialog::AcceptMode mode)
{
    auto *dialog = named(new QFileDialog(parent), name);
    // Qt's own dialog on every desktop: the Open dialog picks a folder by confirming a name
    // that does not exist, which native dialogs refuse.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setNameFilters(
        {SoundPage::tr("Ogg Vorbis sound files (*.ogg)"), SoundPage::tr("All files (*)")});
    dialog->setFileMode(QFileDialog::AnyFile);
    return dialog;
}

} // namespace

SoundPage::SoundPage(const QString &folder, SoundOutput *output, std::function<bool()> makeBackups,
                     LastPress *presses, QWidget *parent)
    : QWidget(parent)
    , makeBackups_(std::move(makeBackups))
    , presses_(presses)
    , folder_(QDir::cleanPath(folder))
{
    // The list keeps its width when the window is resized; the splitter lets the user widen it.
    auto *body = named(new QSplitter(Qt::Horizontal, this), "splFileList");
    body->setChildrenCollapsible(false);
    body->setHandleWidth(4);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(body);
    buildList();
    body->addWidget(pnlFileList);
    buildControl();
    buildSoundViews(output);
    body->addWidget(pnlControl);
    body->setStretchFactor(0, 0);
    body->setStretchFactor(1, 1);
    body->setSizes({kFileListWidth, kPageWidth - kFileListWidth - body->handleWidth()});

    editor_->setEnabled(false);
    showTracking();
    setHints();
    wireEvents();
}

SoundPage::~SoundPage()
{
    session_.unload();
}

void SoundPage::buildList()
{
    pnlFileList = new RaisedPanel(QStringLiteral("pnlFileList"), this);
    pnlFileList->setMinimumWidth(kLeastFileListWidth);
    auto *listColumn = new QVBoxLayout(pnlFileList);
    listColumn->setContentsMargins(0, 0, 0, 0);
    lstFiles = named(new QListView(pnlFileList), "lstFiles");
    entries_ = new FolderEntries(lstFiles);
    lstFiles->setModel(entries_);
    lstFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstFiles->setFont(sansFont(10));
    lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    lstFiles->setUniformItemSizes(true);
    showCutEntriesWhole(lstFiles);
    listColumn->addWidget(lstFiles);
}

void SoundPage::buildControl()
{
    pnlControl = new RaisedPanel(QStringLiteral("pnlControl"), this);
    auto *controlColumn = new QVBoxLayout(pnlControl);
    controlColumn->setContentsMargins(0, 0, 0, 0);
    controlColumn->setSpacing(0);
    buildAttributeArea(pnlControl);
    controlColumn->addWidget(pnlAttributes, 1);
    buildFileChange(pnlControl);
    controlColumn->addWidget(pnlFileChange);
}

void SoundPage::buildFileChange(QWidget *parent)
{
    pnlFileChange = new RaisedPanel(QStringLiteral("pnlFileChange"), parent);
    pnlFileChange->setFixedHeight(48);
    btnApply = placedButton(pnlFileChange, "btnApply", tr("&Apply"), {14, 10, 75, 25}, true);
    btnRevert = placedButton(pnlFileChange, "btnRevert", tr("&Revert"), {134, 10, 75, 25}, true);
    btnCopy = placedButton(pnlFileChange, "btnCopy", tr("&Copy"), {254, 10, 75, 25}, true);
    btnPaste = placedButton(pnlFileChange, "btnPaste", tr("&Paste"), {374, 10, 75, 25}, true);
    pnlFileChange->setMinimumWidth(roomFor({btnApply, btnRevert, btnCopy, btnPaste}, 6).width());
    // Save as has its own keys, and Apply's menu; Shift-click on Apply is its short way.
    actSaveAs = new QAction(tr("Save &As..."), this);
    actSaveAs->setObjectName(QStringLiteral("actSaveAs"));
    actSaveAs->setShortcut(
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)); // Windows has no standard one
    actSaveAs->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(actSaveAs);
    btnApply->addAction(actSaveAs);
    btnApply->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// The file dialogs are made when first needed: building them lists a folder, which would
// double the window's start-up time. Once made, each keeps its folder for the next use.
QFileDialog *SoundPage::openDialog()
{
    if (!dlgOpen)
        dlgOpen = soundDialog(this, "dlgOpen", QFileDialog::AcceptOpen);
    fitFileDialog(dlgOpen);
    return dlgOpen;
}

QFileDialog *SoundPage::saveDialog()
{
    if (!dlgSave) {
        dlgSave = soundDialog(this, "dlgSave", QFileDialog::AcceptSave);
        dlgSave->setDefaultSuffix(QStringLiteral("ogg"));
    }
    fitFileDialog(dlgSave);
    return dlgSave;
}

void SoundPage::buildAttributeArea(QWidget *parent)
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
}

QList<QWidget *> SoundPage::tabChain() const
{
    return QList<QWidget *>{lstFiles, cmbInfo} + editor_->controls() +
           QList<QWidget *>{btnApply, btnRevert, btnCopy, btnPaste};
}

void SoundPage::setHints()
{
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
    HintTracker::setHint(btnRevert, tr("Restore original file attributes"));
    HintTracker::setHint(btnCopy, tr("Make a copy of these attributes"));
    HintTracker::setHint(btnPaste, tr("Use previously-copied attributes"));
}

void SoundPage::wireEvents()
{
    presses_->watch(btnApply);
    pnlAttributes->installEventFilter(this);
    connect(lstFiles->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SoundPage::lstFilesClick);
    connect(lstFiles, &QListView::doubleClicked, this, &SoundPage::lstFilesDblClick);
    lstFiles->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstFiles, &QListView::customContextMenuRequested, this, &SoundPage::showFileMenu);
    lstFiles->installEventFilter(this);
    acceptDrops();

    connect(editor_, &AttributeEditor::changed, this, &SoundPage::boxChanged);
    connect(btnApply, &QPushButton::clicked, this, [this] { apply(presses_->shift()); });
    connect(actSaveAs, &QAction::triggered, this, [this] { apply(true); });
    connect(btnRevert, &QPushButton::clicked, this, &SoundPage::btnRevertClick);
    connect(btnCopy, &QPushButton::clicked, this, &SoundPage::btnCopyClick);
    connect(btnPaste, &QPushButton::clicked, this, &SoundPage::btnPasteClick);
}

bool SoundPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == pnlAttributes) {
        placeGameWarnings();
    } else if (event->type() == QEvent::KeyPress && watched == lstFiles) {
        if (lstFilesKeyPress(static_cast<QKeyEvent *>(event)->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kelvane
