#include "error_display.h"
#include "form_fixture.h"
#include "hint_tracker.h"
#include "kelvane_application.h"
#include "kelvane_window.h"
#include "sound_fixtures.h"
#include "window_driver.h"

#include <stdexcept>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kelvane;
using driver::find;

namespace {

// Throws from its event handler, as a handler with a fault would.
class FaultyHandler : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Handler failed");
        return QObject::event(event);
    }
};

} // namespace

class TestMainWindow : public QObject, FormFixture
{
    Q_OBJECT

    void hover(QWidget *widget, QPoint at = {5, 5})
    {
        QTest::mouseMove(widget, at);
        driver::idle();
    }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    void startsWithEveryControlInItsInitialState()
    {
        KelvaneWindow &w = *form;
        QCOMPARE(w.windowTitle(), QString("S.T.A.L.K.E.R. Kelvane 1.0"));
        QCOMPARE(QApplication::applicationDisplayName(), QString("Kelvane 1.0"));
        QCOMPARE(w.programDir(), QCoreApplication::applicationDirPath() + "/");
        const QStringList panels{"pnlMetaControl", "pnlHelpAbout",  "pnlFileList",
                                 "pnlControl",     "pnlAttributes", "pnlFileChange"};
        for (const QString &name : panels)
            QVERIFY2(w.findChild<QFrame *>(name), qPrintable(name));
        for (const char *name :
             {"pnlCurrentDir", "pnlFileName", "pnlAttrStatus", "lblInfo", "lblGameSoundType",
              "lblBaseValue", "lblMinDist", "lblMaxDist", "lblMaxAIDist"})
            QVERIFY2(find<QLabel>(&w, name), name);
        for (const char *name : {"btnSelectDirectory", "btnHelp", "btnAbout", "btnApply",
                                 "btnRevert", "btnCopy", "btnPaste"})
            QVERIFY2(find<QPushButton>(&w, name), name);
        for (const char *name : {"txtBaseValue", "txtMinDist", "txtMaxDist", "txtMaxAIDist"}) {
            QVERIFY2(find<QLineEdit>(&w, name), name);
            QCOMPARE(find<QLineEdit>(&w, name)->text(), QString());
        }
        QVERIFY(find<QListView>(&w, "lstFiles"));
        QVERIFY(find<QStatusBar>(&w, "sbStatus"));

        QCOMPARE(find<QPushButton>(&w, "btnApply")->text(), QString("&Apply"));
        QCOMPARE(find<QPushButton>(&w, "btnSelectDirectory")->text(),
                 QString("Select Drive/Directory"));
        QCOMPARE(find<QCheckBox>(&w, "cbxRenameOriginals")->text(),
                 QString("Rename Originals with .bak"));
        QVERIFY(find<QCheckBox>(&w, "cbxRenameOriginals")->isChecked());
        for (const char *name : {"btnApply", "btnRevert", "btnCopy", "btnPaste"})
            QVERIFY2(!find<QPushButton>(&w, name)->isEnabled(), name);
        QVERIFY(find<QLabel>(&w, "pnlAttrStatus")->isHidden());
        QCOMPARE(find<QLabel>(&w, "pnlFileName")->text(), QString("< No File Selected >"));
        // In the system's own separators: "C:\\Sounds\\" on Windows.
        QCOMPARE(find<QLabel>(&w, "pnlCurrentDir")->text(),
                 QDir::toNativeSeparators(QDir::currentPath() + "/"));
        auto *types = find<QComboBox>(&w, "cmbGameType");
        QCOMPARE(types->count(), 21);
        QCOMPARE(types->currentIndex(), -1);
        QCOMPARE(types->itemText(19), QString("weapon_shooting"));
        QCOMPARE(find<QComboBox>(&w, "cmbInfo")->count(), 0);
        QCOMPARE(w.statusText(), QString());
    }

