// The game's archives in the window: a sound inside one is browsed to, shown and played but
// never changed; the sound table lists a game folder's sounds by their path in the game with
// the archive beside, and "Extract to Mod..." copies the selected ones into a mod byte for byte.
#include "archive_writer.h"
#include "table_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace kelvane;

class TestArchivesInWindow : public QObject, TableFixture
{
    Q_OBJECT

    static std::vector<std::uint8_t> sample(const QString &name)
    {
        const QByteArray bytes = fixtures::readFile(fixtures::samplePath(name));
        return {bytes.begin(), bytes.end()};
    }
    void putArchive(const QString &name, const std::string &header, std::vector<ArchiveItem> files)
    {
        ArchiveLayout layout;
        layout.header = header;
        layout.files = std::move(files);
        const auto bytes = buildArchive(layout);
        QDir(folder).mkpath(QFileInfo(path(name)).path());
        put(name,
            QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    }

private slots:
    void init()
    {
        QVERIFY(open());
        QDir(folder).mkpath("game");
        QDir(folder).mkpath("mod/gamedata/sounds/weapons");
        put("game/fsgame.ltx", "$arch_dir_resources$ = false| false| $fs_root$| resources\\\n");
        putArchive("game/resources/sounds.db", "[header]\nentry_point = $fs_root$\\gamedata\\\n",
                   {{"sounds\\weapons\\ak74_shot.ogg", sample("stereo_block.ogg")},
                    {"sounds\\weapons\\pm_shot.ogg", sample("mono_block.ogg")}});
    }
    void cleanup() { close(); }

    void aSoundInsideAnArchiveIsShownNeverChanged()
    {
        QVERIFY(form->listFolder(path("game/resources/sounds.db")));
        QVERIFY(driver::clickEntry(w<QListView>("lstFiles"), "<dir>  sounds", true));
        QVERIFY(driver::clickEntry(w<QListView>("lstFiles"), "<dir>  weapons", true));
        QCOMPARE(driver::entries(w<QListView>("lstFiles")),
                 (QStringList{"<dir>  ..", "ak74_shot.ogg", "pm_shot.ogg"}));
        QVERIFY(driver::clickEntry(w<QListView>("lstFiles"), "ak74_shot.ogg"));
        QCOMPARE(w<QLineEdit>("txtMaxDist")->text(), QStringLiteral("300.0000000"));
        QVERIFY(!w<QLineEdit>("txtMaxDist")->isEnabled());
        QVERIFY(w<QLabel>("pnlAttrStatus")->text().contains("inside the archive"));
        QVERIFY(!w<QPushButton>("btnApply")->isEnabled());
        QVERIFY(w<QPushButton>("btnCopy")->isEnabled());
        QVERIFY(!w<QPushButton>("btnPaste")->isEnabled());
        // A sound dropped there is refused before anything is made.
        const auto said = driver::answerMessageBox(QMessageBox::Ok);
        QVERIFY(
            driver::dropFiles(w<QListView>("lstFiles"), {fixtures::samplePath("mono_block.ogg")}));
        QTRY_VERIFY(said->seen);
        QVERIFY(said->text.contains("read-only"));
        // ".." at the archive's top leads to the folder it lies in.
        QVERIFY(form->listFolder(path("game/resources/sounds.db")));
        QVERIFY(driver::clickEntry(w<QListView>("lstFiles"), "<dir>  ..", true));
        QVERIFY(driver::entries(w<QListView>("lstFiles")).contains("<dir>  sounds.db"));
    }

    // One archive, chosen as a file in the folder dialog, is the stock a mod is compared with.
    void aModIsComparedWithOneArchive()
    {
        put("mod/gamedata/sounds/weapons/ak74_shot.ogg",
            fixtures::readFile(fixtures::samplePath("mono_block.ogg")));
        QVERIFY(form->listFolder(path("mod/gamedata")));
        QVERIFY(openOverview());
        driver::answerFileDialog(path("game/resources/sounds.db"));
        press("btnCompare");
        QVERIFY(settled());
        QVERIFY(w<QComboBox>("cmbStockFilter")->isVisible());
        QCOMPARE(tip(0, Column::MaxDist), QString("stock: %1").arg(number(300)));
    }

    void stockSoundsAreListedAndExtractedIntoAMod()
    {
        QVERIFY(form->listFolder(path("game")));
        QVERIFY(openOverview());
        QCOMPARE(column(Column::Path),
                 (QStringList{"sounds/weapons/ak74_shot.ogg", "sounds/weapons/pm_shot.ogg"}));
        QVERIFY(!table()->isColumnHidden(Column::Archive));
        QCOMPARE(QDir::fromNativeSeparators(cell(0, Column::Archive)),
                 QStringLiteral("resources/sounds.db"));
        QVERIFY(!(table()->model()->flags(table()->model()->index(0, Column::MaxDist)) &
                  Qt::ItemIsEditable));

        put("mod/gamedata/sounds/weapons/pm_shot.ogg", "the modder's own");
        table()->selectAll();
        const QPoint corner(5, 5);
        QContextMenuEvent asked(QContextMenuEvent::Mouse, corner,
                                table()->viewport()->mapToGlobal(corner));
        QApplication::sendEvent(table()->viewport(), &asked);
        auto *menu = w<QMenu>("mnuSounds");
        menu->hide();
        menu->findChild<QAction *>("actShowSound")->trigger();
        QCOMPARE(launcher.folders, QStringList{path("game/resources")});
        const auto chosen = driver::answerFileDialog(path("mod/gamedata"));
        const auto said = driver::answerMessageBox(QMessageBox::Ok);
        menu->findChild<QAction *>("actExtractToMod")->trigger();
        QTRY_VERIFY(driver::noModalOpen());
        QVERIFY2(said->text.startsWith("1 sound extracted"), qPrintable(said->text));
        QVERIFY(said->informative.contains("1 kept"));
        QCOMPARE(fixtures::readFile(path("mod/gamedata/sounds/weapons/ak74_shot.ogg")),
                 fixtures::readFile(fixtures::samplePath("stereo_block.ogg")));
        QCOMPARE(fixtures::readFile(path("mod/gamedata/sounds/weapons/pm_shot.ogg")),
                 QByteArray("the modder's own"));
    }
};

QTEST_MAIN(TestArchivesInWindow)
#include "test_archives_in_window.moc"
