// The folders a game's fsgame.ltx names, as the engine reads them: roots by earlier ids, flags,
// comments, and lines that name nothing the engine would mount.
#include "game_paths.h"

#include <QTest>

using namespace kelvane;

class TestGamePaths : public QObject
{
    Q_OBJECT

private slots:
    void aLaterGamesFsgame()
    {
        const auto paths =
            gamePaths("; the game's file system\r\n"
                      "$arch_dir$ = false| false| $fs_root$\r\n"
                      "$arch_dir_resources$ = false| false| $fs_root$| resources\\\r\n"
                      "$arch_dir_patches$ = TRUE| true| $fs_root$| patches\\ ; mods\r\n"
                      "$game_data$ = false| true| $fs_root$| gamedata\\\r\n"
                      "$game_sounds$ = true| false| $game_data$| sounds\\\r\n"
                      "$lost$ = true| false| $nowhere$| x\\\r\n"
                      "$outside$ = true| false| $fs_root$| ..\\other\\\r\n"
                      "not a path line\r\n");
        QCOMPARE(paths.size(), std::size_t(5));
        QCOMPARE(paths[0].path, std::string());
        QCOMPARE(paths[1].path, std::string("resources"));
        QCOMPARE(paths[2].id, std::string("$arch_dir_patches$"));
        QVERIFY(paths[2].recurse);
        QVERIFY(!paths[3].recurse);
        QCOMPARE(paths[4].path, std::string("gamedata/sounds"));
    }
};

QTEST_GUILESS_MAIN(TestGamePaths)
#include "test_game_paths.moc"
