// The command line on the game's own archives: a game folder listed with each sound's block and
// the archive it comes from, a mod compared with it, sounds extracted byte for byte (never over a
// file, never outside the folder), and the writing commands refusing an archive.
#include "archive_writer.h"
#include "cli_run.h"
#include "list_cipher.h"
#include "sound_fixtures.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestArchiveCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    QString path(const QString &name) const { return dir_.filePath(name); }
    static std::vector<std::uint8_t> sample(const QString &name)
    {
        const QByteArray bytes = fixtures::readFile(fixtures::samplePath(name));
        return {bytes.begin(), bytes.end()};
    }
    void put(const QString &name, const ArchiveLayout &layout)
    {
        const auto bytes = buildArchive(layout);
        QDir(dir_.path()).mkpath(QFileInfo(path(name)).path());
        fixtures::writeFile(path(name), QByteArray(reinterpret_cast<const char *>(bytes.data()),
                                                   qsizetype(bytes.size())));
    }
    static ArchiveLayout layoutOf(std::optional<std::string> header, std::vector<ArchiveItem> files)
    {
        ArchiveLayout layout;
        layout.header = std::move(header);
        layout.files = std::move(files);
        return layout;
    }
    static QList<QJsonObject> jsonLines(const QString &out)
    {
        QList<QJsonObject> lines;
        for (const QString &line : out.split('\n', Qt::SkipEmptyParts))
            lines << QJsonDocument::fromJson(line.toUtf8()).object();
        return lines;
    }

