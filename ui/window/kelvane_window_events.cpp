// The window's life and the events it watches on its controls' behalf: made, closed, and the
// clicks, keys and resizes that need more than a signal.
#include "hint_tracker.h"
#include "kelvane_window.h"
#include "sound_preview.h"
#include "sound_table_panel.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>

namespace kelvane {

void KelvaneWindow::startUp()
{
    hints_ = new HintTracker(this);
    connect(hints_, &HintTracker::hintChanged, this, &KelvaneWindow::showHintInStatus);
    hints_->install();
    listCurrentFolder();
}

void KelvaneWindow::shutDown()
{
    session_.unload();
}

void KelvaneWindow::closeEvent(QCloseEvent *event)
{
    // Closing: pending changes are offered for saving; stop keeps the window open.
    if (querySaveChanges() && (!allSoundsShown() || pnlAllSounds->settle())) {
        preview_->stopPlaying();
        event->accept();
    } else {
        event->ignore();
    }
}

bool KelvaneWindow::eventFilter(QObject *watched, QEvent *event)
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
