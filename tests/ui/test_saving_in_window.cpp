#include "comment_page_builder.h"
#include "form_fixture.h"
#include "kelvane_application.h"
#include "ogg_judge.h"
#include "sound_reader.h"

#include <csignal>
#include <tuple>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QMenu>

#ifdef Q_OS_LINUX
#include "save_faults.h"

#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace kelvane;

namespace {

// libogg accepts every page, the first comment is the block, and the audio decodes as before.
void judge(const QString &saved, const QString &original)
{
    const OggVerdict verdict = judgeOgg(fixtures::readFile(saved));
    QVERIFY2(verdict.valid, qPrintable(verdict.problem));
    QCOMPARE(vorbisComments(verdict.headerPackets.at(1)).front().size(), 24);
    QCOMPARE(fixtures::ogginfoComplaints(saved), QStringList());
    const QByteArray audio = fixtures::decodedSamples(original);
    QVERIFY(!audio.isEmpty());
    QCOMPARE(fixtures::decodedSamples(saved), audio);
}

} // namespace

class TestSavingInWindow : public QObject, FormFixture
{
    Q_OBJECT

    // Edits every attribute of the loaded sound.
    void editAll()
    {
        chooseType(20);
        type("txtBaseValue", "0.75");
        type("txtMinDist", "3.5");
        type("txtMaxDist", "150");
        type("txtMaxAIDist", "40");
    }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    // Apply: the new values and a right checksum on page 2, every other byte as it was, the old
    // file kept as x.ogg.bak, the list not relisted.
    void applyWritesTheBlockAndKeepsABackup()
    {
        const QString file = add("mono_block.ogg");
        const QByteArray before = fixtures::readFile(file);
        QVERIFY(load("mono_block.ogg"));
        editAll();
        press("btnApply");
        QCOMPARE(form->statusText(), " Wrote " + QString::number(before.size()) + " bytes");
        QVERIFY(!enabled("btnApply") && !form->dataChanged());
        QCOMPARE(fixtures::readFile(file + ".bak"), before);
        QCOMPARE(selectedEntry(), QString("mono_block.ogg"));
        QVERIFY(!driver::entries(w<QListView>("lstFiles")).contains("mono_block.ogg.bak"));

        const QByteArray after = fixtures::readFile(file);
        QCOMPARE(after.size(), before.size());
        const int pageEnd = 58 + builder::page2Length(before);
        QCOMPARE(after.left(80), before.left(80));
        QCOMPARE(after.mid(pageEnd), before.mid(pageEnd));
        judge(file, file + ".bak");
        const SoundAttributes saved = attributesOf(file);
        QCOMPARE(saved.gameType, 0x08000080u);
        QCOMPARE(saved.baseValue, 0.75f);
        QCOMPARE(saved.minDist, 3.5f);
        QCOMPARE(saved.maxDist, 150.0f);
        QCOMPARE(saved.maxAIDist, 40.0f);

        // A second save keeps the first backup; without the box no backup is made at all.
        type("txtMaxAIDist", "41");
        press("btnApply");
        QCOMPARE(fixtures::readFile(file + ".bak"), before);
        QCOMPARE(attributesOf(file).maxAIDist, 41.0f);
        const QString other = add("stereo_block.ogg");
        QVERIFY(load("stereo_block.ogg"));
        w<QCheckBox>("cbxRenameOriginals")->setChecked(false);
        type("txtMinDist", "6");
        press("btnApply");
        QVERIFY(!QFile::exists(other + ".bak"));
        QCOMPARE(attributesOf(other).minDist, 6.0f);

        // Loaded again, the file shows what was saved and two equal checksums.
        QVERIFY(load("mono_block.ogg"));
        QCOMPARE(text("txtMaxAIDist"), QString("41.0000000"));
        auto *info = w<QComboBox>("cmbInfo");
        QCOMPARE(info->itemText(7).mid(23, 8), info->itemText(8).mid(23, 8));
    }

