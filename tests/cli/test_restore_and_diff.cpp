#include "cli_run.h"
#include "sound_fixtures.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

class TestRestoreAndDiff : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString root_;

    QString path(const QString &name) const { return QDir(root_).filePath(name); }
    // A sample copied to `name` below the root, its folders made.
    QString put(const QString &sample, const QString &name)
    {
        QDir(root_).mkpath(QFileInfo(path(name)).path());
        fixtures::writeFile(path(name), fixtures::readFile(fixtures::samplePath(sample)));
        return path(name);
    }
    static QByteArray sample(const QString &name)
    {
        return fixtures::readFile(fixtures::samplePath(name));
    }
#ifdef Q_OS_LINUX
    // Below `folder`, folders deep enough that a sound in the last has a path longer than the
    // system takes, and one folder deeper, itself too long, with a sound in it. Made by calls
    // relative to each folder, as no whole path could name them.
    static void putTooDeep(const QString &folder)
    {
        const QByteArray name(250, 'd');
        const QByteArray sound = QByteArray(246, 's') + ".ogg";
        const QByteArray bytes = sample("mono_block.ogg");
        const auto down = [&](int fd) {
            if (::mkdirat(fd, name.constData(), 0755) != 0)
                qFatal("mkdirat failed");
            const int deeper = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY);
            ::close(fd);
            return deeper;
        };
        const auto write = [&](int fd) {
            const int file = ::openat(fd, sound.constData(), O_WRONLY | O_CREAT, 0644);
            if (::write(file, bytes.constData(), std::size_t(bytes.size())) != bytes.size())
                qFatal("write failed");
            ::close(file);
        };
        int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
        for (qsizetype length = folder.size(); length + 251 < PATH_MAX - 1; length += 251)
            fd = down(fd);
        write(fd); // its folder can be named, the sound cannot
        fd = down(fd);
        write(fd); // its folder cannot be named either
        ::close(fd);
    }
