// A game folder's archives mounted as the engine mounts them: the folders fsgame.ltx names in
// its order (a patches folder searched below), the entry point, a later archive's file winning,
// an archive the game does not load and one that cannot be read left out and named.
#include "archive_writer.h"
#include "game_archives.h"
#include "sound_fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvane;

class TestGameArchives : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    void put(const QString &name, const ArchiveLayout &layout)
    {
        const auto bytes = buildArchive(layout);
        QDir(dir_.path()).mkpath(QFileInfo(dir_.filePath(name)).path());
        fixtures::writeFile(
            dir_.filePath(name),
            QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    }
    static ArchiveLayout archiveOf(const std::string &header, std::vector<ArchiveItem> files)
    {
        ArchiveLayout made;
        made.header = header;
        made.files = std::move(files);
        return made;
    }

private slots:
    void aGameFolderMountsItsArchives()
    {
        fixtures::writeFile(dir_.filePath("fsgame.ltx"),
                            "$arch_dir_resources$ = false| false| $fs_root$| resources\\\n"
                            "$arch_dir_patches$ = true| false| $fs_root$| patches\\\n"
                            "$game_data$ = false| true| $fs_root$| gamedata\\\n");
        put("resources/sounds.db", archiveOf("[header]\nentry_point = $fs_root$\\gamedata\\\n",
                                             {{"sounds\\a.ogg", {1}}, {"sounds\\b.ogg", {2}}}));
        put("resources/levels.db",
            archiveOf("[header]\nentry_point = $game_data$\\levels\\\n", {{"l01\\c.ogg", {3}}}));
        put("resources/off.db",
            archiveOf("[header]\nauto_load = false\n", {{"sounds\\a.ogg", {9}}}));
        put("patches/sub/patch.xdb0",
            archiveOf("[header]\nentry_point = gamedata\n", {{"sounds\\a.ogg", {4, 4}}}));
        fixtures::writeFile(dir_.filePath("resources/broken.db"), "not an archive at all");
        put("gamedata/loose.db", archiveOf("[header]\n", {{"x.ogg", {5}}})); // a named folder too

        const GameArchives mounted = mountGameArchives(dir_.path());
        std::vector<std::string> paths;
        for (const MountedFile &file : mounted.files)
            paths.push_back(file.path);
        QCOMPARE(paths, (std::vector<std::string>{"levels/l01/c.ogg", "sounds/a.ogg",
                                                  "sounds/b.ogg", "x.ogg"}));
        QCOMPARE(mounted.files[1].entry->size, 2u); // the patch's, mounted last
        QCOMPARE(mounted.notLoaded.size(), 1);
        QVERIFY(mounted.notLoaded.constFirst().endsWith("off.db"));
        QCOMPARE(mounted.unreadable.size(), std::size_t(1));

        // Without fsgame.ltx: every archive below the folder, by path.
        QFile::remove(dir_.filePath("fsgame.ltx"));
        QCOMPARE(mountGameArchives(dir_.path()).files.size(), std::size_t(4));
    }
};

QTEST_GUILESS_MAIN(TestGameArchives)
#include "test_game_archives.moc"
