// What the single view shows of the loaded sound: the two message surfaces, the attribute controls
// and the details list, and how a load is presented.
#include "attribute_editor.h"
#include "caption_panel.h"
#include "game_sound_types.h"
#include "load_report.h"
#include "message.h"
#include "message_words.h"
#include "number_text.h"
#include "qt_text.h"
#include "sound_page.h"
#include "sound_preview.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvane {

void SoundPage::showAttrStatus(const QString &text)
{
    pnlAttrStatus->setText(text);
    pnlAttrStatus->setVisible(!text.isEmpty());
    placeGameWarnings();
}

// Back to the no-file state. The boxes are emptied before the change state is reset, so the
// change events they fire leave nothing pending.
void SoundPage::clearFileDisplay()
{
    showAttrStatus(QString());
    pnlFileName->setText(noFileSelectedText());
    cmbInfo->clear();
    editor_->clear();
    // Without a block nothing may be typed, pasted or written.
    session_.clear();
    editor_->setEnabled(false);
    showTracking();
    Q_EMIT status(QString());
    updateGameWarnings();
    preview_->clear();
}

void SoundPage::showAttributes(const SoundAttributes &attrs)
{
    editor_->show(attrs);
    editor_->setEnabled(true);
    showTracking();
    updateGameWarnings();
}

void SoundPage::showTracking()
{
    const Tracking &now = session_.tracking();
    // A sound inside a game archive is shown and its values copied, never changed.
    const bool writable = !session_.archived();
    btnApply->setEnabled(now.apply && writable);
    actSaveAs->setEnabled(now.apply && writable); // Apply's other way, writing elsewhere
    btnRevert->setEnabled(now.revert && writable);
    btnCopy->setEnabled(now.copy);
    btnPaste->setEnabled(now.paste && writable);
}

void SoundPage::loadSelectedSound()
{
    cmbInfo->clear();
    const EditSession::Loaded loaded = session_.load(pathOf(currentFileName_), currentFileName_);
    if (!loaded.read) {
        showAttrStatus(translated(loaded.failure));
        addBackupDetail(); // a sound that cannot be read may have one to go back to
        return;
    }
    if (loaded.headersOnly)
        showAttrStatus(translated(MessageKind::LargeFile));
    const Inspection &found = loaded.found;

    for (const Message &line : found.infoLines)
        cmbInfo->addItem(translated(line));
    addBackupDetail();
    cmbInfo->setCurrentIndex(-1);
    if (found.shownAttrs)
        showAttributes(*found.shownAttrs);
    else
        updateGameWarnings();
    if (!loaded.archive.isEmpty())
        editor_->setEnabled(false);
    showTracking();
    if (!found.statusLine.empty())
        Q_EMIT status(translated(found.statusLine));
    showSoundOf(found);
    if (!loaded.archive.isEmpty()) {
        const QString archive = QDir::toNativeSeparators(loaded.archive);
        showAttrStatus(translated(Message(MessageKind::InsideArchive, {archive.toStdString()})));
        return;
    }
    if (!found.selectFirstLine) {
        showAttrStatus(translated(found.attrStatus));
        return;
    }
    pnlAttrStatus->setText(translated(found.attrStatus));
    pnlAttrStatus->setVisible(!pnlAttrStatus->text().isEmpty());
    placeGameWarnings();
    if (cmbInfo->count() > 0)
        cmbInfo->setCurrentIndex(0);
}

} // namespace kelvane
