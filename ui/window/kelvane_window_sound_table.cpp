// The sound table of every sound of the listed folder and its sub-folders, as a second view in
// place of the file list and the attributes.
#include "desktop_launcher.h"
#include "kelvane_window.h"
#include "sound_output.h"
#include "sound_preview.h"
#include "sound_table_panel.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>

namespace kelvane {

bool KelvaneWindow::allSoundsShown() const
{
    return pnlAllSounds && stkViews->currentWidget() == pnlAllSounds;
}

void KelvaneWindow::btnOverviewClick()
{
    showAllSounds(btnOverview->isChecked());
}

void KelvaneWindow::showAllSounds(bool shown)
{
    if (shown == allSoundsShown()) {
        btnOverview->setChecked(shown);
        return;
    }
    if (shown) {
        // The sound table may write any sound, the loaded one too: its edits are settled first.
        if (!querySaveChanges()) {
            btnOverview->setChecked(false);
            return;
        }
        preview_->stopPlaying();
        if (!pnlAllSounds) {
            pnlAllSounds =
                new SoundTablePanel([this] { return cbxRenameOriginals->isChecked(); }, stkViews);
            stkViews->addWidget(pnlAllSounds);
            for (QWidget *widget : pnlAllSounds->statusWidgets())
                sbStatus->addPermanentWidget(widget);
            connect(pnlAllSounds, &SoundTablePanel::playSound, preview_, &SoundPreview::playFile);
            connect(pnlAllSounds, &SoundTablePanel::showInFileManager, this,
                    [this](const QString &folder) { launcher_->openFolder(folder); });
            connect(pnlAllSounds, &SoundTablePanel::status, this, &KelvaneWindow::setStatusText);
            connect(pnlAllSounds, &SoundTablePanel::openSound, this,
                    &KelvaneWindow::openFromAllSounds);
        }
        btnOverview->setChecked(true);
        stkViews->setCurrentWidget(pnlAllSounds);
        pnlAllSounds->showFor(QDir::currentPath());
        // The table may list the tree it listed before, above the single view's folder.
        showFolderLine(pnlAllSounds->folder());
        pnlAllSounds->setFocus();
        return;
    }
    if (!pnlAllSounds->settle()) {
        btnOverview->setChecked(true);
        return;
    }
    leaveAllSounds();
    // Sounds may have changed on disk meanwhile: the list and the loaded sound are read again.
    clearFileDisplay();
    refreshAndReselect();
}

// Back to the single-file view; work under way stops before its next sound.
void KelvaneWindow::leaveAllSounds()
{
    preview_->stopOutput(); // a sound played from the table
    btnOverview->setChecked(false);
    pnlAllSounds->cancel();
    stkViews->setCurrentIndex(0);
}

void KelvaneWindow::openFromAllSounds(const QString &path)
{
    const QFileInfo sound(path);
    if (!pnlAllSounds->settle())
        return;
    leaveAllSounds();
    if (!QDir::setCurrent(sound.absolutePath())) {
        setStatusText(tr(" Could not open the folder %1")
                          .arg(QDir::toNativeSeparators(sound.absolutePath())));
        return;
    }
    clearFileDisplay();
    listCurrentFolder();
    selectEntry(sound.fileName());
    lstFilesClick();
    lstFiles->scrollTo(lstFiles->currentIndex());
    lstFiles->setFocus();
}

void KelvaneWindow::refreshShortcut()
{
    if (allSoundsShown()) {
        if (pnlAllSounds->settle())
            pnlAllSounds->scan(QDir::currentPath());
        return;
    }
    // As a Ctrl-click on Select Drive/Directory.
    if (!querySaveChanges())
        return;
    clearFileDisplay();
    refreshAndReselect();
}

} // namespace kelvane