private slots:
    void initTestCase()
    {
        // The later games' layout: the resources, and a patch whose sound replaces the stock one
        // (spelt in other letter case, as the game knows no case).
        QDir().mkpath(path("game"));
        fixtures::writeFile(path("game/fsgame.ltx"),
                            "$arch_dir_resources$ = false| false| $fs_root$| resources\\\n"
                            "$arch_dir_patches$ = true| false| $fs_root$| patches\\\n");
        put("game/resources/sounds.db",
            layoutOf("[header]\nentry_point = $fs_root$\\gamedata\\\n",
                     {{"sounds\\weapons\\ak74_shot.ogg", sample("mono_block.ogg")},
                      {"sounds\\ambient\\wind.ogg", sample("no_comments.ogg")},
                      {"config\\system.ltx", {'x', 'y'}}}));
        put("game/patches/patch.xdb0",
            layoutOf("[header]\nentry_point = gamedata\n",
                     {{"Sounds\\Weapons\\AK74_shot.ogg", sample("stereo_block.ogg")}}));
        // The first game's: no header, the list encrypted with the Russian key.
        ArchiveLayout first =
            layoutOf(std::nullopt, {{"sounds\\door.ogg", sample("mono_block.ogg")}});
        first.key = kelvane::kRussianKey;
        put("old/gamedata.db0", first);
        // Hostile: a name leading out of the folder, next to a sound.
        put("evil.db", layoutOf("[header]\n", {{"..\\..\\evil.ogg", sample("mono_block.ogg")},
                                               {"sounds\\ok.ogg", sample("mono_block.ogg")}}));
    }

    void aGameFolderIsListedAsTheGameMountsIt()
    {
        const Run run = cli({"show", "-r", "--json", path("game")});
        QCOMPARE(run.status, 0);
        const auto lines = jsonLines(run.out);
        QCOMPARE(lines.size(), 2);
        // Sorted by the path below the data folder; each names the archive it lies in.
        QCOMPARE(lines[0]["file"].toString(),
                 QDir::toNativeSeparators(path("game/resources/sounds.db")) +
                     "/sounds/ambient/wind.ogg");
        QVERIFY(lines[1]["file"].toString().endsWith("patch.xdb0/Sounds/Weapons/AK74_shot.ogg"));
        QCOMPARE(lines[1]["block"].toObject()["maxDist"].toDouble(), 300.0); // the patch's
        QCOMPARE(lines[1]["durationSeconds"].toDouble(), 0.4);

        // One sound named by its path inside the archive, and the first game's encrypted list.
        const Run one = cli(
            {"show", "--json", path("game/resources/sounds.db") + "/sounds/weapons/ak74_shot.ogg"});
        QCOMPARE(one.status, 0);
        QCOMPARE(jsonLines(one.out)[0]["block"].toObject()["maxDist"].toDouble(), 20.0);
        // --name matches the path below the folder named inside the archive.
        const Run wind = cli(
            {"show", "-r", "--name", "ambient/*", path("game/resources/sounds.db") + "/sounds"});
        QVERIFY2(wind.out.contains("wind.ogg") && !wind.out.contains("ak74"), qPrintable(wind.out));
        const Run old = cli({"check", "-r", path("old/gamedata.db0")});
        QCOMPARE(old.status, 0);
        QVERIFY2(old.out.contains("door.ogg"), qPrintable(old.out));

        const Run absent = cli({"show", path("game/resources/sounds.db") + "/sounds/none.ogg"});
        QCOMPARE(absent.status, 1);
        QVERIFY2(absent.err.contains("no such file"), qPrintable(absent.err));
    }

    void aModIsComparedWithTheStockGame()
    {
        QDir().mkpath(path("mod/gamedata/sounds/weapons"));
        fixtures::writeFile(path("mod/gamedata/sounds/weapons/AK74_SHOT.ogg"),
                            fixtures::readFile(fixtures::samplePath("mono_block.ogg")));
        const Run run = cli({"diff", "-r", path("game"), path("mod/gamedata")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains("max: 300 -> 20"), qPrintable(run.out));
        // Paired paths are printed with the system's separators.
        QVERIFY2(QDir::fromNativeSeparators(run.out).contains("sounds/ambient/wind.ogg: only in A"),
                 qPrintable(run.out));
        QVERIFY2(!run.out.contains(": only in B"), qPrintable(run.out));
    }

    void soundsAreExtractedByteForByteAndNeverOverAFile()
    {
        const QString to = path("out/gamedata");
        const Run run = cli({"extract", "--name", "weapons/", "--to", to, path("game")});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("1 sound, 1 extracted"), qPrintable(run.out));
        const QString target = to + "/Sounds/Weapons/AK74_shot.ogg";
        QCOMPARE(fixtures::readFile(target),
                 fixtures::readFile(fixtures::samplePath("stereo_block.ogg")));
        QCOMPARE(fixtures::ogginfoComplaints(target), QStringList());

        fixtures::writeFile(target, "the modder's own");
        const Run again = cli({"extract", "-r", "--to", to, path("game")});
        QCOMPARE(again.status, 0);
        QVERIFY2(again.out.contains("kept, already there"), qPrintable(again.out));
        QCOMPARE(fixtures::readFile(target), QByteArray("the modder's own"));
        const Run forced =
            cli({"extract", "--force", "--name", "*ak74*", "--to", to, path("game")});
        QCOMPARE(forced.status, 0);
        QCOMPARE(fixtures::readFile(target + ".bak"), QByteArray("the modder's own"));

        // A folder that cannot be made (a file has its name) fails its sound alone.
        QDir().mkpath(path("blocked/gamedata/sounds"));
        fixtures::writeFile(path("blocked/gamedata/sounds/ambient"), "a file");
        const Run blocked = cli({"extract", "-r", "--to", path("blocked/gamedata"), path("game")});
        QCOMPARE(blocked.status, 1);
        QVERIFY2(blocked.out.contains("2 sounds, 1 extracted, 0 kept, 1 failed"),
                 qPrintable(blocked.out));
        QCOMPARE(fixtures::readFile(path("blocked/gamedata/Sounds/Weapons/AK74_shot.ogg")),
                 fixtures::readFile(fixtures::samplePath("stereo_block.ogg")));

        // A name that leads out of the folder is left out and said; nothing lands outside.
        const Run evil = cli({"extract", "--to", path("evil_out/a/b"), path("evil.db")});
        QCOMPARE(evil.status, 1);
        QVERIFY2(evil.err.contains("leads out of the folder"), qPrintable(evil.err));
        QVERIFY(QFile::exists(path("evil_out/a/b/sounds/ok.ogg")));
        QVERIFY(!QFile::exists(path("evil_out/evil.ogg")) && !QFile::exists(path("evil.ogg")));
    }

    void writingCommandsRefuseTheArchives()
    {
        const QByteArray before = fixtures::readFile(path("game/resources/sounds.db"));
        for (const QStringList &args :
             {QStringList{"set", "--volume", "0.5",
                          path("game/resources/sounds.db") + "/sounds/weapons/ak74_shot.ogg"},
              QStringList{"fix", "-r", path("game/resources/sounds.db")},
              QStringList{"clean", "-r", path("game")}}) {
            const Run run = cli(args);
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains("read-only"), qPrintable(run.err));
        }
        QCOMPARE(fixtures::readFile(path("game/resources/sounds.db")), before);
    }

    void aDamagedArchiveIsNamedWithWhy()
    {
        const QByteArray whole = fixtures::readFile(path("game/resources/sounds.db"));
        fixtures::writeFile(path("cut.db"), whole.left(whole.size() - 10));
        const Run run = cli({"show", "-r", path("cut.db")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QDir::toNativeSeparators(path("cut.db")) +
                                  ": the archive is cut short"),
                 qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestArchiveCommands)
#include "test_archive_commands.moc"