    // Every sample: all five attributes edited, saved, and found again with a right checksum.
    void everySampleIsEditedSavedAndReloaded_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : QDir(fixtures::samplePath("")).entryList({"*.ogg"}))
            QTest::newRow(qPrintable(name)) << name;
    }
    void everySampleIsEditedSavedAndReloaded()
    {
        QFETCH(QString, name);
        const QString file = add(name);
        QVERIFY(load(name));
        editAll();
        press("btnApply");
        QVERIFY2(form->statusText().startsWith(" Wrote "), qPrintable(form->statusText()));
        QVERIFY(QFile::exists(file + ".bak"));
        const OggVerdict verdict = judgeOgg(fixtures::readFile(file));
        QVERIFY2(verdict.valid, qPrintable(verdict.problem));

        QVERIFY(load(name));
        QCOMPARE(strip(), QString());
        QCOMPARE(w<QComboBox>("cmbGameType")->currentText(), QString("world_ambient"));
        QCOMPARE(text("txtBaseValue"), QString("0.7500000"));
        QCOMPARE(text("txtMinDist"), QString("3.5000000"));
        QCOMPARE(text("txtMaxDist"), QString("150.0000000"));
        QCOMPARE(text("txtMaxAIDist"), QString("40.0000000"));
        auto *info = w<QComboBox>("cmbInfo");
        // The checksum lines agree; the backup is named last.
        QCOMPARE(info->itemText(info->count() - 3).mid(23, 8),
                 info->itemText(info->count() - 2).mid(23, 8));
        QVERIFY(info->itemText(info->count() - 1).startsWith("Backup: " + name + ".bak"));
        QVERIFY(!enabled("btnApply"));
    }

    // The details after a save describe the file now on disk.
    QStringList details()
    {
        QStringList lines;
        auto *info = w<QComboBox>("cmbInfo");
        for (int i = 0; i < info->count(); ++i)
            lines << info->itemText(i);
        return lines;
    }

    void applyRepairsABadChecksumWithoutEdits()
    {
        const QString file = add("bad_checksum.ogg");
        QVERIFY(load("bad_checksum.ogg"));
        press("btnApply");
        QVERIFY(form->statusText().startsWith(" Wrote "));
        QCOMPARE(strip(), QString());
        QStringList crc = details().filter("Comment CRC:");
        QCOMPARE(crc.size(), 2);
        QCOMPARE(crc[0].replace("(File)", "(Calculated)"), crc[1]);
        const OggVerdict verdict = judgeOgg(fixtures::readFile(file));
        QVERIFY2(verdict.valid, qPrintable(verdict.problem));
        QVERIFY(load("bad_checksum.ogg"));
        QCOMPARE(strip(), QString());
        QVERIFY(!enabled("btnApply"));
    }

    void insertedBlockIsSavedAndFoundAgain_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("growth");
        QTest::newRow("no comments") << "no_comments.ogg" << 28;
        QTest::newRow("text comment") << "text_comment.ogg" << 28;
        QTest::newRow("lacing 240") << "lacing_240.ogg" << 29;
    }
    void insertedBlockIsSavedAndFoundAgain()
    {
        QFETCH(QString, name);
        QFETCH(int, growth);
        const QString file = add(name);
        const qint64 size = QFileInfo(file).size();
        QVERIFY(load(name));
        type("txtMaxDist", "120");
        press("btnApply");
        QCOMPARE(QFileInfo(file).size(), size + growth);
        QVERIFY(details().filter("New file size").isEmpty() &&
                details().filter("Inserted new segment").isEmpty());
        QCOMPARE(details().filter("File size:").value(0),
                 QString("File size:                        %1 bytes").arg(size + growth));
        judge(file, file + ".bak");
        QVERIFY(load(name));
        QCOMPARE(strip(), QString());
        QCOMPARE(text("txtMaxDist"), QString("120.0000000"));
        QVERIFY(!enabled("btnApply"));
    }

    // Shift-click Apply saves under a name from the Save dialog and never makes a backup.
    void saveAsIntoTheListedFolder()
    {
        const QString file = add("mono_block.ogg");
        const QByteArray before = fixtures::readFile(file);
        QVERIFY(load("mono_block.ogg"));
        type("txtMinDist", "1.25");
        const auto dialog = driver::answerFileDialog(path("copy"));
        press("btnApply", Qt::ShiftModifier);
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(*dialog, folder);
        QCOMPARE(fixtures::readFile(file), before);
        QVERIFY(!QFile::exists(file + ".bak"));
        QCOMPARE(attributesOf(path("copy.ogg")).minDist, 1.25f);
        QCOMPARE(selectedEntry(), QString("copy.ogg"));
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("copy.ogg"));
        QCOMPARE(text("txtMinDist"), QString("1.2500000"));
        judge(path("copy.ogg"), file);
    }

    // Into another folder, or the listed one spelled in other letters: the listed folder is
    // shown again, cleared, with nothing selected.
    void saveAsIntoAnotherFolder_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("another folder") << "elsewhere/moved.ogg";
        QTest::newRow("same folder, other letters") << "SAME/moved.ogg";
    }
