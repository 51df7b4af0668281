// Editing the five attributes: the number check while typing, validation, Copy, Paste, Revert,
// Apply, and the question that stands between pending changes and anything that would drop them.
#include "attribute_editor.h"
#include "caption_panel.h"
#include "error_display.h"
#include "game_sound_types.h"
#include "last_press.h"
#include "message_words.h"
#include "number_text.h"
#include "save_question.h"
#include "sound_page.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace kelvane {

void SoundPage::showPlainMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok, this);
    box.exec();
}

void SoundPage::boxChanged(QWidget *sender)
{
    updateGameWarnings();
    // A file that may not be written never has changes to save.
    session_.userChanged();
    showTracking();
    if (sender == editor_->typeList())
        return;
    auto *box = static_cast<QLineEdit *>(sender);
    if (box->text().isEmpty())
        return;
    if (!parseNumber(box->text(), userDecimalSeparator())) {
        box->setFocus();
        Q_EMIT status(notValidNumberText());
        showPlainMessage(notValidNumberText());
    }
}

std::optional<SoundAttributes> SoundPage::readBoxes()
{
    // A refused box reports its field's rule in the status line, adds the message box when the
    // text is no number at all, and takes the focus to be mended.
    auto read = editor_->read();
    if (const auto *values = std::get_if<SoundAttributes>(&read))
        return *values;
    const auto &refused = std::get<AttributeEditor::Refusal>(read);
    Q_EMIT status(translated(refused.rule));
    if (refused.notANumber)
        showPlainMessage(notValidNumberText());
    refused.box->setFocus();
    return std::nullopt;
}

void SoundPage::btnCopyClick()
{
    session_.copy(readBoxes());
    showTracking();
}

void SoundPage::btnPasteClick()
{
    showAttributes(session_.paste());
}

void SoundPage::btnRevertClick()
{
    showAttributes(session_.revert());
}

void SoundPage::apply(bool chooseTarget)
{
    showAttrStatus(QString());
    const EditSession::ApplyStep step = session_.apply(readBoxes());
    showTracking();
    if (step == EditSession::ApplyStep::NothingChanged)
        Q_EMIT status(tr(" Nothing written -- nothing changed!"));
    // An unsuccessful save (Save-as cancelled, write failed) keeps the edits pending, so
    // leaving the file still asks.
    if (step == EditSession::ApplyStep::Write && !saveLoadedSound(chooseTarget)) {
        session_.notWritten();
        showTracking();
    }
}

bool SoundPage::settle()
{
    if (!session_.hasChangesToOffer())
        return true;
    switch (session_.question(readBoxes())) {
    case EditSession::Question::None:
        return true;
    case EditSession::Question::Invalid:
        return false;
    case EditSession::Question::Ask:
        break;
    }
    switch (askSaveChanges(this, currentFileName_)) {
    case QMessageBox::Yes:
        if (saveLoadedSound(presses_->shift()))
            return true;
        session_.notWritten();
        showTracking();
        return false;
    case QMessageBox::No:
        // The edits are dropped, not kept for a later question: the file's values come back.
        showAttributes(session_.revert());
        return true;
    default:
        return false;
    }
}

} // namespace kelvane
