#include "folder_listing.h"
#include "kelvane_application.h"
#include "kelvane_window.h"
#include "sound_fixtures.h"
#include "window_driver.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <semaphore>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvane;
using driver::find;

class TestFolderBrowsing : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString root_;
    driver::RecordingLauncher launcher_;
    std::unique_ptr<KelvaneWindow> form_;

    QListView *list() { return find<QListView>(form_.get(), "lstFiles"); }
    QString shownFolder()
    {
        return QDir::fromNativeSeparators(find<QLabel>(form_.get(), "pnlCurrentDir")->text());
    }
    QString firstInfoLine() { return find<QComboBox>(form_.get(), "cmbInfo")->currentText(); }
    QString fileName() { return find<QLabel>(form_.get(), "pnlFileName")->text(); }
    QStringList selected() { return driver::selectedEntries(list()); }
    void copy(const QString &sample, const QString &as)
    {
        const QString path = fixtures::copySample(sample, root_);
        QVERIFY(QFile::rename(path, QDir(root_).filePath(as)));
    }

private slots:
    // A folder holding hidden and visible sub-folders, sounds in mixed letter case, one with a
    // name beyond ASCII, a hidden sound and a file of another kind.
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        root_ = QDir(dir_->path()).canonicalPath();
        QDir root(root_);
        for (const char *folder : {".hidden", "b", "C", "b/deeper", "folder.ogg"})
            QVERIFY(root.mkpath(folder));
        copy("mono_block.ogg", "x.OGG");
        copy("stereo_block.ogg", "y.ogg");
        copy("mono_block.ogg", "Z.ogg");
        copy("mono_block.ogg", ".z.ogg");
        copy("mono_block.ogg", "a.ogg.ogg");
        copy("mono_block.ogg", QStringLiteral("\u00c9t\u00e9.ogg"));
        copy("mono_block.ogg", "b/inner.ogg");
        fixtures::writeFile(root.filePath("w.wav"), "RIFF");
        QVERIFY(QDir::setCurrent(root_));
        form_ = std::make_unique<KelvaneWindow>(&launcher_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        launcher_.folders.clear();
    }
    void cleanup()
    {
        form_.reset();
        dir_.reset();
    }

    // A listing read ahead at start-up serves once, and only the folder it was read for: a
    // later listing sees the folder as it is then. The work given to run first is done before
    // the folder is read.
    void aListingReadAheadServesItsFolderOnce()
    {
        // No test macro on that thread: a plain new file.
        listFolderAhead(root_ + "/b", [path = root_ + "/b/first.ogg"] {
            QFile file(path);
            static_cast<void>(file.open(QIODevice::WriteOnly));
        });
        // Once that work is done, the folder is read after it, by the thread or by the taker.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(root_ + "/b/first.ogg"), 20000);
        QCOMPARE(listFolder(root_).folders, QStringList({"b", "C", "folder.ogg"}));
        QCOMPARE(listFolder(root_ + "/b").sounds, QStringList({"first.ogg", "inner.ogg"}));
        copy("mono_block.ogg", "b/later.ogg");
        QCOMPARE(listFolder(root_ + "/b").sounds,
                 QStringList({"first.ogg", "inner.ogg", "later.ogg"}));
    }

    // A listing whose thread is still at its first work is read by the one who asks for it,
    // who does not wait for that thread.
    void aListingNotBegunIsReadByItsTaker()
    {
        auto release = std::make_shared<std::binary_semaphore>(0);
        auto waited = std::make_shared<std::atomic<bool>>(false);
        listFolderAhead(root_ + "/b", [release, waited] {
            waited->store(!release->try_acquire_for(std::chrono::seconds(20)));
        });
        QCOMPARE(listFolder(root_ + "/b").sounds, QStringList({"inner.ogg"}));
        QVERIFY(!waited->load());
        release->release();
    }

    // Plain ASCII names are sorted as bytes: the same order as decoded names, case aside.
    void asciiNamesSortWithoutRegardToCase()
    {
#ifdef Q_OS_WIN // names that differ only in case name one file there
        const QStringList names{"b.ogg", "a_b.ogg", "ab.ogg", "Z.ogg", "A.ogg"};
        const QStringList sorted{"A.ogg", "a_b.ogg", "ab.ogg", "b.ogg", "Z.ogg"};
#else
        const QStringList names{"b.ogg", "B.ogg", "a_b.ogg", "ab.ogg", "Z.ogg", "A.ogg"};
        const QStringList sorted{"A.ogg", "a_b.ogg", "ab.ogg", "B.ogg", "b.ogg", "Z.ogg"};
#endif
        for (const QString &name : names)
            copy("mono_block.ogg", "b/deeper/" + name);
        QCOMPARE(listFolder(root_ + "/b/deeper").sounds, sorted);
    }

    void listsFoldersThenSoundsByName()
    {
        // A folder named like a sound is a folder entry.
        QCOMPARE(driver::entries(list()),
                 QStringList({"<dir>  ..", "<dir>  b", "<dir>  C", "<dir>  folder.ogg", "a.ogg.ogg",
                              "x.OGG", "y.ogg", "Z.ogg", QStringLiteral("\u00c9t\u00e9.ogg")}));
        QCOMPARE(selected(), QStringList());
        QCOMPARE(shownFolder(), root_ + "/");
        QCOMPARE(form_->statusText(), QString());
    }

    void rootHasNoParentEntry()
    {
        QVERIFY(form_->listFolder(QDir::rootPath()));
        QCOMPARE(shownFolder(), QDir::rootPath()); // "/", or a drive's root on Windows
        QVERIFY(!driver::entries(list()).contains("<dir>  .."));
        // The first folder of the test's own path ("tmp", or "users" on Windows) is listed.
        QVERIFY(driver::entries(list()).contains("<dir>  " + root_.section('/', 1, 1)));
    }

    // One click on a folder clears the display; a double click or Enter goes into it.
    void foldersAreEnteredByDoubleClickOrEnter()
    {
        QVERIFY(driver::clickEntry(list(), "y.ogg"));
        QCOMPARE(fileName(), QString("y.ogg"));
        QVERIFY(driver::clickEntry(list(), "<dir>  b"));
        QCOMPARE(fileName(), QString("< No File Selected >"));
        QCOMPARE(find<QComboBox>(form_.get(), "cmbInfo")->count(), 0);
        QCOMPARE(form_->currentFileName(), QString("<dir>  b"));
        QCOMPARE(form_->listedFolder(), root_);

        QVERIFY(driver::clickEntry(list(), "<dir>  b", true));
        QCOMPARE(form_->listedFolder(), root_ + "/b");
        QCOMPARE(QDir::currentPath(), root_); // the process's own folder is left alone
        QCOMPARE(shownFolder(), root_ + "/b/");
        QCOMPARE(driver::entries(list()), QStringList({"<dir>  ..", "<dir>  deeper", "inner.ogg"}));

        QVERIFY(driver::clickEntry(list(), "<dir>  .."));
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(form_->listedFolder(), root_);
        QCOMPARE(shownFolder(), root_ + "/");

        // Enter on a sound changes nothing: selecting it has already loaded it.
        QVERIFY(driver::clickEntry(list(), "x.OGG"));
        QCOMPARE(firstInfoLine(), QString("Number of channels:  1 "));
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(form_->listedFolder(), root_);
        QCOMPARE(fileName(), QString("x.OGG"));
        QCOMPARE(firstInfoLine(), QString("Number of channels:  1 "));

#ifndef Q_OS_WIN
        // A sound may be named as a folder's entry is shown; it is still a sound.
        copy("mono_block.ogg", "<dir>  folder.ogg");
        QVERIFY(form_->listFolder(root_));
        const QStringList entries = driver::entries(list());
        QCOMPARE(entries.count("<dir>  folder.ogg"), 2);
        list()->setCurrentIndex(
            list()->model()->index(int(entries.lastIndexOf("<dir>  folder.ogg")), 0));
        QCOMPARE(fileName(), QString("<dir>  folder.ogg"));
        QCOMPARE(firstInfoLine(), QString("Number of channels:  1 "));
#endif
    }

    void arrowKeysLoadTheSelectedSound()
    {
        QVERIFY(driver::clickEntry(list(), "x.OGG"));
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(fileName(), QString("y.ogg"));
        QCOMPARE(firstInfoLine(), QString("Number of channels:  2 (* not for SoC *)"));
    }

    // Ctrl-click reads the current sound again from disk, when its name ends in ".ogg".
    void refreshReloadsTheCurrentSound()
    {
        auto *select = find<QPushButton>(form_.get(), "btnSelectDirectory");
        QVERIFY(driver::clickEntry(list(), "y.ogg"));
        QCOMPARE(firstInfoLine(), QString("Number of channels:  2 (* not for SoC *)"));
        QVERIFY(QFile::remove(QDir(root_).filePath("y.ogg")));
        copy("mono_block.ogg", "y.ogg");
        fixtures::writeFile(QDir(root_).filePath("new.ogg"), "new");
        QTest::mouseClick(select, Qt::LeftButton, Qt::ControlModifier);
        QVERIFY(driver::entries(list()).contains("new.ogg"));
        QCOMPARE(selected(), QStringList{"y.ogg"});
        QCOMPARE(firstInfoLine(), QString("Number of channels:  1 "));
        QCOMPARE(list(), QApplication::focusWidget());

        for (const QString name : {"x.OGG", "a.ogg.ogg"}) {
            QVERIFY(driver::clickEntry(list(), name));
            QCOMPARE(fileName(), name);
            QTest::mouseClick(select, Qt::LeftButton, Qt::ControlModifier);
            QCOMPARE(selected(), QStringList());
            QCOMPARE(fileName(), QString("< No File Selected >"));
        }
    }

    // Shift opens the file manager on the shown folder, without asking about pending changes.
    void shiftClickOpensTheFileManager()
    {
        copy("bad_checksum.ogg", "bad.ogg");
        QTest::mouseClick(find<QPushButton>(form_.get(), "btnSelectDirectory"), Qt::LeftButton,
                          Qt::ControlModifier);
        QVERIFY(driver::clickEntry(list(), "bad.ogg"));
        QVERIFY(form_->dataChanged());

        QTest::mouseClick(find<QLabel>(form_.get(), "pnlCurrentDir"), Qt::LeftButton,
                          Qt::ShiftModifier);
        const QString shown = QDir::toNativeSeparators(root_ + "/");
        QCOMPARE(form_->statusText(), "Explorer.exe /n,/e," + shown);
        QCOMPARE(launcher_.folders, QStringList{shown});
        QVERIFY(driver::noModalOpen());
        QCOMPARE(fileName(), QString("bad.ogg"));

        // Shift is tested first.
        QTest::mouseClick(find<QPushButton>(form_.get(), "btnSelectDirectory"), Qt::LeftButton,
                          Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(launcher_.folders.size(), 2);

        // The flags keep the last press: Shift-click on Apply (Save-as, cancelled), then the
        // button pressed from the keyboard opens the file manager again.
        const auto dialog = driver::answerFileDialog(QString());
        QTest::mouseClick(find<QPushButton>(form_.get(), "btnApply"), Qt::LeftButton,
                          Qt::ShiftModifier);
        QTRY_VERIFY(driver::noModalOpen());
        auto *select = find<QPushButton>(form_.get(), "btnSelectDirectory");
        select->setFocus();
        QTest::keyClick(select, Qt::Key_Space);
        QCOMPARE(launcher_.folders.size(), 3);
    }

    // The Open dialog picks a folder through the preset name, or a sound to load.
    void openDialogPicksAFolderOrASound()
    {
        auto *select = find<QPushButton>(form_.get(), "btnSelectDirectory");
        const auto none = driver::answerFileDialog(QString());
        QTest::mouseClick(select, Qt::LeftButton);
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(shownFolder(), root_ + "/");

        auto opened = driver::answerFileDialog(root_ + "/b/Folder Selection.");
        QTest::mouseClick(select, Qt::LeftButton);
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(form_->listedFolder(), root_ + "/b");
        QCOMPARE(shownFolder(), root_ + "/b/");
        QCOMPARE(driver::entries(list()), QStringList({"<dir>  ..", "<dir>  deeper", "inner.ogg"}));
        QCOMPARE(selected(), QStringList());
        QCOMPARE(form_->statusText(), QString());

        // A click on the folder strip opens the dialog in the shown folder.
        opened = driver::answerFileDialog(root_ + "/y.ogg");
        QTest::mouseClick(find<QLabel>(form_.get(), "pnlCurrentDir"), Qt::LeftButton);
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(*opened, root_ + "/b");
        QCOMPARE(form_->listedFolder(), root_);
        QCOMPARE(selected(), QStringList{"y.ogg"});
        QCOMPARE(fileName(), QString("y.ogg"));
        QCOMPARE(firstInfoLine(), QString("Number of channels:  2 (* not for SoC *)"));
    }
};

int main(int argc, char *argv[])
{
    KelvaneApplication app(argc, argv);
    TestFolderBrowsing test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_folder_browsing.moc"
