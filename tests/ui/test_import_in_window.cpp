// Making game sounds in the window: a recording dropped on the file list goes through the import
// dialog into a mono 44100 Hz sound with the block chosen; a sound the game refuses is encoded
// again in its place from the file list's menu and from the sound table's.
#include "form_fixture.h"
#include "sound_table_panel.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTableView>

using namespace kelvane;

class TestImportInWindow : public QObject, FormFixture
{
    Q_OBJECT

    // A sound of `channels` at 48000 Hz with a block, as a mod may hold one.
    QString refusedSound(const QString &name, int channels)
    {
        const QString sound = fixtures::encodeTone(folder, name, channels, 1.0, {}, 3, 48000);
        LoadResult loaded = loadSoundFile(sound, sound);
        SoundAttributes block = loaded.inspection.fileAttrs;
        block.maxDist = 77;
        SaveTarget target;
        target.path = target.shownName = sound;
        return saveSoundFile(*loaded.image, block, target).ok ? sound : QString();
    }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    // A 48 kHz stereo 24-bit recording dropped on the list: the type's usual values, a maximum
    // typed, Import; the new sound is listed, loaded, mono at 44100 Hz with that block. Dropped
    // again, the question keeps the sound there.
    void aRecordingDroppedBecomesAGameSound()
    {
        const QString wav =
            fixtures::soxSource(dir->path(), "shot.wav", {"-r", "48000", "-c", "2", "-b", "24"},
                                {"synth", "0.5", "sine", "440", "sine", "660"});
        QVERIFY(!wav.isEmpty());
        driver::onDialog([](QDialog *dialog) {
            auto *types = dialog->findChild<QComboBox *>("cmbGameType");
            types->setCurrentIndex(types->findText("weapon_shooting"));
            auto *max = dialog->findChild<QLineEdit *>("txtMaxDist");
            max->selectAll();
            QTest::keyClicks(max, "120");
            QTest::mouseClick(dialog->findChild<QPushButton *>("btnStartImport"), Qt::LeftButton);
        });
        QVERIFY(driver::dropFiles(w<QListView>("lstFiles"), {wav}));
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(form->currentFileName(), QStringLiteral("shot.ogg"));
        const LoadResult made = loadSoundFile(path("shot.ogg"), {});
        QCOMPARE(made.inspection.outcome, LoadOutcome::Clean);
        QCOMPARE(made.inspection.sampleRate, 44100u);
        QCOMPARE(made.inspection.channels, 1u);
        const SoundAttributes expected{kAttributeBlockVersion, 5, 120, 1, 0x80200000u, 55};
        QVERIFY(sameAttributes(made.inspection.fileAttrs, expected));
        QCOMPARE(fixtures::ogginfoComplaints(path("shot.ogg")), QStringList());

        const QByteArray before = fixtures::readFile(path("shot.ogg"));
        driver::onDialog([](QDialog *dialog) {
            driver::answerMessageBox(QMessageBox::No);
            QTest::mouseClick(dialog->findChild<QPushButton *>("btnStartImport"), Qt::LeftButton);
        });
        QVERIFY(driver::dropFiles(w<QListView>("lstFiles"), {wav}));
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(fixtures::readFile(path("shot.ogg")), before);
    }

    // The warning line and the file list's menu offer it for a 48 kHz sound; done, the sound is
    // at 44100 Hz with its block byte for byte and its backup beside it.
    void aRefusedSoundIsMadeGameReady()
    {
        const QString sound = refusedSound("odd.ogg", 1);
        QVERIFY(!sound.isEmpty());
        const auto block = loadSoundFile(sound, {}).inspection.firstComment;
        QVERIFY(load("odd.ogg"));
        QVERIFY(w<QLabel>("pnlGameWarnings")->text().contains("href"));
        auto *list = w<QListView>("lstFiles");
        const QPoint at = list->visualRect(driver::entryIndex(list, "odd.ogg")).center();
        QContextMenuEvent asked(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &asked);
        auto *make = w<QMenu>("mnuFiles")->findChild<QAction *>("actMakeGameReady");
        QVERIFY(make->isEnabled());
        w<QMenu>("mnuFiles")->hide();
        driver::onDialog([](QDialog *dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton *>("btnStartImport"), Qt::LeftButton);
        });
        make->trigger();
        QTRY_VERIFY(driver::noModalOpen());
        const LoadResult fixed = loadSoundFile(sound, {});
        QCOMPARE(fixed.inspection.sampleRate, 44100u);
        QCOMPARE(fixed.inspection.firstComment, block);
        QVERIFY(QFile::exists(sound + ".bak"));
        QVERIFY(!w<QLabel>("pnlGameWarnings")->text().contains("href"));
    }

    // From the sound table: of the selected rows, the 48 kHz one and the stereo one are offered;
    // with the channels kept, the first is resampled and the second, at 44100 Hz already, is
    // left byte for byte rather than encoded again for nothing. The table reads them again.
    void theTableMakesSelectedSoundsGameReady()
    {
        QVERIFY(!refusedSound("wide.ogg", 2).isEmpty());
        add("mono_block.ogg");
        const QByteArray stereo = fixtures::readFile(add("stereo_block.ogg"));
        form->showAllSounds(true);
        auto *panel = w<SoundTablePanel>("pnlAllSounds");
        auto *table = w<QTableView>("tblSounds");
        QTRY_VERIFY(!panel->busy() && table->model()->rowCount() == 3);
        table->selectAll();
        const QPoint corner(5, 5);
        QContextMenuEvent asked(QContextMenuEvent::Mouse, corner,
                                table->viewport()->mapToGlobal(corner));
        QApplication::sendEvent(table->viewport(), &asked);
        auto *menu = w<QMenu>("mnuSounds");
        menu->hide();
        driver::onDialog([](QDialog *dialog) {
            QCOMPARE(dialog->findChild<QListWidget *>("lstSources")->count(), 2);
            dialog->findChild<QRadioButton *>("rbKeepChannels")->click();
            QTest::mouseClick(dialog->findChild<QPushButton *>("btnStartImport"), Qt::LeftButton);
        });
        menu->findChild<QAction *>("actMakeGameReady")->trigger();
        QTRY_VERIFY(driver::noModalOpen());
        QTRY_VERIFY(!panel->busy());
        const LoadResult fixed = loadSoundFile(path("wide.ogg"), {});
        QCOMPARE(fixed.inspection.sampleRate, 44100u);
        QCOMPARE(fixed.inspection.channels, 2u);
        QCOMPARE(fixed.inspection.fileAttrs.maxDist, 77.0f);
        QCOMPARE(fixtures::readFile(path("stereo_block.ogg")), stereo);
    }
};

QTEST_MAIN(TestImportInWindow)
#include "test_import_in_window.moc"