#endif
private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        root_ = QDir(dir_->path()).canonicalPath();
    }
    void cleanup()
    {
        // The deep folders are past what a whole path names: rm walks them.
        if (dir_)
            QProcess::execute("rm", {"-rf", dir_->path()});
    }

    // After a batch edit and a second edit of one sound, restore brings every sound back byte
    // for byte, keeps what it replaced as .newer, and has nothing left to do the second time.
    void restoreBringsBackWhatTheBackupsKept()
    {
        put("mono_block.ogg", "tree/a.ogg");
        put("stereo_block.ogg", "tree/sub/b.ogg");
        QCOMPARE(cli({"set", "-r", "--volume", "0.5", path("tree")}).status, 0);
        QCOMPARE(cli({"set", "--max", "99", path("tree/a.ogg")}).status, 0);
        const QByteArray edited = fixtures::readFile(path("tree/a.ogg"));

        const auto before = fixtures::folderState(path("tree"));
        const Run dry = cli({"restore", "-r", "--dry-run", path("tree")});
        QCOMPARE(dry.status, 0);
        QVERIFY2(dry.out.contains("a.ogg: would restore from " + path("tree/a.ogg.bak")),
                 qPrintable(dry.out));
        QCOMPARE(fixtures::folderState(path("tree")), before);

        const Run run = cli({"restore", "-r", path("tree")});
        QCOMPARE(run.status, 0);
        QCOMPARE(fixtures::readFile(path("tree/a.ogg")), sample("mono_block.ogg"));
        QCOMPARE(fixtures::readFile(path("tree/sub/b.ogg")), sample("stereo_block.ogg"));
        QCOMPARE(fixtures::readFile(path("tree/a.ogg.newer")), edited);
        QCOMPARE(fixtures::folderState(path("tree")).keys(),
                 QStringList({"a.ogg", "a.ogg.newer", "sub"}));
        QVERIFY(QFile::exists(path("tree/sub/b.ogg.newer")));

        const Run again = cli({"restore", "--json", path("tree/a.ogg")});
        QCOMPARE(again.status, 0);
        const QJsonObject record = QJsonDocument::fromJson(again.out.toUtf8()).object();
        QCOMPARE(record.value("restored").toBool(true), false);
        QVERIFY(record.value("backup").isNull());
        QVERIFY(record.contains("error") && record.value("error").isNull());
    }

    // A sound that is its backup byte for byte needs no .newer; a .newer already there is never
    // replaced: that sound is not restored and keeps its backup.
    void restoreNeverReplacesANewerKeptBefore()
    {
        put("mono_block.ogg", "same.ogg");
        put("mono_block.ogg", "same.ogg.bak");
        put("stereo_block.ogg", "taken.ogg");
        put("mono_block.ogg", "taken.ogg.bak");
        put("lacing_240.ogg", "taken.ogg.newer");
        const Run run = cli({"restore", root_});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QDir::toNativeSeparators(path("taken.ogg")) +
                                  ": not restored: its .newer name is taken"),
                 qPrintable(run.err));
        QCOMPARE(fixtures::folderState(root_).keys(),
                 QStringList({"same.ogg", "taken.ogg", "taken.ogg.bak", "taken.ogg.newer"}));
        QCOMPARE(fixtures::readFile(path("taken.ogg")), sample("stereo_block.ogg"));
        QCOMPARE(fixtures::readFile(path("taken.ogg.newer")), sample("lacing_240.ogg"));
    }

    // A sound deleted since its backup was made comes back when it is named; a folder's
    // restore lists only the sounds that are there, and a name with no backup is no sound.
    void aDeletedSoundComesBackWhenNamed()
    {
        put("mono_block.ogg", "gone.ogg.bak");
        QCOMPARE(cli({"restore", "-r", root_}).status, 0);
        QVERIFY(!QFile::exists(path("gone.ogg")));
        const Run run = cli({"restore", path("gone.ogg"), path("never.ogg")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QDir::toNativeSeparators(path("never.ogg")) +
                                  ": no such file or folder"),
                 qPrintable(run.err));
        QCOMPARE(fixtures::readFile(path("gone.ogg")), sample("mono_block.ogg"));
        QCOMPARE(fixtures::folderState(root_).keys(), QStringList({"gone.ogg"}));
    }

