// The window's life and the events it watches on its controls' behalf: made, closed, and the
// clicks, keys and resizes that need more than a signal.
#include "all_sounds_panel.h"
#include "hint_tracker.h"
#include "kelvane_form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>

namespace kelvane {

void TKelvaneForm::FormCreate()
{
    hints_ = new HintTracker(this);
    connect(hints_, &HintTracker::hintChanged, this, &TKelvaneForm::ShowHintInStatus);
    hints_->install();
    ListDirectory();
}

void TKelvaneForm::FormDestroy()
{
    session_.unload();
}

void TKelvaneForm::closeEvent(QCloseEvent *event)
{
    // FormCloseQuery: pending changes are offered for saving; stop keeps the window open.
    if (QuerySaveChanges() && (!allSoundsShown() || pnlAllSounds->settle())) {
        stopPlaying();
        event->accept();
    } else {
        event->ignore();
    }
}

bool TKelvaneForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == btnSelectDirectory || watched == btnApply)) {
        btnMouseDown(static_cast<QMouseEvent *>(event)->modifiers());
    } else if (event->type() == QEvent::Resize && watched == pnlAttributes) {
        placeGameWarnings();
    } else if (event->type() == QEvent::KeyPress && watched == lstFiles) {
        if (lstFilesKeyPress(static_cast<QKeyEvent *>(event)->key()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kelvane