    // Both file dialogs, as they open: Qt's own, named, with the sound filter first.
    void fileDialogsOpenWithTheirSettings()
    {
        QStringList seen;
        const auto record = [&seen](QFileDialog *dialog) {
            seen << dialog->objectName() << dialog->nameFilters().join('|')
                 << dialog->defaultSuffix()
                 << QString::number(dialog->testOption(QFileDialog::DontUseNativeDialog));
            dialog->reject();
        };
        driver::onFileDialog(record);
        press("btnSelectDirectory");
        QTRY_VERIFY(driver::noModalOpen());
        // Save-as needs a file that may be written: a bad checksum arms Apply.
        add("bad_checksum.ogg");
        QVERIFY(load("bad_checksum.ogg"));
        driver::onFileDialog(record);
        press("btnApply", Qt::ShiftModifier);
        QTRY_VERIFY(driver::noModalOpen());
        const QString filters = "Ogg Vorbis sound files (*.ogg)|All files (*)";
        QCOMPARE(seen, QStringList({"dlgOpen", filters, "", "1", "dlgSave", filters, "ogg", "1"}));
    }

    void docksItsStripsAndKeepsFixedControls()
    {
        KelvaneWindow &w = *form;
        auto *top = find<QFrame>(&w, "pnlMetaControl");
        auto *folderStrip = find<QLabel>(&w, "pnlCurrentDir");
        auto *list = find<QFrame>(&w, "pnlFileList");
        auto *control = find<QFrame>(&w, "pnlControl");
        auto *status = find<QStatusBar>(&w, "sbStatus");
        auto *helpAbout = find<QFrame>(&w, "pnlHelpAbout");
        auto *attrs = find<QFrame>(&w, "pnlAttributes");
        auto *change = find<QFrame>(&w, "pnlFileChange");
        auto *apply = find<QPushButton>(&w, "btnApply");
        for (const QSize size : {QSize(712, 464), QSize(1000, 640)}) {
            w.resize(size);
            QTest::qWait(20);
            const int width = w.width();
            QCOMPARE(top->geometry(), QRect(0, 0, width, 37));
            QCOMPARE(folderStrip->geometry(), QRect(0, 37, width, 25));
            QCOMPARE(status->height(), 27);
            QCOMPARE(status->geometry().bottom(), w.height() - 1);
            // The list and the rest share a splitter, whose handle lies between them.
            const QRect listAt(list->mapTo(&w, QPoint(0, 0)), list->size());
            const QRect controlAt(control->mapTo(&w, QPoint(0, 0)), control->size());
            QCOMPARE(listAt.topLeft(), QPoint(0, 62));
            QCOMPARE(list->width(), 245);
            QCOMPARE(controlAt.left(), 245 + 4);
            QCOMPARE(controlAt.right(), width - 1);
            QCOMPARE(helpAbout->width(), 196);
            QCOMPARE(helpAbout->geometry().right(), top->width() - 2);
            QCOMPARE(change->height(), 48);
            QCOMPARE(change->geometry().bottom(), control->height() - 2);
            QCOMPARE(attrs->geometry().bottom(), change->geometry().top() - 1);
            QCOMPARE(apply->pos(), QPoint(14, 10));
            QCOMPARE(find<QComboBox>(&w, "cmbInfo")->geometry(), QRect(120, 44, 325, 24));
            QCOMPARE(find<QLineEdit>(&w, "txtMaxAIDist")->geometry(), QRect(256, 228, 189, 24));
            // Labels are right-aligned so that their text ends where the layout says.
            QCOMPARE(find<QLabel>(&w, "lblMinDist")->geometry().right() + 1, 245);
            QCOMPARE(find<QLabel>(&w, "lblInfo")->geometry().right() + 1, 109);
        }
    }

