#include "comment_page_builder.h"
#include "form_fixture.h"
#include "kelvane_application.h"
#include "sound_reader.h"

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QScopeGuard>

using namespace kelvane;

namespace {

const QString kNotValid = " Floating point value is not valid.";
const QString kVolume = " Must be valid floating point value from 0.0 to 2.0";
const QString kAtLeastZero = " Number value must be equal to or greater than 0.0";
const QString kAtLeastMinimum = " Number value must be equal to or greater than minimum";

} // namespace

class TestAttributeEditing : public QObject, FormFixture
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(open()); }

    QString warnings()
    {
        auto *panel = w<QLabel>("pnlGameWarnings");
        return panel->isVisible() ? panel->toolTip() : QString(); // the text, without markup
    }
    bool marked(const char *box)
    {
        const auto actions = w<QLineEdit>(box)->actions();
        // Shown, and with its picture: a mark without one shows nothing.
        return !actions.isEmpty() && actions.first()->isVisible() &&
               !actions.first()->icon().isNull();
    }

    // The warnings follow the values as they are typed, mark the box, and never block Apply.
    void gameWarningsFollowTheBoxes()
    {
        const QString file = add("mono_block.ogg");
        QVERIFY(load("mono_block.ogg"));
        QCOMPARE(warnings(), QString());
        QVERIFY(!marked("txtMaxDist") && !marked("txtMaxAIDist"));
        type("txtMinDist", "0");
        type("txtMaxDist", "0.05");
        QVERIFY(marked("txtMaxDist") && !marked("txtMaxAIDist"));
        QCOMPARE(warnings(), QString("Stops the game: maximum distance below 0.1: the game stops "
                                     "with \"Invalid max distance\""));
        QVERIFY(w<QLineEdit>("txtMaxDist")->actions().first()->toolTip().contains("Invalid max"));
        type("txtMaxAIDist", "0");
        QVERIFY(marked("txtMaxAIDist"));
        QCOMPARE(warnings().count('\n'), 1);
        QVERIFY(enabled("btnApply"));
        press("btnApply");
        QCOMPARE(attributesOf(file).maxDist, 0.05f);
        type("txtMaxDist", "50");
        type("txtMaxAIDist", "5");
        QVERIFY(!marked("txtMaxDist") && !marked("txtMaxAIDist"));
        // A minimum of 0 leaves the sound at full volume up to its cut: a notice.
        QVERIFY(warnings().contains("0.0 dB at the maximum distance"));
        type("txtMinDist", "2");
        QCOMPARE(warnings(), QString());
    }

    // What the file itself holds: its sample rate, its channels, a type code not in the list
    // (marked in the list until another type is picked).
    void gameWarningsAboutTheFile()
    {
        QByteArray slow = fixtures::readFile(fixtures::samplePath("stereo_block.ogg"));
        slow[40] = char(0x22);
        slow[41] = char(0x56); // 22,050 Hz
        fixtures::writeFile(path("slow.ogg"), slow);
        QVERIFY(load("slow.ogg"));
        QCOMPARE(warnings(), QString("Stops the game: sample rate 22050 Hz: the stock games load "
                                     "only 44100 Hz\n"
                                     "! 2 channels: the first game plays only mono sounds; the "
                                     "later games play stereo only as sounds in the player's "
                                     "head"));
        fixtures::writeFile(
            path("combined.ogg"),
            builder::withCommentPacket(
                fixtures::readFile(fixtures::samplePath("mono_block.ogg")),
                builder::commentPacket("test", {builder::blockBytes({.gameType = 0xC0800000u})})));
        QVERIFY(load("combined.ogg"));
        QVERIFY(warnings().startsWith("! type code 0xC0800000 is not in the list"));
        auto *types = w<QComboBox>("cmbGameType");
        QVERIFY(!types->itemIcon(types->currentIndex()).isNull());
        chooseType(3);
        QCOMPARE(warnings(), QString());
        QVERIFY(types->itemIcon(types->currentIndex()).isNull());
    }

    // People type "." whatever their separator is; the boxes show the user's own.
    void bothSeparatorsAreRead_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // after a reload; empty when the text is refused
        QTest::newRow("point, English") << "en_US"
                                        << "0.5"
                                        << "0.5000000";
        QTest::newRow("comma, English") << "en_US"
                                        << "0,5" << QString();
        QTest::newRow("point, Russian") << "ru_RU"
                                        << "0.5"
                                        << "0,5000000";
        QTest::newRow("comma, Russian") << "ru_RU"
                                        << "0,25"
                                        << "0,2500000";
    }
    void bothSeparatorsAreRead()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        const QString file = add("mono_block.ogg");
        const QByteArray before = fixtures::readFile(file);
        QVERIFY(load("mono_block.ogg"));
        auto boxes = driver::answerMessageBoxes(QMessageBox::Ok);
        type("txtBaseValue", typed);
        press("btnApply");
        QTRY_VERIFY(driver::noModalOpen());
        if (shown.isEmpty()) {
            QCOMPARE(fixtures::readFile(file), before);
            return;
        }
        QVERIFY(load("mono_block.ogg"));
        QCOMPARE(text("txtBaseValue"), shown);
        // The game's warnings write the numbers given to them as the boxes do.
        const QString point = QLocale().decimalPoint();
        type("txtMaxDist", "0" + point + "05");
        QVERIFY2(w<QLabel>("pnlGameWarnings")->toolTip().contains("below 0" + point + "1:"),
                 qPrintable(w<QLabel>("pnlGameWarnings")->toolTip()));
    }
    void cleanup() { close(); }

    // Each keystroke is checked: a lone "-" is no number yet, a lone separator is.
    void typedNumbersAreCheckedAtOnce()
    {
        add("mono_block.ogg");
        QVERIFY(load("mono_block.ogg"));
        auto log = driver::answerMessageBoxes(QMessageBox::Ok);
        type("txtMinDist", "-");
        QTRY_COMPARE(log->texts(), QStringList{kNotValid});
        QCOMPARE(log->boxes.first().title, QString("Kelvane 1.0"));
        QCOMPARE(log->boxes.first().icon, QMessageBox::NoIcon);
        QCOMPARE(form->statusText(), kNotValid);
        QCOMPARE(form->focusWidget(), w<QWidget>("txtMinDist"));
        QCOMPARE(text("txtMinDist"), QString("-"));
        QVERIFY(enabled("btnApply") && enabled("btnRevert"));
        QVERIFY(form->dataChanged());

        type("txtMaxDist", ".");
        type("txtMaxAIDist", "");
        driver::idle();
        QCOMPARE(log->boxes.size(), 1);
        log->stop = true;
    }

    // Apply stops at the first box the editor refuses (its rules: test_attribute_editor), with
    // the status text, a message box only for what is no number, and the focus on the box.
    void validation_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("messageBox");
        QTest::newRow("volume not a number") << "txtBaseValue"
                                             << "a" << kVolume << true;
        QTest::newRow("minimum empty") << "txtMinDist"
                                       << "" << kAtLeastZero << true;
        QTest::newRow("maximum below minimum") << "txtMaxDist"
                                               << "0.5" << kAtLeastMinimum << false;
        QTest::newRow("AI zero") << "txtMaxAIDist"
                                 << "0"
                                 << "" << false;
    }
    void validation()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, status);
        QFETCH(bool, messageBox);
        const QString file = add("mono_block.ogg");
        const QByteArray before = fixtures::readFile(file);
        QVERIFY(load("mono_block.ogg"));
        w<QCheckBox>("cbxRenameOriginals")->setChecked(false);
        auto typing = driver::answerMessageBoxes(QMessageBox::Ok);
        type(qPrintable(box), typed);
        driver::idle();
        typing->stop = true;

        auto applying = driver::answerMessageBoxes(QMessageBox::Ok);
        press("btnApply");
        driver::idle();
        applying->stop = true;
        if (status.isEmpty()) {
            QVERIFY2(form->statusText().startsWith(" Wrote "), qPrintable(form->statusText()));
            QVERIFY(fixtures::readFile(file) != before);
            const SoundAttributes saved = attributesOf(file);
            QCOMPARE(saved.minDist, 0.7f);
            QVERIFY(!enabled("btnApply"));
            return;
        }
        QCOMPARE(form->statusText(), status);
        QCOMPARE(applying->texts(), messageBox ? QStringList{kNotValid} : QStringList());
        QCOMPARE(form->focusWidget(), w<QWidget>(qPrintable(box)));
        QCOMPARE(text(qPrintable(box)), typed);
        QCOMPARE(fixtures::readFile(file), before);
        QVERIFY(enabled("btnApply"));
    }

    // Changing a value and changing it back writes nothing and leaves nothing pending.
    void nothingChangedWritesNothing()
    {
        const QString file = add("mono_block.ogg");
        add("stereo_block.ogg");
        const QByteArray before = fixtures::readFile(file);
        QVERIFY(load("mono_block.ogg"));
        type("txtMaxDist", "25");
        type("txtMaxDist", "20");
        chooseType(3);
        chooseType(18);
        QVERIFY(enabled("btnApply"));
        press("btnApply");
        QCOMPARE(form->statusText(), QString(" Nothing written -- nothing changed!"));
        QVERIFY(enabled("btnApply"));
        QVERIFY(!form->dataChanged());
        QCOMPARE(fixtures::readFile(file), before);
        QVERIFY(!QFile::exists(file + ".bak"));
        QVERIFY(click("stereo_block.ogg")); // no question: nothing is pending
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("stereo_block.ogg"));
    }

    void copyAndPasteCarryAttributesToOtherFiles()
    {
        add("mono_block.ogg");
        add("stereo_block.ogg");
        QVERIFY(QDir(folder).mkdir("sub"));
        QVERIFY(load("mono_block.ogg"));
        type("txtBaseValue", "1.5");
        press("btnCopy");
        QVERIFY(enabled("btnPaste"));

        auto question = driver::answerMessageBox(QMessageBox::No);
        QVERIFY(click("stereo_block.ogg"));
        QTRY_VERIFY(question->seen);
        QVERIFY(enabled("btnPaste"));
        QCOMPARE(text("txtBaseValue"), QString("1.0000000"));
        press("btnPaste");
        QCOMPARE(w<QComboBox>("cmbGameType")->currentText(), QString("weapon_recharging"));
        QCOMPARE(text("txtBaseValue"), QString("1.5000000"));
        QCOMPARE(text("txtMinDist"), QString("0.7000000"));
        QVERIFY(enabled("btnApply") && enabled("btnRevert") && form->dataChanged());

        press("btnRevert");
        QCOMPARE(text("txtMinDist"), QString("5.0000000"));
        QVERIFY(!enabled("btnApply") && !enabled("btnRevert") && !form->dataChanged());
        QVERIFY(enabled("btnCopy"));

        // A folder entry shows no block: nothing to edit, nothing to paste into.
        QVERIFY(click("<dir>  sub"));
        QVERIFY(!enabled("btnPaste"));
        QVERIFY(!w<QLineEdit>("txtBaseValue")->isEnabled());
        QVERIFY(!w<QComboBox>("cmbGameType")->isEnabled());
        QVERIFY(click("mono_block.ogg"));
        QVERIFY(enabled("btnPaste"));

        // A copy that does not validate takes Paste away.
        auto boxes = driver::answerMessageBoxes(QMessageBox::Ok);
        type("txtMaxDist", "q");
        press("btnCopy");
        driver::idle();
        boxes->stop = true;
        QCOMPARE(boxes->texts(), QStringList({kNotValid, kNotValid}));
        QCOMPARE(form->statusText(), kAtLeastMinimum);
        QVERIFY(!enabled("btnPaste"));
    }

    // After an insertion and an edit, Revert shows the defaults again, still to be saved.
    void revertAfterInsertionShowsTheDefaults()
    {
        add("no_comments.ogg");
        QVERIFY(load("no_comments.ogg"));
        type("txtMinDist", "3");
        chooseType(20);
        press("btnRevert");
        QCOMPARE(text("txtMinDist"), QString("2.0000000"));
        QCOMPARE(w<QComboBox>("cmbGameType")->currentText(), QString("undefined"));
        QVERIFY(enabled("btnApply") && !enabled("btnRevert") && form->dataChanged());
    }

    // A file read in part is never armed, whatever the user does.
    void fileReadInPartIsNeverArmed()
    {
        add("mono_block.ogg");
        QByteArray big = fixtures::readFile(fixtures::samplePath("stereo_block.ogg"));
        big.resize(10'485'761);
        fixtures::writeFile(path("big.ogg"), big);
        QVERIFY(load("mono_block.ogg"));
        press("btnCopy");
        QVERIFY(click("big.ogg"));
        type("txtBaseValue", "1.25");
        QVERIFY(!enabled("btnApply") && !enabled("btnRevert"));
        press("btnPaste");
        QVERIFY(!enabled("btnApply"));
        press("btnRevert");
        QVERIFY(!enabled("btnApply"));
        QVERIFY(!form->dataChanged());
        QVERIFY(click("mono_block.ogg")); // no question
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("mono_block.ogg"));
    }

    // A type code the list does not hold shows as "undefined" and is written as 0.
    void unlistedGameTypeIsWrittenAsZero()
    {
        const QByteArray file = builder::withCommentPacket(
            fixtures::readFile(fixtures::samplePath("no_comments.ogg")),
            builder::commentPacket("v", {builder::blockBytes({.gameType = 0xC0800000u})}));
        fixtures::writeFile(path("combined.ogg"), file);
        QVERIFY(load("combined.ogg"));
        QCOMPARE(w<QComboBox>("cmbGameType")->currentText(), QString("undefined"));
        type("txtBaseValue", "0.5");
        press("btnApply");
        QCOMPARE(attributesOf(path("combined.ogg")).gameType, 0u);
        QCOMPARE(attributesOf(path("combined.ogg")).baseValue, 0.5f);
    }
};

int main(int argc, char *argv[])
{
    KelvaneApplication app(argc, argv);
    TestAttributeEditing test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_attribute_editing.moc"
