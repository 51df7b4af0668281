// The overview of every sound of the listed folder and its sub-folders, as a second view in
// place of the file list and the attributes.
#include "kelvane_form.h"
#include "sound_overview.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>

namespace kelvane {

bool TKelvaneForm::overviewShown() const
{
    return pnlOverview && stkViews->currentWidget() == pnlOverview;
}

void TKelvaneForm::btnOverviewClick()
{
    showOverview(btnOverview->isChecked());
}

void TKelvaneForm::showOverview(bool shown)
{
    if (shown == overviewShown()) {
        btnOverview->setChecked(shown);
        return;
    }
    if (shown) {
        // The overview may write any sound, the loaded one too: its edits are settled first.
        if (!QuerySaveChanges()) {
            btnOverview->setChecked(false);
            return;
        }
        stopPlaying();
        if (!pnlOverview) {
            pnlOverview =
                new TSoundOverview([this] { return cbxRenameOriginals->isChecked(); }, stkViews);
            stkViews->addWidget(pnlOverview);
            for (QWidget *widget : pnlOverview->progressWidgets())
                sbStatus->addPermanentWidget(widget);
            connect(pnlOverview, &TSoundOverview::status, this, &TKelvaneForm::setStatusText);
            connect(pnlOverview, &TSoundOverview::openSound, this, &TKelvaneForm::openFromOverview);
        }
        btnOverview->setChecked(true);
        stkViews->setCurrentWidget(pnlOverview);
        pnlOverview->scan(QDir::currentPath());
        pnlOverview->setFocus();
        return;
    }
    btnOverview->setChecked(false);
    pnlOverview->cancel();
    stkViews->setCurrentIndex(0);
    // Sounds may have changed on disk meanwhile: the list and the loaded sound are read again.
    ClearFileDisplay();
    RefreshAndReselect();
}

void TKelvaneForm::openFromOverview(const QString &path)
{
    const QFileInfo sound(path);
    btnOverview->setChecked(false);
    pnlOverview->cancel();
    stkViews->setCurrentIndex(0);
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
    if (overviewShown()) {
        pnlOverview->scan(QDir::currentPath());
        return;
    }
    // As a Ctrl-click on Select Drive/Directory.
    if (!QuerySaveChanges())
        return;
    ClearFileDisplay();
    RefreshAndReselect();
}

} // namespace kelvane
