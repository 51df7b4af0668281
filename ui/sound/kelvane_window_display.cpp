// What the window shows of the loaded sound: the two message surfaces, the attribute controls
// and the details list, and how a load is presented.
#include "attribute_editor.h"
#include "caption_panel.h"
#include "game_sound_types.h"
#include "kelvane_window.h"
#include "load_report.h"
#include "message.h"
#include "message_words.h"
#include "number_text.h"
#include "qt_text.h"
#include "sound_preview.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvane {

QString KelvaneWindow::statusText() const
{
    return statusLabel_->text();
}

void KelvaneWindow::setStatusText(const QString &text)
{
    statusLabel_->setText(text);
}

void KelvaneWindow::showHintInStatus(const QString &longHint)
{
    setStatusText(longHint);
}

void KelvaneWindow::showAttrStatus(const QString &text)
{
    pnlAttrStatus->setText(text);
    pnlAttrStatus->setVisible(!text.isEmpty());
    placeGameWarnings();
}

// Back to the no-file state. The boxes are emptied before the change state is reset, so the
// change events they fire leave nothing pending.
void KelvaneWindow::clearFileDisplay()
{
    showAttrStatus(QString());
    pnlFileName->setText(noFileSelectedText());
    cmbInfo->clear();
    editor_->clear();
    // Without a block nothing may be typed, pasted or written.
    session_.clear();
    setAttributeControlsEnabled(false);
    showTracking();
    setStatusText(QString());
    updateGameWarnings();
    preview_->clear();
}

void KelvaneWindow::showAttributes(const SoundAttributes &attrs)
{
    editor_->show(attrs);
    setAttributeControlsEnabled(true);
    showTracking();
    updateGameWarnings();
}

void KelvaneWindow::setAttributeControlsEnabled(bool enabled)
{
    editor_->setEnabled(enabled);
}

void KelvaneWindow::showTracking()
{
    const Tracking &now = session_.tracking();
    btnApply->setEnabled(now.apply);
    btnRevert->setEnabled(now.revert);
    btnCopy->setEnabled(now.copy);
    btnPaste->setEnabled(now.paste);
}

void KelvaneWindow::loadSelectedSound()
{
    cmbInfo->clear();
    const EditSession::Loaded loaded = session_.load(currentFileName_, currentFileName_);
    if (!loaded.read) {
        showAttrStatus(wordsOf(loaded.failure));
        addBackupDetail(); // a sound that cannot be read may have one to go back to
        return;
    }
    if (loaded.headersOnly)
        showAttrStatus(wordsOf(MessageKind::LargeFile));
    const Inspection &found = loaded.found;

    for (const Message &line : found.infoLines)
        cmbInfo->addItem(wordsOf(line));
    addBackupDetail();
    cmbInfo->setCurrentIndex(-1);
    if (found.shownAttrs)
        showAttributes(*found.shownAttrs);
    else
        updateGameWarnings();
    showTracking();
    if (!found.statusLine.empty())
        setStatusText(wordsOf(found.statusLine));
    showSoundOf(found);
    if (!found.selectFirstLine) {
        showAttrStatus(wordsOf(found.attrStatus));
        return;
    }
    pnlAttrStatus->setText(wordsOf(found.attrStatus));
    pnlAttrStatus->setVisible(!pnlAttrStatus->text().isEmpty());
    placeGameWarnings();
    if (cmbInfo->count() > 0)
        cmbInfo->setCurrentIndex(0);
}

} // namespace kelvane
