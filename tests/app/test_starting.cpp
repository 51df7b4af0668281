#include "desktop_launcher.h"
#include "form_fixture.h"
#include "kelvane_application.h"
#include "sound_table_panel.h"
#include "start_request.h"
#include "start_window.h"

#include <csignal>

#include <QDir>
#include <QProcess>
#include <QTableView>
#include <QTextBrowser>

using namespace kelvane;

class TestStarting : public QObject, FormFixture
{
    Q_OBJECT

    // The window as `kelvane ARGUMENTS...` makes it, started in the fixture's folder.
    void start(const QStringList &arguments)
    {
        QVERIFY(QDir::setCurrent(folder));
        form = makeStartWindow(readStartArguments(QStringList{"kelvane"} + arguments, true),
                               &launcher);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    QString loaded() { return w<QLabel>("pnlFileName")->text(); }
    QString listed() { return QDir::fromNativeSeparators(w<QLabel>("pnlCurrentDir")->text()); }

private slots:
    void init()
    {
        QVERIFY(open());
        form.reset();
        QVERIFY(QDir().mkpath(path("sounds/deeper")));
        fixtures::copySample("mono_block.ogg", path("sounds"));
        fixtures::copySample("stereo_block.ogg", path("sounds"));
    }
    void cleanup() { close(); }

    void aFolderIsListed()
    {
        start({path("sounds")});
        QCOMPARE(listed(), path("sounds") + "/");
        QCOMPARE(QDir::currentPath(), path("sounds"));
        QCOMPARE(driver::entries(w<QListView>("lstFiles")),
                 QStringList({"<dir>  ..", "<dir>  deeper", "mono_block.ogg", "stereo_block.ogg"}));
        QCOMPARE(selectedEntry(), QString());
        QCOMPARE(loaded(), QString("< No File Selected >"));
        QCOMPARE(form->statusText(), QString());
    }

    // --all-sounds starts on the sound table of the folder's tree.
    void theOverviewOfATree()
    {
        start({"--all-sounds", path("sounds")});
        auto *panel = form->findChild<SoundTablePanel *>("pnlAllSounds");
        QVERIFY(panel && panel->isVisible());
        QVERIFY(QTest::qWaitFor([panel] { return !panel->busy(); }));
        QCOMPARE(driver::entries(w<QTableView>("tblSounds")),
                 QStringList({"mono_block.ogg", "stereo_block.ogg"}));
    }

    // A file manager passes every chosen sound: the first is loaded.
    void soundsListTheirFolderAndLoadTheFirst()
    {
        start({"sounds/stereo_block.ogg", "sounds/mono_block.ogg"});
        QCOMPARE(listed(), path("sounds") + "/");
        QCOMPARE(selectedEntry(), QString("stereo_block.ogg"));
        QCOMPARE(loaded(), QString("stereo_block.ogg"));
        QCOMPARE(w<QComboBox>("cmbInfo")->itemText(0),
                 QString("Number of channels:  2 (* not for SoC *)"));
        QCOMPARE(text("txtMaxAIDist"), QString("55.0000000"));
    }

    void aPathThatCannotBeLoadedIsNamedInTheStatus_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("status");
        QTest::newRow("missing") << "nowhere/x.ogg"
                                 << " Could not find nowhere/x.ogg; the working folder is listed.";
        QTest::newRow("not listed")
            << "sounds/notes.txt"
            << " notes.txt is not an .ogg sound listed here; its folder is listed.";
    }
    void aPathThatCannotBeLoadedIsNamedInTheStatus()
    {
        QFETCH(QString, argument);
        QFETCH(QString, status);
        fixtures::writeFile(path("sounds/notes.txt"), "notes");
        start({argument});
        if (argument.startsWith("nowhere"))
            QCOMPARE(listed(), folder + "/");
        QCOMPARE(loaded(), QString("< No File Selected >"));
        QCOMPARE(form->statusText(), status);
    }