    void keyboardOrderFollowsTheLayout()
    {
        const QStringList expected{"btnSelectDirectory",
                                   "cbxRenameOriginals",
                                   "btnHelp",
                                   "btnAbout",
                                   "lstFiles",
                                   "cmbInfo",
                                   "cmbGameType",
                                   "txtBaseValue",
                                   "txtMinDist",
                                   "txtMaxDist",
                                   "txtMaxAIDist",
                                   "btnApply",
                                   "btnRevert",
                                   "btnCopy",
                                   "btnPaste"};
        QStringList chain;
        QWidget *w = find<QWidget>(form.get(), "btnSelectDirectory");
        do {
            if (expected.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != find<QWidget>(form.get(), "btnSelectDirectory"));
        QCOMPARE(chain, expected);
        // Disabled controls are skipped when tabbing.
        find<QPushButton>(form.get(), "btnAbout")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("lstFiles"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmbInfo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("btnSelectDirectory"));
    }

    void tooltipsShowTheShortHint()
    {
        const QList<QPair<const char *, QString>> tips{
            {"btnSelectDirectory", "Shift-click to open Explorer"},
            {"cbxRenameOriginals", "Make backups when saving"},
            {"pnlCurrentDir", ""},
            {"cmbInfo", "Read-only details about the sound"},
            {"cmbGameType", "Determines how AI will react"},
            {"txtBaseValue", "0.0 to 2.0, typically 1.0"},
            {"txtMinDist", "Full volume up to here"},
            {"txtMaxDist", "Still hear sound up to here"},
            {"txtMaxAIDist", "AI will react up to this distance"},
            {"btnApply", "Shift-click for Save as..."},
            {"btnRevert", "Restore original file attributes"},
            {"btnCopy", "Make a copy of these attributes"},
            {"btnPaste", "Use previously-copied attributes"},
        };
        for (const auto &[name, tip] : tips) {
            auto *w = find<QWidget>(form.get(), name);
            QCOMPARE(w->toolTip(), tip);
            if (!tip.isEmpty())
                QCOMPARE(w->toolTipDuration(), 10000);
        }
        for (const char *name : {"lstFiles", "pnlMetaControl", "pnlAttributes", "lblInfo"})
            QCOMPARE(find<QWidget>(form.get(), name)->toolTip(), QString());
        QCOMPARE(form->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 50);
        QCOMPARE(form->style()->styleHint(QStyle::SH_ToolTip_FallAsleepDelay), 50);
    }

    // The status line follows the pointer's long hint, disabled controls included; a message
    // stays until the pointer reaches another hint.
    void statusLineFollowsTheLongHint()
    {
        hover(find<QWidget>(form.get(), "pnlCurrentDir"));
        QTRY_COMPARE(form->statusText(), QString("Click for Open dialog, Shift-click to explore "
                                                 "this dir, Ctrl-click to refresh list"));
        auto *apply = find<QWidget>(form.get(), "btnApply");
        QVERIFY(!apply->isEnabled());
        hover(apply);
        QTRY_COMPARE(form->statusText(), QString("Shift-click for Save as..."));
        hover(find<QWidget>(form.get(), "txtMaxAIDist"));
        QTRY_COMPARE(form->statusText(), QString("Up to this distance, AI will \"hear\" the sound "
                                                 "for certain sound types."));
        hover(find<QWidget>(form.get(), "cbxRenameOriginals"));
        QTRY_COMPARE(form->statusText(),
                     QString("When a changed file is saved, the original can be "
                             "renamed with .bak extension"));

        // A click on Help writes a message; moving within the same control keeps it.
        auto *help = find<QPushButton>(form.get(), "btnHelp");
        hover(help);
        QCOMPARE(form->statusText(), QString());
        QTest::mouseClick(help, Qt::LeftButton);
        driver::idle();
        QVERIFY(form->statusText().startsWith(" Could not find "));
        hover(help, {10, 10});
        QVERIFY(form->statusText().startsWith(" Could not find "));

        hover(find<QWidget>(form.get(), "txtMinDist"));
        QTRY_COMPARE(form->statusText(),
                     QString("You will still hear the sound at full volume up to this distance."));
        hover(find<QListView>(form.get(), "lstFiles")->viewport());
        QCOMPARE(form->statusText(), QString());
    }

    // Help hands the text file beside the program to the desktop, wherever the list is.
    void helpOpensTheFileBesideTheProgram()
    {
        const QString path = QCoreApplication::applicationDirPath() + "/Kelvane_Help.txt";
        QFile::remove(path);
        QTest::mouseClick(find<QPushButton>(form.get(), "btnHelp"), Qt::LeftButton);
        QCOMPARE(form->statusText(), " Could not find " + QDir::toNativeSeparators(path));
        QVERIFY(launcher.documents.isEmpty());

        fixtures::writeFile(path, "help");
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        QTest::mouseClick(find<QPushButton>(form.get(), "btnHelp"), Qt::LeftButton);
        QCOMPARE(form->statusText(), " " + QDir::toNativeSeparators(path));
        QCOMPARE(launcher.documents, QStringList{path});
        QVERIFY(QFile::remove(path));
        launcher.documents.clear();
    }

    void aboutNamesTheProgramAndItsSources()
    {
        hover(find<QWidget>(form.get(), "btnAbout"));
        QCOMPARE(form->statusText(), QString());
        const auto seen = driver::answerMessageBox(QMessageBox::Ok);
        QTest::mouseClick(find<QPushButton>(form.get(), "btnAbout"), Qt::LeftButton);
        QTRY_VERIFY(seen->seen);
        QCOMPARE(seen->title, QString("Kelvane 1.0"));
        QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        const QStringList lines = seen->text.split('\n');
        QCOMPARE(lines.size(), 20);
        QCOMPARE(lines.at(0), QString("Ogg Vorbis Kelvane"));
        QCOMPARE(lines.at(1), QString("for S.T.A.L.K.E.R. SoC/CS/CoP"));
        QCOMPARE(lines.at(3), QString("Version 1.0"));
        QVERIFY(lines.at(6).contains("The Kelvane developers"));
        QCOMPARE(lines.at(7), QString(34, '_'));
        QCOMPARE(lines.at(9), QString("   Acknowledgements with great thanks:"));
        QCOMPARE(lines.at(10), QString(34, '_'));
        for (int empty : {2, 4, 8, 11, 15})
            QCOMPARE(lines.at(empty), QString());
        for (int heading : {12, 16}) {
            QVERIFY(lines.at(heading).startsWith("    ") && lines.at(heading).endsWith(':'));
            QVERIFY(lines.at(heading + 1).startsWith("        "));
        }
        QVERIFY(lines.at(13).contains("Ogg") && seen->text.contains("RFC 3533"));
        QVERIFY(seen->text.contains("Xiph.Org, Vorbis I"));
        QCOMPARE(form->statusText(), QString());
    }

    void errorDisplayAddsTheFinalPeriod_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Disk gone"
                                << "Disk gone.";
        QTest::newRow("digit") << "Error 5"
                               << "Error 5.";
        QTest::newRow("question") << "Why?"
                                  << "Why?.";
        QTest::newRow("period") << "Done."
                                << "Done.";
        QTest::newRow("exclamation") << "Stop!"
                                     << "Stop!";
        QTest::newRow("parenthesis") << "Failed (3)"
                                     << "Failed (3)";
        QTest::newRow("empty") << ""
                               << "";
    }
    void errorDisplayAddsTheFinalPeriod()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(withFinalPeriod(message), shown);
    }

    // An error escaping a handler is shown in the error display and the program goes on.
    void escapedErrorIsShownAndTheProgramGoesOn()
    {
        FaultyHandler faulty;
        const auto seen = driver::answerMessageBox(QMessageBox::Ok);
        QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
        QTRY_VERIFY(seen->seen);
        QCOMPARE(seen->title, QString("Kelvane 1.0"));
        QCOMPARE(seen->text, QString("Handler failed."));
        QCOMPARE(seen->icon, QMessageBox::Critical);
        QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QTRY_VERIFY(driver::noModalOpen());
        // The window still answers.
        QTest::mouseClick(find<QPushButton>(form.get(), "btnHelp"), Qt::LeftButton);
        QVERIFY(form->statusText().startsWith(" Could not find "));
    }
};

int main(int argc, char *argv[])
{
    KelvaneApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_main_window.moc"