#ifdef Q_OS_LINUX
    // Where the file system has no hard links, the backup is a copy and so is the .newer: the
    // restore still keeps both sounds.
    void restoreWithoutHardLinksKeepsACopy()
    {
        const QString sound = put("mono_block.ogg", "a.ogg");
        QCOMPARE(cliWithFault("no-hard-links", {}, root_, {"set", "--volume", "0.5", sound}).status,
                 0);
        const QByteArray edited = fixtures::readFile(sound);
        const Run run = cliWithFault("no-hard-links", {}, root_, {"restore", sound});
        QCOMPARE(run.status, 0);
        QCOMPARE(fixtures::readFile(sound), sample("mono_block.ogg"));
        QCOMPARE(fixtures::readFile(sound + ".newer"), edited);
        QVERIFY(!QFile::exists(sound + ".bak"));
    }

    // A flush that fails restores nothing; a sound written by someone else meanwhile is not
    // replaced. Both files stay as they were in either case.
    void restoreThatCannotBeMadeSafeLeavesBothFiles_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("flush fails") << "fsync-eio"
                                     << "not restored: the disk could not be flushed";
        QTest::newRow("written meanwhile") << "touch-at-fsync"
                                           << "changed on disk since it was read; not restored";
    }
    void restoreThatCannotBeMadeSafeLeavesBothFiles()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        const QString sound = put("mono_block.ogg", "a.ogg");
        QCOMPARE(cli({"set", "--volume", "0.5", sound}).status, 0);
        auto before = fixtures::folderState(root_);
        const Run run = cliWithFault(fault, sound, root_, {"restore", sound});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        if (fault == "touch-at-fsync")
            before["a.ogg"] = fixtures::folderState(root_).value("a.ogg"); // the other's byte
        QCOMPARE(fixtures::folderState(root_), before);
        QCOMPARE(fixtures::readFile(sound + ".bak"), sample("mono_block.ogg"));
    }

    // Another program's file renamed over the sound between the last check and the rename is
    // never lost: the save and the restore fail for that sound and leave its file in place.
    // Where the file system cannot exchange names, saving goes on as before.
    void aFileRenamedOverTheSoundMeanwhileIsKept()
    {
        const QString sound = put("mono_block.ogg", "a.ogg");
        Run run = cliWithFault("replace-at-rename", put("stereo_block.ogg", "take.ogg"), root_,
                               {"set", "--volume", "0.5", sound});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("changed on disk after it was loaded; nothing was written"),
                 qPrintable(run.err));
        QCOMPARE(fixtures::folderState(root_).keys(), QStringList({"a.ogg"}));
        QCOMPARE(fixtures::readFile(sound), sample("stereo_block.ogg"));

        QCOMPARE(cli({"set", "--volume", "0.5", sound}).status, 0);
        run = cliWithFault("replace-at-rename", put("mono_block.ogg", "take.ogg"), root_,
                           {"restore", sound});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("changed on disk since it was read; not restored"),
                 qPrintable(run.err));
        QCOMPARE(fixtures::folderState(root_).keys(), QStringList({"a.ogg", "a.ogg.bak"}));
        QCOMPARE(fixtures::readFile(sound), sample("mono_block.ogg"));
        QCOMPARE(fixtures::readFile(sound + ".bak"), sample("stereo_block.ogg"));

        run = cliWithFault("no-exchange", {}, root_, {"set", "--volume", "0.25", sound});
        QCOMPARE(run.status, 0);
        QCOMPARE(fixtures::folderState(root_).keys(), QStringList({"a.ogg", "a.ogg.bak"}));
        QCOMPARE(cliWithFault("no-exchange", {}, root_, {"restore", sound}).status, 0);
        QCOMPARE(fixtures::readFile(sound), sample("stereo_block.ogg"));

        // Where names cannot be exchanged (FUSE, Windows), the file renamed over the sound just
        // before the sound is moved aside is kept too, by save and restore alike.
        QProcessEnvironment over;
        over.insert("KELVANE_FAULT_TARGET", sound);
        const auto raced = [&](const QStringList &args, const char *sample) {
            const Run r = cliWithFault("no-exchange,replace-at-rename", put(sample, "take.ogg"),
                                       root_, args, over);
            QCOMPARE(r.status, 1);
            QCOMPARE(fixtures::readFile(sound), fixtures::readFile(fixtures::samplePath(sample)));
        };
        raced({"set", "--volume", "0.5", sound}, "lacing_240.ogg");
        QCOMPARE(fixtures::folderState(root_).keys(), QStringList({"a.ogg", "a.ogg.newer"}));
        QVERIFY(QFile::remove(sound + ".newer"));
        QCOMPARE(cli({"set", "--volume", "0.5", sound}).status, 0);
        raced({"restore", sound}, "text_comment.ogg");
        QCOMPARE(fixtures::readFile(sound + ".bak"), sample("lacing_240.ogg"));
    }

    // A restore whose last step, removing the .bak name, fails says so and is finished by the
    // next; a save meanwhile refuses to keep that .bak as the original's backup. A save whose
    // old sound cannot be removed says where it stays.
    void anUnfinishedRestoreIsSaidAndFinished()
    {
        const QString sound = put("mono_block.ogg", "a.ogg");
        QCOMPARE(cli({"set", "--volume", "0.5", sound}).status, 0);
        const QByteArray edited = fixtures::readFile(sound);
        Run run = cliWithFault("unlink-eio", {}, root_, {"restore", sound});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("not finished"), qPrintable(run.err));
        run = cli({"set", "--volume", "0.9", sound});
        QCOMPARE(run.status, 1);
        QCOMPARE(fixtures::readFile(sound), sample("mono_block.ogg"));
        run = cli({"restore", sound});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(fixtures::folderState(root_).keys(), QStringList({"a.ogg", "a.ogg.newer"}));
        QCOMPARE(fixtures::readFile(sound), sample("mono_block.ogg"));
        QCOMPARE(fixtures::readFile(sound + ".newer"), edited);

        run =
            cliWithFault("unlink-eio", {}, root_, {"set", "--no-backup", "--volume", "0.3", sound});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("the old sound could not be removed and stays as .kelvane-"),
                 qPrintable(run.out));
    }

    // A restore killed between its link and its rename is finished by the next one.
    void aRestoreKilledHalfWayIsFinishedByTheNext()
    {
        const QString sound = put("mono_block.ogg", "a.ogg");
        QCOMPARE(cli({"set", "--volume", "0.5", sound}).status, 0);
        const QByteArray edited = fixtures::readFile(sound);
        QCOMPARE(cliWithFault("kill-at-rename", "1", root_, {"restore", sound}).status, -1);
        QCOMPARE(fixtures::folderState(root_).keys(),
                 QStringList({"a.ogg", "a.ogg.bak", "a.ogg.newer"}));
        const Run run = cli({"restore", sound});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(fixtures::readFile(sound), sample("mono_block.ogg"));
        QCOMPARE(fixtures::readFile(sound + ".newer"), edited);
        QCOMPARE(fixtures::folderState(root_).keys(), QStringList({"a.ogg", "a.ogg.newer"}));
    }

    // Sounds deeper than a path may name, unreadable folders and names that are not text are
    // said, never skipped, and diff never calls such a pair the same: it is trouble (exit 2).
    // Sub-folders left out without -r are said.
    void whatCannotBeReadIsSaidAndNeverSame()
    {
        for (const char *side : {"a", "b"}) {
            put("mono_block.ogg", QString(side) + "/sub/x.ogg");
            putTooDeep(path(side));
        }
        const Run shown = cli({"show", "-r", "--table", path("a")});
        QCOMPARE(shown.status, 1);
        QVERIFY2(shown.err.count("(File name too long)") == 2, qPrintable(shown.err));
        QVERIFY2(shown.err.contains("the folder cannot be read"), qPrintable(shown.err));
        Run run = cli({"diff", "-r", path("a"), path("b")});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("not compared: A Could not open file for reading."),
                 qPrintable(run.err));
        QVERIFY(!run.out.contains("same"));

        run = cli({"diff", path("a"), path("b")});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.endsWith("0 pairs compared, 0 differ (0 only in A, 0 only in B); "
                                  "sub-folders were not compared (-r compares them)\n"),
                 qPrintable(run.out));
        const int odd = ::open((QFile::encodeName(path("a")) + "/\xff.ogg").constData(),
                               O_WRONLY | O_CREAT, 0644);
        QVERIFY(odd >= 0);
        ::close(odd);
        QCOMPARE(cli({"diff", path("a"), path("b")}).status, 2);

        // A sound whose folder on the other side could not be read is not "only in A".
        put("mono_block.ogg", "a/sub/only.ogg");
        run = cliWithFault("readdir-eio", {}, path("b/sub"), {"diff", "-r", path("a"), path("b")});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.out.contains("(0 only in A, 0 only in B), 3 could not be compared"),
                 qPrintable(run.out));
        QVERIFY2(run.err.contains("sub/only.ogg: not compared: B's folder sub could not be read"),
                 qPrintable(run.err));
    }
