#pragma once

#include "edit_session.h"

#include <memory>

#include <QMainWindow>
#include <QPointer>

class QAction;
class QCheckBox;
class QComboBox;
class QDialog;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QStringListModel;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QThreadPool;
class QTimer;
class QToolButton;

namespace kelvane {

class DesktopLauncher;
class HintTracker;
class SoundOutput;
class AttributeEditor;
class RangeView;
class SoundPreview;
class WaveformView;
struct DecodedSound;
struct WaveformPeaks;
class CaptionPanel;
class SoundTablePanel;

// The one window: the folder list on the left, the sound's details and its five attributes on
// the right, Apply, Revert, Copy and Paste below them. Its methods live in several files by
// concern: layout, display, browsing, editing and saving, help.
// Whether a file list entry is a folder's ("<dir>  name") rather than a sound's.
[[nodiscard]] bool isFolderEntry(const QString &entry);

class KelvaneWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `launcher` opens the file manager and the help file; the window does not own it. Without
    // one the desktop's own is used.
    // `output` plays sounds; without one the desktop's default audio output is used.
    explicit KelvaneWindow(DesktopLauncher *launcher = nullptr, SoundOutput *output = nullptr,
                           QWidget *parent = nullptr);
    ~KelvaneWindow() override;

    // At start-up, after the working directory is listed: selects and loads `fileName` in it, as
    // the Open dialog would, and puts `problem` in the status bar.
    void startWith(const QString &fileName, const QString &problem);

    // Shows every sound of the listed folder and its sub-folders, or the single-file view again.
    void showAllSounds(bool shown);

    [[nodiscard]] QString statusText() const;
    // What a box that holds no number says, in the status line and in a message box.
    [[nodiscard]] bool dataChanged() const { return session_.dataChanged(); }
    [[nodiscard]] const QString &currentFileName() const { return currentFileName_; }
    [[nodiscard]] const QString &programDir() const { return programDir_; }

    // What the current file name holds when no file is selected; the file name strip shows it
    // in the window's language (noFileSelectedText()).
    static inline const QString kNoFileSelected = QStringLiteral("< No File Selected >");
    [[nodiscard]] static QString noFileSelectedText() { return tr("< No File Selected >"); }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Layout (kelvane_window_layout.cpp)
    void buildControls();
    QSplitter *buildBody(QWidget *parent);
    void buildFileChange(QWidget *parent);
    void buildTopStrip(QWidget *parent);
    void buildAttributeArea(QWidget *parent);
    void setTabOrderChain();
    void setHints();
    void wireEvents();
    QFileDialog *openDialog();
    QFileDialog *saveDialog();
    void startUp();
    void shutDown();

    // Display (kelvane_window_display.cpp)
    void setStatusText(const QString &text);
    void showHintInStatus(const QString &longHint);
    void clearFileDisplay();
    void showAttributes(const SoundAttributes &attrs);
    void showAttrStatus(const QString &text);
    void loadSelectedSound();
    void setAttributeControlsEnabled(bool enabled);
    // Apply, Revert, Copy and Paste as the session allows them.
    void showTracking();

    // Browsing (kelvane_window_browsing.cpp)
    void listCurrentFolder();
    // The folder line: the folder whose sounds are shown, the single view's or the table's.
    void showFolderLine(const QString &folder);
    void refreshAndReselect();
    void reselectCurrentFile();
    void selectEntry(const QString &name);
    [[nodiscard]] QString selectedEntry() const; // null when nothing is selected
    void btnSelectDirectoryClick();
    void pnlCurrentDirClick();
    void btnMouseDown(Qt::KeyboardModifiers modifiers);
    void lstFilesClick();
    void lstFilesDblClick();
    bool lstFilesKeyPress(int key);

