#pragma once

#include "edit_session.h"

#include <functional>
#include <optional>

#include <QWidget>

class QAction;
class QComboBox;
class QFileDialog;
class QFrame;
class QLabel;
class QListView;
class QMenu;
class QPushButton;

namespace kelvane {

class AttributeEditor;
class CaptionPanel;
class FolderEntries;
class LastPress;
class SoundOutput;
class SoundPreview;

// The single view: the listed folder's entries on the left; the loaded sound's details, its five
// attributes, their warnings and its preview on the right; Apply, Revert, Copy and Paste below.
// It owns the edit session and the listed folder, which is a value here, never the process's
// working directory. Its methods live in several files by concern.
class SoundPage final : public QWidget
{
    Q_OBJECT

public:
    // Lists `folder`; `output` plays sounds (none: the system's own); `makeBackups` says whether
    // a save keeps the original as .bak; `presses` holds the keys of the window's last press,
    // Apply's too (Shift: Save as).
    SoundPage(const QString &folder, SoundOutput *output, std::function<bool()> makeBackups,
              LastPress *presses, QWidget *parent = nullptr);
    ~SoundPage() override;

    [[nodiscard]] const QString &folder() const { return folder_; }
    [[nodiscard]] const QString &currentFileName() const { return currentFileName_; }
    [[nodiscard]] bool dataChanged() const { return session_.dataChanged(); }

    // At start-up: selects and loads `fileName` in the listed folder, as the Open dialog would,
    // and says `problem`.
    void startWith(const QString &fileName, const QString &problem);
    // Lists `folder` with nothing loaded; false when it cannot be entered.
    bool listFolder(const QString &folder);
    // Pending edits are saved, dropped or kept as the user answers; false: stay.
    [[nodiscard]] bool settle();
    // The Open dialog, starting in `startIn` when given; a sound chosen is loaded.
    void chooseFolder(const QString &startIn = QString());
    // Lists the folder again and reloads the sound (after settle()).
    void reload();
    // Loads the sound at `path` (after settle()).
    void openSound(const QString &path);
    void stopPlaying();
    void stopOutput();
    void playFile(const QString &path, double volume);
    // The page's controls in the order Tab visits them.
    [[nodiscard]] QList<QWidget *> tabChain() const;

    // What the current file name holds when no file is selected; the file name strip shows it
    // in the window's language (noFileSelectedText()).
    static inline const QString kNoFileSelected = QStringLiteral("< No File Selected >");
    [[nodiscard]] static QString noFileSelectedText() { return tr("< No File Selected >"); }

Q_SIGNALS:
    void status(const QString &text);
    // Audio files dropped on the file list, to import into the listed folder.
    void importAsked(const QStringList &sources);
    // The loaded sound, which the game refuses for its rate or plays without position, to be
    // encoded again in its place.
    void gameReadyAsked(const QString &path);
    // The folder listed now, for the folder line.
    void folderListed(const QString &folder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Layout (sound_page.cpp)
    void buildList();
    void buildControl();
    void buildFileChange(QWidget *parent);
    void buildAttributeArea(QWidget *parent);
    void setHints();
    void wireEvents();
    QFileDialog *openDialog();
    QFileDialog *saveDialog();

    // Display (sound_page_display.cpp)
    void clearFileDisplay();
    void showAttributes(const SoundAttributes &attrs);
    void showAttrStatus(const QString &text);
    void loadSelectedSound();
    void showTracking();
    [[nodiscard]] QString pathOf(const QString &name) const;

    // Browsing (sound_page_browsing.cpp)
    void listCurrentFolder();
    void refreshAndReselect();
    void reselectCurrentFile();
    void selectEntry(const QString &name);
    [[nodiscard]] QModelIndex selectedIndex() const; // invalid when nothing is selected
    void lstFilesClick();
    void lstFilesDblClick();
    bool lstFilesKeyPress(int key);

    // Editing and saving (sound_page_editing.cpp, sound_page_saving.cpp)
    void boxChanged(QWidget *sender);
    // The values the controls hold, or nothing when one does not validate (the status line and
    // the focus then say which).
    [[nodiscard]] std::optional<SoundAttributes> readBoxes();
    void btnCopyClick();
    void btnPasteClick();
    void btnRevertClick();
    void apply(bool chooseTarget);
    [[nodiscard]] bool saveLoadedSound(bool chooseTarget);
    void showSavedDetails();
    void showPlainMessage(const QString &text);

    // Game warnings (sound_page_warnings.cpp)
    void buildGameWarnings();
    void placeGameWarnings();
    [[nodiscard]] SoundFacts factsShown() const;
    void updateGameWarnings();

    // Hearing and seeing the sound (sound_page_sound.cpp)
    void buildSoundViews(SoundOutput *output);
    void showSoundOf(const Inspection &found);

    // Importing and making game-ready (sound_page_import.cpp)
    void acceptDrops();
    [[nodiscard]] bool needsGameReady() const;
    void askGameReady();

    // Restoring a backup (sound_page_restore.cpp)
    void showFileMenu(const QPoint &at);
    void restoreBackup();
    void addBackupDetail();

    // Components, in the order the view declares them.
    QFrame *pnlFileList = nullptr;
    QListView *lstFiles = nullptr;
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
    QAction *actSaveAs = nullptr;
    CaptionPanel *pnlAttrStatus = nullptr;
    QLabel *pnlGameWarnings = nullptr; // what the game does with the values, under the boxes
    QFileDialog *dlgSave = nullptr;
    QMenu *mnuFiles = nullptr; // the file list's menu, made when first asked for
    QAction *actRestoreBackup = nullptr;
    QAction *actMakeGameReady = nullptr;

    // State.
    SoundPreview *preview_ = nullptr;  // the loaded sound's length, waveform, playing, range
    FolderEntries *entries_ = nullptr; // what lstFiles lists
    std::function<bool()> makeBackups_;
    LastPress *presses_;
    EditSession session_;
    QString folder_;              // the listed folder, absolute, in '/' separators
    QString currentFileName_;     // the selected entry as shown
    bool selectingEntry_ = false; // the page itself changes the list's selection
};

} // namespace kelvane