#endif

    // Two trees paired by path: changed values, a state, sounds only in one side; text, JSON
    // and the exit status.
    void diffPairsTwoTreesByPath()
    {
        for (const char *side : {"a", "b"}) {
            put("mono_block.ogg", QString("%1/sub/shot.ogg").arg(side));
            put("stereo_block.ogg", QString("%1/same.ogg").arg(side));
            put("bad_checksum.ogg", QString("%1/fixed.ogg").arg(side));
        }
        put("stereo_block.ogg", "a/gone.ogg");
        put("no_comments.ogg", "b/sub/added.ogg");
        const QString a = path("a");
        const QString b = path("b");
        QCOMPARE(cli({"diff", "-r", a, b}).status, 1); // sounds only in one side differ too
        QCOMPARE(
            cli({"set", "--no-backup", "--volume", "0.5", "--max", "120", path("b/sub/shot.ogg")})
                .status,
            0);
        QCOMPARE(cli({"fix", "--no-backup", path("b/fixed.ogg")}).status, 0);

        const Run text = cli({"diff", "-r", a, b});
        QCOMPARE(text.status, 1);
        QCOMPARE(QDir::fromNativeSeparators(text.out),
                 QString("fixed.ogg: state: bad checksum -> ok\n"
                         "gone.ogg: only in A\n"
                         "sub/added.ogg: only in B\n"
                         "sub/shot.ogg: volume: 1 -> 0.5; max: 20 -> 120\n"
                         "5 pairs compared, 4 differ (1 only in A, 1 only in B)\n"));
        QVERIFY(cli({"diff", "-r", "--all", a, b}).out.contains("same.ogg: same\n"));

        const Run json = cli({"diff", "-r", "--json", a, b});
        const QStringList lines = json.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 4);
        const QJsonObject shot = QJsonDocument::fromJson(lines.at(3).toUtf8()).object();
        QCOMPARE(QDir::fromNativeSeparators(shot.value("file").toString()),
                 QString("sub/shot.ogg"));
        QCOMPARE(shot["a"]["block"]["baseValue"].toDouble(), 1.0);
        QCOMPARE(shot["b"]["block"]["baseValue"].toDouble(), 0.5);
        QVERIFY(QJsonDocument::fromJson(lines.at(1).toUtf8()).object().value("b").isNull());

        QCOMPARE(cli({"diff", path("a/same.ogg"), path("b/same.ogg")}).status, 0);
        QCOMPARE(cli({"diff", a, path("b/same.ogg")}).status, 2);
    }

    // clean removes the .bak and .newer files beside the sounds it is given, only regular files
    // of exactly those names, and only those --name chooses; a dry run removes nothing.
    void cleanRemovesOnlyTheBackupsBesideSounds()
    {
        const QString mono = put("mono_block.ogg", "a/mono.ogg");
        const QString stereo = put("stereo_block.ogg", "a/stereo.ogg");
        const QString kept = put("mono_block.ogg", "b/kept.ogg");
        QCOMPARE(cli({"set", "--volume", "0.5", "-r", root_}).status, 0);
        QCOMPARE(cli({"restore", stereo}).status, 0); // stereo.ogg.bak becomes stereo.ogg
        fixtures::writeFile(path("a/orphan.ogg.bak"), "no sound beside it");
        fixtures::writeFile(path("a/notes.txt"), "the modder's own");
        QVERIFY(QDir(root_).mkpath("a/mono.ogg.newer")); // a folder of that name stays
        const auto before = fixtures::folderState(path("a"));
        const auto beforeB = fixtures::folderState(path("b"));
        QVERIFY(before.contains("stereo.ogg.newer") && beforeB.contains("kept.ogg.bak"));

        Run run = cli({"clean", "--dry-run", "-r", root_});
        QCOMPARE(fixtures::folderState(path("a")), before);
        // A backup with no sound beside it may be the sound's only copy: named, kept.
        QVERIFY2(run.err.contains(QDir::toNativeSeparators("a/orphan.ogg.bak") +
                                  ": warning: no sound beside this backup"),
                 qPrintable(run.err));
        QCOMPARE(fixtures::folderState(path("b")), beforeB);
        const QString shown = QDir::toNativeSeparators(mono);
        QVERIFY2(run.out.contains(shown + ": would remove " + shown + ".bak\n"),
                 qPrintable(run.out));

        run = cli({"clean", "-r", "--name", "a/*", root_});
        QCOMPARE(run.status, 1); // the folder named like a .newer is not removed
        QVERIFY2(
            run.err.contains(shown + ": not removed: " + shown + ".newer (not a regular file)"),
            qPrintable(run.err));
        auto after = before;
        for (const char *gone : {"mono.ogg.bak", "stereo.ogg.newer"})
            QVERIFY(after.remove(gone) == 1);
        QCOMPARE(fixtures::folderState(path("a")), after);
        QCOMPARE(fixtures::folderState(path("b")), beforeB);
        QVERIFY(QFileInfo(kept + ".bak").isFile());

        // Never through a link (which may lead out of the folders given), never beside a file
        // that is no sound, never the backup of a backup.
        const QString outside = path("../outside-" + QFileInfo(root_).fileName());
        QVERIFY(QDir().mkpath(outside));
        fixtures::copySample("mono_block.ogg", outside);
        fixtures::writeFile(outside + "/mono_block.ogg.bak", "theirs");
        QVERIFY(QDir().mkpath(path("c")));
        QVERIFY(QFile::link(outside + "/mono_block.ogg", path("c/evil.ogg")));
        fixtures::writeFile(path("c/text.ogg"), "not a sound");
        fixtures::writeFile(path("c/text.ogg.bak"), "someone's");
        const QString bak = put("mono_block.ogg", "c/z.ogg.bak");
        fixtures::writeFile(bak + ".bak", "kept");
        const auto beforeC = fixtures::folderState(path("c"));
        QCOMPARE(cli({"clean", "-r", path("c")}).status, 0);
        QCOMPARE(cli({"clean", bak}).status, 0);
        QCOMPARE(fixtures::folderState(path("c")), beforeC);
        QVERIFY(QFileInfo(outside + "/mono_block.ogg.bak").isFile());
        QDir(outside).removeRecursively();
    }

    // --name chooses sounds by their path below the folder given: plain text anywhere in it,
    // a pattern with * and ? over the whole of it, "/" included; any letter case. diff pairs
    // only the paths chosen.
    void namesChooseTheSounds()
    {
        for (const char *name :
             {"weapons/ak74/Reload_01.ogg", "weapons/pm/shot.ogg", "ambient/wind.ogg"})
            put("mono_block.ogg", QString("a/") + name);
        put("mono_block.ogg", "b/weapons/ak74/Reload_01.ogg");
        put("stereo_block.ogg", "b/weapons/pm/shot.ogg");
        const auto listed = [&](const QStringList &names) {
            QStringList args{"show", "--table", "-r"};
            for (const QString &name : names)
                args << "--name" << name;
            QStringList files;
            for (const QString &line : cli(args << path("a")).out.split('\n').mid(1, -1))
                if (line.contains(".ogg"))
                    files << QDir::fromNativeSeparators(line.section(' ', 0, 0))
                                 .mid(path("a").size() + 1);
            return files;
        };
        QCOMPARE(listed({"*RELOAD*"}), QStringList{"weapons/ak74/Reload_01.ogg"});
        QCOMPARE(listed({"ak74", "ambient/*"}),
                 QStringList({"ambient/wind.ogg", "weapons/ak74/Reload_01.ogg"}));
        QCOMPARE(listed({"weapons/*.ogg"}),
                 QStringList({"weapons/ak74/Reload_01.ogg", "weapons/pm/shot.ogg"}));
        QCOMPARE(listed({"w?nd"}), QStringList{}); // a pattern matches the whole path
        const Run diff = cli({"diff", "-r", "--name", "weapons/*", path("a"), path("b")});
        QVERIFY2(diff.out.endsWith("2 pairs compared, 1 differ (0 only in A, 0 only in B)\n"),
                 qPrintable(diff.out));
    }
};

QTEST_GUILESS_MAIN(TestRestoreAndDiff)
#include "test_restore_and_diff.moc"