    // Editing and saving (kelvane_window_editing.cpp, kelvane_window_saving.cpp)
    void boxChanged(QWidget *sender);
    // The values the controls hold, or nothing when one does not validate (the status line and
    // the focus then say which).
    [[nodiscard]] std::optional<SoundAttributes> readBoxes();
    void btnCopyClick();
    void btnPasteClick();
    void btnRevertClick();
    void btnApplyClick();
    [[nodiscard]] bool querySaveChanges();
    [[nodiscard]] bool saveLoadedSound();
    void showSavedDetails();
    void showPlainMessage(const QString &text);

    // Game warnings (kelvane_window_warnings.cpp)
    void buildGameWarnings();
    void placeGameWarnings();
    [[nodiscard]] SoundFacts factsShown() const;
    void updateGameWarnings();

    // Hearing and seeing the sound (kelvane_window_sound.cpp)
    void buildSoundViews();
    void showSoundOf(const Inspection &found);

    // The sound table of a folder tree (kelvane_window_sound_table.cpp)
    void btnOverviewClick();
    void refreshShortcut();
    void openFromAllSounds(const QString &path);
    void leaveAllSounds();
    [[nodiscard]] bool allSoundsShown() const;

    // Restoring a backup (kelvane_window_restore.cpp)
    void showFileMenu(const QPoint &at);
    void restoreBackup();
    void addBackupDetail();

    // Help and About (kelvane_window_help.cpp)
    void btnHelpClick();
    void showHelpText(const QString &path);
    void btnAboutClick();

    // Components, in the order the window declares them.
    QFrame *pnlMetaControl = nullptr;
    QPushButton *btnSelectDirectory = nullptr;
    QFrame *pnlHelpAbout = nullptr;
    QPushButton *btnAbout = nullptr;
    QPushButton *btnHelp = nullptr;
    QStatusBar *sbStatus = nullptr;
    QFrame *pnlFileList = nullptr;
    QListView *lstFiles = nullptr;
    CaptionPanel *pnlCurrentDir = nullptr;
    QFileDialog *dlgOpen = nullptr;
    QFrame *pnlControl = nullptr;
    QFrame *pnlAttributes = nullptr;
    QLabel *lblInfo = nullptr;
    CaptionPanel *pnlFileName = nullptr;
    QComboBox *cmbInfo = nullptr;
    AttributeEditor *editor_ = nullptr; // the type list and the four boxes
    QFrame *pnlFileChange = nullptr;
    QPushButton *btnApply = nullptr;
    QPushButton *btnRevert = nullptr;
    QPushButton *btnCopy = nullptr;
    QPushButton *btnPaste = nullptr;
    QCheckBox *cbxRenameOriginals = nullptr;
    CaptionPanel *pnlAttrStatus = nullptr;
    QLabel *pnlGameWarnings = nullptr; // what the game does with the values, under the boxes
    QAction *maxDistWarning_ = nullptr;
    QAction *maxAIDistWarning_ = nullptr;
    QFileDialog *dlgSave = nullptr;
    QLabel *statusLabel_ = nullptr; // the status bar's one text area
    QPushButton *btnOverview = nullptr;
    QStackedWidget *stkViews = nullptr;
    SoundTablePanel *pnlAllSounds = nullptr; // made when first shown
    QMenu *mnuFiles = nullptr;               // the file list's menu, made when first asked for
    QAction *actRestoreBackup = nullptr;

    // Program state.
    std::unique_ptr<DesktopLauncher> ownLauncher_;
    DesktopLauncher *launcher_ = nullptr;
    QPointer<QDialog> helpViewer_;    // the help text, when the desktop cannot show it
    SoundOutput *output_ = nullptr;   // given to the preview; none: the system's own
    SoundPreview *preview_ = nullptr; // the loaded sound's length, waveform, playing, range
    HintTracker *hints_ = nullptr;
    QStringListModel *fileEntries_ = nullptr; // what lstFiles lists
    EditSession session_;
    bool shiftDown_ = false;
    bool ctrlDown_ = false;
    bool selectingEntry_ = false; // the window itself changes the list's selection
    QString currentFileName_;
    QString programDir_;
};

} // namespace kelvane