    // --help and --version answer with no display at all: no window toolkit is started.
    void helpAndVersionNeedNoWindow()
    {
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        bare.remove("DISPLAY");
        bare.remove("WAYLAND_DISPLAY");
        bare.insert("QT_QPA_PLATFORM", "xcb");
        for (const QString option : {"--help", "--version"}) {
            QProcess window;
            window.setProcessEnvironment(bare);
            window.start(KELVANE_WINDOW, {option});
            QVERIFY(window.waitForFinished(20'000));
            QCOMPARE(window.exitCode(), 0);
            const QString out = window.readAllStandardOutput();
            QVERIFY2(out.contains(option == "--help" ? "[FOLDER | SOUND.ogg ...]" : "kelvane 1.0"),
                     qPrintable(out));
        }
        QProcess window;
        window.setProcessEnvironment(bare);
        window.start(KELVANE_WINDOW, {"--bogus"});
        QVERIFY(window.waitForFinished(20'000));
        QVERIFY(window.exitCode() != 0);
    }

    // When the desktop cannot open the help file, the window shows it itself.
    void helpIsShownWhenTheDesktopCannotOpenIt()
    {
        start({});
        const QString helpFile = QCoreApplication::applicationDirPath() + "/Kelvane_Help.txt";
        fixtures::writeFile(helpFile, "The help text");
        launcher.documentsFail = true;
        QTest::mouseClick(w<QPushButton>("btnHelp"), Qt::LeftButton);
        QTRY_VERIFY(w<QDialog>("dlgHelp") && w<QDialog>("dlgHelp")->isVisible());
        auto *shown = w<QTextBrowser>("txtHelp");
        QCOMPARE(shown->toPlainText(), QString("The help text"));
        QVERIFY(shown->isReadOnly());
        QVERIFY(QFile::remove(helpFile));
    }

#ifdef Q_OS_LINUX // the opener asked is xdg-open
    // The desktop's opener is asked without a shell; its failure is reported, its success not.
    void theDesktopOpenerReportsItsFailure()
    {
        const QString bin = path("bin");
        QVERIFY(QDir().mkpath(bin));
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.toLocal8Bit() + ":" + oldPath);
        for (const int status : {3, 0}) {
            fixtures::writeFile(bin + "/xdg-open", "#!/bin/sh\necho \"$1\" > " +
                                                       path("asked").toUtf8() + "\nexit " +
                                                       QByteArray::number(status) + "\n");
            QFile::setPermissions(bin + "/xdg-open", QFile::ReadOwner | QFile::ExeOwner);
            bool failed = false;
            SystemDesktopLauncher().openDocument(path("a b;$(x).txt"), [&] { failed = true; });
            QTRY_COMPARE(fixtures::readFile(path("asked")), path("a b;$(x).txt").toUtf8() + "\n");
            QTest::qWait(100);
            QCOMPARE(failed, status != 0);
            QFile::remove(path("asked"));
        }
        qputenv("PATH", oldPath);
    }

    // SIGTERM with a change pending (a checksum to repair) and a question open ends the
    // program at once, asking nothing and writing nothing.
    void aTerminationRequestWaitsOnNobody()
    {
        const QString sound = fixtures::copySample("bad_checksum.ogg", folder);
        const QByteArray before = fixtures::readFile(sound);
        QProcess window;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        window.setProcessEnvironment(environment);
        window.start(KELVANE_WINDOW, {sound});
        QVERIFY(window.waitForStarted());
        // The handler is in place once the process catches the signal (SigCgt, bit 15 - 1).
        const auto catches = [&] {
            const QByteArray status =
                fixtures::readFile(QStringLiteral("/proc/%1/status").arg(window.processId()));
            const qsizetype at = status.indexOf("SigCgt:");
            return at >= 0 && (status.mid(at + 7, 17).trimmed().toULongLong(nullptr, 16) &
                               (1ull << (SIGTERM - 1))) != 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(catches(), 20'000);
        QTest::qWait(1'000); // the window up, the sound loaded and its repair pending
        ::kill(static_cast<pid_t>(window.processId()), SIGTERM);
        QVERIFY2(window.waitForFinished(20'000), "still running 20 s after SIGTERM");
        QCOMPARE(window.exitStatus(), QProcess::NormalExit);
        QCOMPARE(fixtures::readFile(sound), before);
    }
#endif
};

int main(int argc, char *argv[])
{
    KelvaneApplication app(argc, argv);
    TestStarting test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_starting.moc"
