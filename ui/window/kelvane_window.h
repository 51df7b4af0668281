#pragma once

#include <memory>
#include <vector>

#include <QMainWindow>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QToolButton;

namespace kelvane {

struct GameReadyJob;
class CaptionPanel;
class DesktopLauncher;
class HelpDesk;
class LastPress;
class SoundOutput;
class SoundPage;
class SoundTablePanel;

// The one window: a strip of buttons on top, the listed folder's line, the single view or the
// sound table of the folder's tree below them, and the status bar. It switches between the two
// views, asks both before it closes, and carries their words to the status bar.
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

    // At start-up, after the program's folder is listed: selects and loads `fileName` in it, as
    // the Open dialog would, and puts `problem` in the status bar.
    void startWith(const QString &fileName, const QString &problem);
    // Lists `folder` in the single view, as the Open dialog would; false when it cannot.
    bool listFolder(const QString &folder);

    // Shows every sound of the listed folder and its sub-folders, or the single-file view again.
    void showAllSounds(bool shown);

    [[nodiscard]] QString statusText() const;
    [[nodiscard]] bool dataChanged() const;
    [[nodiscard]] const QString &currentFileName() const;
    // The single view's folder: absolute, in '/' separators.
    [[nodiscard]] const QString &listedFolder() const;
    [[nodiscard]] QString programDir() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTopStrip(QWidget *parent);
    void buildStatusBar();
    void setTabOrderChain();
    void setHints();
    void wireEvents();
    void setStatusText(const QString &text);
    void showFolderLine(const QString &folder);
    void selectDirectory(bool fromFolderLine);
    void refreshShortcut();
    void openFromAllSounds(const QString &path);
    void leaveAllSounds();
    SoundTablePanel *allSounds();
    [[nodiscard]] bool allSoundsShown() const;
    // Making game sounds (window_import.cpp): sources imported into the listed folder, sounds
    // encoded again in their places; what was made is listed afterwards.
    void importSounds(const QStringList &sources);
    void makeGameReady(const std::vector<GameReadyJob> &jobs);

    // Components, in the order the window declares them.
    QFrame *pnlMetaControl = nullptr;
    QPushButton *btnSelectDirectory = nullptr;
    QCheckBox *cbxRenameOriginals = nullptr;
    QFrame *pnlHelpAbout = nullptr;
    QPushButton *btnHelp = nullptr;
    QPushButton *btnAbout = nullptr;
    QPushButton *btnOverview = nullptr;
    QToolButton *btnImport = nullptr;
    CaptionPanel *pnlCurrentDir = nullptr;
    QStackedWidget *stkViews = nullptr;
    SoundPage *pnlSound = nullptr;           // the single view
    SoundTablePanel *pnlAllSounds = nullptr; // made when first shown
    QStatusBar *sbStatus = nullptr;
    QLabel *statusLabel_ = nullptr; // the status bar's one text area

    // Program state.
    std::unique_ptr<DesktopLauncher> ownLauncher_;
    DesktopLauncher *launcher_ = nullptr;
    HelpDesk *help_ = nullptr;
    LastPress *presses_ = nullptr; // the keys held at the last press on a button or the line
};

} // namespace kelvane