#ifdef Q_OS_LINUX
    void saveAsIntoAnotherFolder()
    {
        QFETCH(QString, target);
        add("mono_block.ogg");
        QVERIFY(QDir(folder).mkdir("elsewhere"));
        QVERIFY(QFile::link(folder, path("SAME")));
        QVERIFY(load("mono_block.ogg"));
        type("txtMinDist", "1.5");
        const auto dialog = driver::answerFileDialog(path(target));
        press("btnApply", Qt::ShiftModifier);
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(*dialog, folder); // it opened in the listed folder
        QCOMPARE(attributesOf(path(target)).minDist, 1.5f);
        QCOMPARE(form->listedFolder(), folder);
        QCOMPARE(QDir::fromNativeSeparators(w<QLabel>("pnlCurrentDir")->text()), folder + "/");
        QCOMPARE(selectedEntry(), QString());
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("< No File Selected >"));
        QCOMPARE(form->statusText(), QString());
        QCOMPARE(form->currentFileName(), QString("< No File Selected >"));
    }
#endif

    // Save-as (its keys) proposes the loaded name in the listed folder. Once saved, the saved
    // values are what Apply compares with: typing them again leaves nothing to write.
    void saveAsProposesTheNameAndApplyComparesWithTheSave()
    {
        add("mono_block.ogg");
        QVERIFY(load("mono_block.ogg"));
        type("txtMinDist", "1.5");
        QString proposed;
        driver::onFileDialog([&](QFileDialog *dialog) {
            proposed = dialog->selectedFiles().value(0);
            dialog->reject();
        });
        // Save as by its keys, as by Shift-click.
        QTest::keyClick(w<QLineEdit>("txtMinDist"), Qt::Key_S,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(proposed, path("mono_block.ogg"));
        press("btnApply");
        const QByteArray saved = fixtures::readFile(path("mono_block.ogg"));
        type("txtMinDist", "2.5");
        type("txtMinDist", "1.5");
        press("btnApply");
        QCOMPARE(form->statusText(), QString(" Nothing written -- nothing changed!"));
        QCOMPARE(fixtures::readFile(path("mono_block.ogg")), saved);
    }

#ifdef Q_OS_LINUX // Windows keeps a folder that is a program's working folder
    // When the listed folder has gone by the time Save-as writes elsewhere, the target's folder
    // is listed instead.
    void saveAsAfterTheListedFolderWentAway()
    {
        const QString gone = path("gone");
        QVERIFY(QDir(folder).mkpath("gone") && QDir(folder).mkpath("elsewhere"));
        fixtures::copySample("mono_block.ogg", gone);
        QVERIFY(form->listFolder(gone));
        QVERIFY(click("mono_block.ogg"));
        type("txtMinDist", "1.5");
        QVERIFY(QDir(gone).removeRecursively());
        const auto dialog = driver::answerFileDialog(path("elsewhere/saved.ogg"));
        press("btnApply", Qt::ShiftModifier);
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(attributesOf(path("elsewhere/saved.ogg")).minDist, 1.5f);
        QCOMPARE(QDir::fromNativeSeparators(w<QLabel>("pnlCurrentDir")->text()),
                 path("elsewhere") + "/");
        QCOMPARE(form->listedFolder(), path("elsewhere"));
    }
#endif

    void cancelledSaveAsKeepsTheEditsPending()
    {
        const QString file = add("mono_block.ogg");
        const QByteArray before = fixtures::readFile(file);
        QVERIFY(load("mono_block.ogg"));
        type("txtMinDist", "1.5");
        const auto dialog = driver::answerFileDialog(QString());
        press("btnApply", Qt::ShiftModifier);
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(fixtures::readFile(file), before);
        QVERIFY(enabled("btnApply") && form->dataChanged());
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"mono_block.ogg"});
    }

