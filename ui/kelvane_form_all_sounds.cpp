// The sound table of every sound of the listed folder and its sub-folders, as a second view in
// place of the file list and the attributes.
#include "all_sounds_panel.h"
#include "kelvane_form.h"

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
            for (QWidget *widget : pnlAllSounds->progressWidgets())
                sbStatus->addPermanentWidget(widget);
            connect(pnlAllSounds, &TAllSoundsPanel::status, this, &TKelvaneForm::setStatusText);
            connect(pnlAllSounds, &TAllSoundsPanel::openSound, this,
                    &TKelvaneForm::openFromAllSounds);
        }
        btnOverview->setChecked(true);
        stkViews->setCurrentWidget(pnlAllSounds);
        pnlAllSounds->showFor(QDir::currentPath());
        pnlAllSounds->setFocus();
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
    btnOverview->setChecked(false);
    pnlAllSounds->cancel();
    stkViews->setCurrentIndex(0);
}

void TKelvaneForm::openFromAllSounds(const QString &path)
{
    const QFileInfo sound(path);
    leaveAllSounds();
    if (!QDir::setCurrent(sound.absolutePath())) {
        setStatusText(tr(" Could not open the folder %1").arg(sound.absolutePath()));
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
