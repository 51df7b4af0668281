// Editing the five attributes: the number check while typing, validation, Copy, Paste, Revert,
// Apply, and the question that stands between pending changes and anything that would drop them.
#include "error_display.h"
#include "game_sound_types.h"
#include "kelvane_form.h"
#include "number_text.h"
#include "panels.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace kelvane {

namespace {

const QString kNotValid = QStringLiteral(" Floating point value is not valid.");
const QString kVolumeRange = QStringLiteral(" Must be valid floating point value from 0.0 to 2.0");
const QString kAtLeast = QStringLiteral(" Number value must be equal to or greater than ");

} // namespace

void TKelvaneForm::showPlainMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok, this);
    box.exec();
}

void TKelvaneForm::DataChanged(QWidget *sender)
{
    if (fillingControls_)
        return;
    // A file that may not be written never has changes to save.
    trackChange(ChangeEvent::UserChange);
    if (sender == cmbGameType)
        return;
    auto *box = static_cast<QLineEdit *>(sender);
    if (box->text().isEmpty())
        return;
    if (!parseNumber(box->text(), userDecimalSeparator())) {
        box->setFocus();
        setStatusText(kNotValid);
        showPlainMessage(kNotValid);
    }
}

bool TKelvaneForm::ReadAttributes(TSoundAttributes &destination)
{
    // Each failure reports in the status line, adds the message box when the text is not a
    // number at all, and puts the focus on the box to mend.
    const auto fail = [this](QLineEdit *box, const QString &status, bool notANumber) {
        setStatusText(status);
        if (notANumber)
            showPlainMessage(kNotValid);
        box->setFocus();
        return false;
    };
    const QChar separator = userDecimalSeparator();
    const std::optional<float> volume = parseNumber(txtBaseValue->text(), separator);
    if (!volume)
        return fail(txtBaseValue, kVolumeRange, true);
    if (*volume < 0.0f || *volume > 2.0f)
        return fail(txtBaseValue, kVolumeRange, false);
    const std::optional<float> minimum = parseNumber(txtMinDist->text(), separator);
    if (!minimum)
        return fail(txtMinDist, kAtLeast + QStringLiteral("0.0"), true);
    if (*minimum < 0.0f)
        return fail(txtMinDist, kAtLeast + QStringLiteral("0.0"), false);
    const std::optional<float> maximum = parseNumber(txtMaxDist->text(), separator);
    if (!maximum)
        return fail(txtMaxDist, kAtLeast + QStringLiteral("minimum"), true);
    if (*maximum < *minimum)
        return fail(txtMaxDist, kAtLeast + QStringLiteral("minimum"), false);
    const std::optional<float> aiDistance = parseNumber(txtMaxAIDist->text(), separator);
    if (!aiDistance)
        return fail(txtMaxAIDist, kAtLeast + QStringLiteral("0.0"), true);
    if (*aiDistance < 0.0f)
        return fail(txtMaxAIDist, kAtLeast + QStringLiteral("0.0"), false);

    const int type = cmbGameType->currentIndex();
    destination = TSoundAttributes{kAttributeBlockVersion,
                                   *minimum,
                                   *maximum,
                                   *volume,
                                   gameTypeCode(type < 0 ? 0 : static_cast<std::size_t>(type)),
                                   *aiDistance};
    return true;
}

void TKelvaneForm::btnCopyClick()
{
    copyValid_ = ReadAttributes(copiedAttrs_);
    trackChange(ChangeEvent::Copy);
}

void TKelvaneForm::btnPasteClick()
{
    ShowAttributes(copiedAttrs_);
    trackChange(ChangeEvent::Paste);
}

void TKelvaneForm::btnRevertClick()
{
    ShowAttributes(fileAttrs_);
    trackChange(ChangeEvent::Revert);
}

void TKelvaneForm::btnApplyClick()
{
    ShowAttrStatus(QString());
    if (!ReadAttributes(editAttrs_)) {
        trackChange(ChangeEvent::ApplyInvalid);
        return;
    }
    trackChange(ChangeEvent::ApplyValid);
    if (SameAttributes(editAttrs_, savedAttrs_)) {
        setStatusText(QStringLiteral(" Nothing written -- nothing changed!"));
        return;
    }
    // An unsuccessful save (Save-as cancelled, write failed) keeps the edits pending, so
    // leaving the file still asks.
    if (!SaveSoundFile())
        trackChange(ChangeEvent::NotWritten);
}

bool TKelvaneForm::QuerySaveChanges()
{
    if (!dataChanged_ || !canSave())
        return true;
    if (!ReadAttributes(editAttrs_))
        return false;
    if (SameAttributes(editAttrs_, savedAttrs_))
        return true;
    QMessageBox question(QMessageBox::NoIcon, QStringLiteral("The data has changed"),
                         QStringLiteral("Save changes first?"),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("saveQuestion"));
    question.setWindowModality(Qt::ApplicationModal);
    question.setDefaultButton(QMessageBox::Yes);
    switch (question.exec()) {
    case QMessageBox::Yes:
        if (SaveSoundFile())
            return true;
        trackChange(ChangeEvent::NotWritten);
        return false;
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

} // namespace kelvane