#ifdef Q_OS_LINUX
    // A write that fails, whatever the fault, leaves every file of the folder as it was and the
    // edits pending; leaving the file still asks.
    void failedWritesKeepTheFilesAndTheEdits_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("file size limit") << "fsize";
        QTest::newRow("disk full") << "full";
        QTest::newRow("read-only file system") << "readonly-fs";
        QTest::newRow("target became a folder") << "folder";
    }
    void failedWritesKeepTheFilesAndTheEdits()
    {
        QFETCH(QString, fault);
        SaveFault disk(fault, folder);
        if (!disk.possible())
            QSKIP("mounting a small file system needs root");
        const QString where = disk.where();
        const QString file = fixtures::copySample("mono_block.ogg", where);
        fixtures::copySample("stereo_block.ogg", where);
        const QByteArray original = fixtures::readFile(file);
        QVERIFY(form->listFolder(where));
        QVERIFY(click("mono_block.ogg"));
        type("txtMinDist", "1.5");

        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(disk.arm(file));
        if (fault == "fsize") {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit tight = old;
            tight.rlim_cur = 1000;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        }
        const auto before = fixtures::folderState(where);
        press("btnApply");
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &old), 0);

        QCOMPARE(strip(), QString(" Problem creating/writing updated file mono_block.ogg"));
        QCOMPARE(fixtures::folderState(where), before);
        if (fault != "folder")
            QCOMPARE(fixtures::readFile(file), original);
        QVERIFY(enabled("btnApply") && form->dataChanged());
        QCOMPARE(text("txtMinDist"), QString("1.5"));

        const auto question = driver::answerMessageBox(QMessageBox::Cancel);
        QVERIFY(click("stereo_block.ogg"));
        QTRY_VERIFY(question->seen);
        QCOMPARE(selectedEntry(), QString("mono_block.ogg"));
        QCOMPARE(text("txtMinDist"), QString("1.5"));
    }

    // A sound replaced on disk after loading (an editor exporting a new take) is never
    // overwritten: the strip says to reload, the edits stay pending, and a reload shows the
    // new take, which can then be saved.
    void aSoundReplacedOnDiskIsNotOverwritten()
    {
        const QString file = add("mono_block.ogg");
        QVERIFY(load("mono_block.ogg"));
        type("txtMinDist", "1.5");
        press("btnApply");
        type("txtMinDist", "2.5");
        const QByteArray take = fixtures::readFile(fixtures::samplePath("stereo_block.ogg"));
        fixtures::writeFile(path("take.tmp"), take);
        QVERIFY(::rename(qPrintable(path("take.tmp")), qPrintable(file)) == 0);
        const auto before = fixtures::folderState(folder);

        press("btnApply");
        QCOMPARE(strip(), QString(" mono_block.ogg changed on disk after it was loaded; nothing "
                                  "was written. Ctrl-click Select Drive/Directory to reload it."));
        QCOMPARE(fixtures::folderState(folder), before);
        QVERIFY(enabled("btnApply") && form->dataChanged());

        const auto question = driver::answerMessageBox(QMessageBox::No);
        QVERIFY(load("mono_block.ogg"));
        QTRY_VERIFY(question->seen);
        QCOMPARE(attributesOf(file).minDist,
                 attributesOf(fixtures::samplePath("stereo_block.ogg")).minDist);
        type("txtMinDist", "3.5");
        press("btnApply");
        QCOMPARE(attributesOf(file).minDist, 3.5f);
        QCOMPARE(fixtures::readFile(file + ".bak").size(),
                 fixtures::readFile(fixtures::samplePath("mono_block.ogg")).size());
    }

    // What a save could not keep as usual is said in the strip: here another hard link.
    void aSaveSaysWhatItCouldNotKeep()
    {
        const QString file = add("mono_block.ogg");
        QCOMPARE(::link(qPrintable(file), qPrintable(path("other name"))), 0);
        QVERIFY(load("mono_block.ogg"));
        type("txtMinDist", "1.5");
        press("btnApply");
        QCOMPARE(strip(),
                 QString(" Saved; 1 other hard link to mono_block.ogg keeps the old sound."));
        QCOMPARE(attributesOf(path("other name")).minDist, 0.7f);
    }
