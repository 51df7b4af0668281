// Editing the five attributes: the number check while typing, validation, Copy, Paste, Revert,
// Apply, and the question that stands between pending changes and anything that would drop them.
#include "attribute_rules.h"
#include "caption_panel.h"
#include "error_display.h"
#include "game_sound_types.h"
#include "kelvane_window.h"
#include "message_words.h"
#include "number_text.h"
#include "save_question.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace kelvane {

void KelvaneWindow::showPlainMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok, this);
    box.exec();
}

void KelvaneWindow::boxChanged(QWidget *sender)
{
    if (fillingControls_)
        return;
    if (sender == cmbGameType)
        shownTypeCode_ =
            gameTypeCode(static_cast<std::size_t>(std::max(cmbGameType->currentIndex(), 0)));
    updateGameWarnings();
    // A file that may not be written never has changes to save.
    session_.userChanged();
    showTracking();
    if (sender == cmbGameType)
        return;
    auto *box = static_cast<QLineEdit *>(sender);
    if (box->text().isEmpty())
        return;
    if (!parseNumber(box->text(), userDecimalSeparator())) {
        box->setFocus();
        setStatusText(notValidNumberText());
        showPlainMessage(notValidNumberText());
    }
}

std::optional<SoundAttributes> KelvaneWindow::readBoxes()
{
    // The boxes in screen order. Each failure reports its field's rule in the status line, adds
    // the message box when the text is no number at all, and puts the focus on the box to mend.
    const std::array<std::pair<QLineEdit *, AttributeField>, 4> boxes{{
        {txtBaseValue, AttributeField::Volume},
        {txtMinDist, AttributeField::MinDist},
        {txtMaxDist, AttributeField::MaxDist},
        {txtMaxAIDist, AttributeField::MaxAIDist},
    }};
    const QChar separator = userDecimalSeparator();
    std::array<float, 4> values{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto [box, field] = boxes[i];
        const std::optional<float> value = parseNumber(box->text(), separator);
        if (!value || breaksRule(field, *value, values[1])) {
            const Message rule = ruleText(field);
            setStatusText(wordsOf(rule));
            if (!value)
                showPlainMessage(notValidNumberText());
            box->setFocus();
            return std::nullopt;
        }
        values[i] = *value;
    }
    const int type = cmbGameType->currentIndex();
    return SoundAttributes{kAttributeBlockVersion,
                           values[1],
                           values[2],
                           values[0],
                           gameTypeCode(type < 0 ? 0 : static_cast<std::size_t>(type)),
                           values[3]};
}

void KelvaneWindow::btnCopyClick()
{
    session_.copy(readBoxes());
    showTracking();
}

void KelvaneWindow::btnPasteClick()
{
    showAttributes(session_.paste());
}

void KelvaneWindow::btnRevertClick()
{
    showAttributes(session_.revert());
}

void KelvaneWindow::btnApplyClick()
{
    showAttrStatus(QString());
    const EditSession::ApplyStep step = session_.apply(readBoxes());
    showTracking();
    if (step == EditSession::ApplyStep::NothingChanged)
        setStatusText(tr(" Nothing written -- nothing changed!"));
    // An unsuccessful save (Save-as cancelled, write failed) keeps the edits pending, so
    // leaving the file still asks.
    if (step == EditSession::ApplyStep::Write && !saveLoadedSound()) {
        session_.notWritten();
        showTracking();
    }
}

bool KelvaneWindow::querySaveChanges()
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
        if (saveLoadedSound())
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
