// The sound table of every sound of the listed folder and its sub-folders, as a second view in
// place of the file list and the attributes.
#include "all_sounds_panel.h"
#include "desktop_launcher.h"
#include "kelvane_form.h"
#include "sound_output.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>

namespace kelvane {

bool TKelvaneForm::allSoundsShown() const
{
    return pnlAllSounds && stkViews->currentWidget() == pnlAllSounds;
}

void TKelvaneForm::btnOverviewClick()
{
    showAllSounds(btnOverview->isChecked());
}

void TKelvaneForm::showAllSounds(bool shown)
{
    if (shown == allSoundsShown()) {
        btnOverview->setChecked(shown);
        return;
    }
    if (shown) {
        // The sound table may write any sound, the loaded one too: its edits are settled first.
        if (!QuerySaveChanges()) {
            btnOverview->setChecked(false);
            return;
        }
        stopPlaying();
        if (!pnlAllSounds) {
            pnlAllSounds =
                new TAllSoundsPanel([this] { return cbxRenameOriginals->isChecked(); }, stkViews);
            stkViews->addWidget(pnlAllSounds);
            for (QWidget *widget : pnlAllSounds->statusWidgets())
                sbStatus->addPermanentWidget(widget);
            connect(pnlAllSounds, &TAllSoundsPanel::playSound, this, &TKelvaneForm::playFile);
            connect(pnlAllSounds, &TAllSoundsPanel::showInFileManager, this,
                    [this](const QString &folder) { launcher_->openFolder(folder); });
            connect(pnlAllSounds, &TAllSoundsPanel::status, this, &TKelvaneForm::setStatusText);
            connect(pnlAllSounds, &TAllSoundsPanel::openSound, this,
                    &TKelvaneForm::openFromAllSounds);
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
    ClearFileDisplay();
    RefreshAndReselect();
}

// Back to the single-file view; work under way stops before its next sound.
void TKelvaneForm::leaveAllSounds()
{
    if (output_)
        output_->stop(); // a sound played from the table
    btnOverview->setChecked(false);
    pnlAllSounds->cancel();
    stkViews->setCurrentIndex(0);
}

void TKelvaneForm::openFromAllSounds(const QString &path)
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
    ClearFileDisplay();
    ListDirectory();
    selectEntry(sound.fileName());
    lstFilesClick();
    lstFiles->scrollTo(lstFiles->currentIndex());
    lstFiles->setFocus();
}

void TKelvaneForm::refreshShortcut()
{
    if (allSoundsShown()) {
        if (pnlAllSounds->settle())
            pnlAllSounds->scan(QDir::currentPath());
        return;
    }
    // As a Ctrl-click on Select Drive/Directory.
    if (!QuerySaveChanges())
        return;
    ClearFileDisplay();
    RefreshAndReselect();
}

} // namespace kelvane