#endif

    // An inserted block and a repaired checksum are changes too, with nothing typed: they are
    // offered before the selection moves, and Yes writes them.
    void aRepairOrAnInsertionIsOfferedToo_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::newRow("block inserted") << "no_comments.ogg";
        QTest::newRow("bad checksum") << "bad_checksum.ogg";
    }
    void aRepairOrAnInsertionIsOfferedToo()
    {
        QFETCH(QString, sample);
        const QString file = add(sample);
        add("mono_block.ogg");
        const LoadResult before = loadSoundFile(file, sample);
        QVERIFY(load(sample));
        const auto question = driver::answerMessageBox(QMessageBox::Yes);
        QVERIFY(click("mono_block.ogg"));
        QTRY_VERIFY(question->seen);
        QCOMPARE(question->text, QString("Save changes first?"));
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("mono_block.ogg"));
        // Written as loaded: the same values, now a clean file with its block.
        const LoadResult after = loadSoundFile(file, sample);
        QCOMPARE(after.inspection.outcome, LoadOutcome::Clean);
        const SoundAttributes &was = before.inspection.fileAttrs;
        const SoundAttributes &now = after.inspection.fileAttrs;
        QCOMPARE(std::tie(now.version, now.minDist, now.maxDist, now.baseValue, now.gameType,
                          now.maxAIDist),
                 std::tie(was.version, was.minDist, was.maxDist, was.baseValue, was.gameType,
                          was.maxAIDist));
        QVERIFY(judgeOgg(fixtures::readFile(file)).valid);
    }

    // Before the selection moves: Cancel stays, No drops the edits, Yes writes them.
    void pendingChangesAreOfferedBeforeMoving()
    {
        const QString file = add("mono_block.ogg");
        add("stereo_block.ogg");
        const QByteArray before = fixtures::readFile(file);
        QVERIFY(load("mono_block.ogg"));
        type("txtMinDist", "1.5");

        auto question = driver::answerMessageBox(QMessageBox::Cancel);
        QVERIFY(click("stereo_block.ogg"));
        QTRY_VERIFY(question->seen);
        QCOMPARE(question->title, QString("The data has changed"));
        QCOMPARE(question->text, QString("Save changes first?"));
        QCOMPARE(question->buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(question->defaultButton, QMessageBox::Yes);
        QCOMPARE(question->informative, QString("mono_block.ogg"));
        QCOMPARE(selectedEntry(), QString("mono_block.ogg"));
        QCOMPARE(text("txtMinDist"), QString("1.5"));

        // No drops the edits where the sound stays loaded behind the table: the file's values
        // come back, and nothing asks again.
        question = driver::answerMessageBox(QMessageBox::No);
        press("btnOverview");
        QTRY_VERIFY(question->seen);
        QCOMPARE(text("txtMinDist"), QString("0.7000000"));
        press("btnOverview");
        const auto asked = driver::answerMessageBoxes(QMessageBox::Yes);
        QVERIFY(click("stereo_block.ogg"));
        driver::idle();
        asked->stop = true;
        QCOMPARE(asked->texts(), QStringList());
        QCOMPARE(fixtures::readFile(file), before);
        QVERIFY(click("mono_block.ogg"));
        type("txtMinDist", "1.5");

        question = driver::answerMessageBox(QMessageBox::No);
        QVERIFY(click("stereo_block.ogg"));
        QTRY_VERIFY(question->seen);
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("stereo_block.ogg"));
        QCOMPARE(fixtures::readFile(file), before);

        QVERIFY(click("mono_block.ogg"));
        type("txtMinDist", "1.75");
        question = driver::answerMessageBox(QMessageBox::Yes);
        QVERIFY(click("stereo_block.ogg"));
        QTRY_VERIFY(question->seen);
        QCOMPARE(attributesOf(file).minDist, 1.75f);
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("stereo_block.ogg"));

        // Yes with a save that fails (the sound replaced meanwhile) stays on the sound with its
        // edits.
        QVERIFY(click("mono_block.ogg"));
        type("txtMinDist", "1.25");
        const QByteArray elsewhere = fixtures::readFile(fixtures::samplePath("lacing_240.ogg"));
        fixtures::writeFile(file, elsewhere);
        question = driver::answerMessageBox(QMessageBox::Yes);
        QVERIFY(click("stereo_block.ogg"));
        QTRY_VERIFY(question->seen);
        QCOMPARE(selectedEntry(), QString("mono_block.ogg"));
        QCOMPARE(text("txtMinDist"), QString("1.25"));
        QCOMPARE(fixtures::readFile(file), elsewhere);
        question = driver::answerMessageBox(QMessageBox::No);
        QVERIFY(click("stereo_block.ogg"));
        QTRY_VERIFY(question->seen);

        // A value that does not validate stops the move without asking.
        type("txtMaxDist", "1");
        QVERIFY(click("mono_block.ogg"));
        QCOMPARE(selectedEntry(), QString("stereo_block.ogg"));
        QCOMPARE(form->statusText(),
                 QString(" Number value must be equal to or greater than minimum"));
    }

    // The details say a backup is there; the file list's menu puts it back after a question,
    // keeps the edited sound as .newer and shows the sound restored.
    void theFileListsMenuRestoresTheBackup()
    {
        const QString file = add("mono_block.ogg");
        const QByteArray before = fixtures::readFile(file);
        QVERIFY(load("mono_block.ogg"));
        const auto details = [&] {
            QStringList lines;
            for (int i = 0; i < w<QComboBox>("cmbInfo")->count(); ++i)
                lines << w<QComboBox>("cmbInfo")->itemText(i);
            return lines;
        };
        QVERIFY(!details().join('\n').contains(".bak"));
        type("txtBaseValue", "0.5");
        press("btnApply");
        const QByteArray edited = fixtures::readFile(file);
        QVERIFY(
            details().contains("Backup: mono_block.ogg.bak (the file list's menu restores it)"));

        auto *list = w<QListView>("lstFiles");
        const QPoint at = list->visualRect(driver::entryIndex(list, "mono_block.ogg")).center();
        // Every box that opens is answered; how many did is what counts.
        const auto restoreFromMenu = [&](QMessageBox::StandardButton answer) {
            // The press selects; the menu event follows it, as the window system sends one.
            QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
            QContextMenuEvent asked(QContextMenuEvent::Mouse, at,
                                    list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &asked);
            auto *menu = w<QMenu>("mnuFiles");
            [&] { QTRY_VERIFY(menu->isVisible()); }();
            auto *action = menu->findChild<QAction *>("actRestoreBackup");
            const auto log = driver::answerMessageBoxes(answer);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            driver::idle();
            log->stop = true;
            return log->boxes.size();
        };
        QCOMPARE(restoreFromMenu(QMessageBox::No), 1);
        QCOMPARE(fixtures::readFile(file), edited);
        type("txtBaseValue", "0.3"); // pending, and dropped without a second question
        QCOMPARE(restoreFromMenu(QMessageBox::Yes), 1);
        QCOMPARE(fixtures::readFile(file), before);
        QCOMPARE(fixtures::readFile(file + ".newer"), edited);
        QVERIFY(!QFile::exists(file + ".bak"));
        QCOMPARE(text("txtBaseValue"), QString("1.0000000"));
        QCOMPARE(form->statusText(), QString(" mono_block.ogg is as its backup was; the sound "
                                             "that was there is kept as mono_block.ogg.newer."));
        QVERIFY(!details().join('\n').contains(".bak"));
    }

    void closingAsksAboutPendingChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("Yes") << int(QMessageBox::Yes) << true << true;
        QTest::newRow("No") << int(QMessageBox::No) << true << false;
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false << false;
    }
    void closingAsksAboutPendingChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        const QString file = add("mono_block.ogg");
        QVERIFY(load("mono_block.ogg"));
        type("txtMaxDist", "33");
        const auto question =
            driver::answerMessageBox(static_cast<QMessageBox::StandardButton>(answer));
        form->close();
        QTRY_VERIFY(question->seen);
        QCOMPARE(form->isVisible(), !closes);
        QCOMPARE(attributesOf(file).maxDist, written ? 33.0f : 20.0f);
        if (!closes) {
            QCOMPARE(text("txtMaxDist"), QString("33"));
            QVERIFY(form->dataChanged());
        }
    }
};

int main(int argc, char *argv[])
{
    KelvaneApplication app(argc, argv);
    TestSavingInWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_saving_in_window.moc"
