#include "child_process.h"
#include "comment_page_builder.h"
#include "game_sound_types.h"
#include "messages.h"
#include "ogg_judge.h"
#include "scoped_tmpfs.h"
#include "sound_fixtures.h"
#include "sound_reader.h"
#include "sound_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace kelvane;

namespace {

const TSoundAttributes edited{3, 1.5f, 42.0f, 0.5f, 0x08000080u, 7.0f};

QString failureFor(const QString &name)
{
    return QString::fromUtf8(msg::kWriteProblem.data(), qsizetype(msg::kWriteProblem.size())) +
           name;
}

builder::Block blockOf(const TSoundAttributes &a)
{
    return {a.version, a.minDist, a.maxDist, a.baseValue, a.gameType, a.maxAIDist};
}

ino_t inodeOf(const QString &path)
{
    struct stat info
    {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// A folder that the ordinary user of a child process can read but whose permissions are ours.
QString openFolder(const QTemporaryDir &dir)
{
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther);
    return dir.path();
}

} // namespace

class TestSoundWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    // The saved file as libogg and ogginfo see it, with the same audio as `original` (whose
    // page 2 checksum libogg sets first, so that a damaged original can be decoded too).
    void verifySaved(const QString &saved, const QByteArray &original,
                     const TSoundAttributes &attrs)
    {
        const OggVerdict verdict = judgeOgg(fixtures::readFile(saved));
        QVERIFY2(verdict.valid, qPrintable(verdict.problem));
        const auto comments = vorbisComments(verdict.headerPackets.at(1));
        QVERIFY(!comments.empty());
        QCOMPARE(comments.front(), builder::blockBytes(blockOf(attrs)));
        QCOMPARE(fixtures::ogginfoComplaints(saved), QStringList());
        const QString before = saved + ".original";
        fixtures::writeFile(
            before, builder::withCommentPacket(original, builder::commentPacketOf(original)));
        const QByteArray audio = fixtures::decodedSamples(before);
        QFile::remove(before);
        QVERIFY(!audio.isEmpty());
        QCOMPARE(fixtures::decodedSamples(saved), audio);
    }

private slots:
    // Apply: the block and page 2's checksum change, every other byte stays.
    void savingChangesOnlyTheBlockAndTheChecksum()
    {
        const QString path = fixtures::copySample("stereo_block.ogg", dir_.path());
        const QByteArray original = fixtures::readFile(path);
        LoadResult loaded = loadSoundFile(path, "stereo_block.ogg");
        QCOMPARE(loaded.inspection.outcome, LoadOutcome::Clean);
        const SaveResult saved =
            saveSoundFile(*loaded.image, edited, path, "stereo_block.ogg", Backup::None);
        QVERIFY2(saved.ok, qPrintable(saved.failure));
        QCOMPARE(saved.bytesWritten, original.size());
        QVERIFY(!saved.backupMade);
        QVERIFY(!QFile::exists(path + ".bak"));

        const QByteArray now = fixtures::readFile(path);
        QCOMPARE(now.size(), original.size());
        const auto block = qsizetype(*loaded.image->blockOffset);
        for (qsizetype i = 0; i < now.size(); ++i) {
            const bool checksum = i >= 80 && i < 84;
            const bool inBlock = i >= block && i < block + 24;
            if (!checksum && !inBlock && now.at(i) != original.at(i))
                QFAIL(qPrintable(QStringLiteral("byte %1 changed").arg(i)));
        }
        verifySaved(path, original, edited);

        const LoadResult again = loadSoundFile(path, "stereo_block.ogg");
        QCOMPARE(again.inspection.outcome, LoadOutcome::Clean);
        QVERIFY(SameAttributes(again.inspection.fileAttrs, edited));
    }

    void badChecksumIsRepairedWithoutEdits()
    {
        const QString path = fixtures::copySample("bad_checksum.ogg", dir_.path());
        const QByteArray original = fixtures::readFile(path);
        LoadResult loaded = loadSoundFile(path, "bad_checksum.ogg");
        QCOMPARE(loaded.inspection.outcome, LoadOutcome::BadChecksum);
        const TSoundAttributes same = loaded.inspection.fileAttrs;
        QVERIFY(saveSoundFile(*loaded.image, same, path, "bad_checksum.ogg", Backup::None).ok);
        const LoadResult again = loadSoundFile(path, "bad_checksum.ogg");
        QCOMPARE(again.inspection.outcome, LoadOutcome::Clean);
        QCOMPARE(again.inspection.infoLines.at(7).substr(23, 8),
                 again.inspection.infoLines.at(8).substr(23, 8));
        verifySaved(path, original, same);
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
        const QString path = fixtures::copySample(name, dir_.path());
        const QByteArray original = fixtures::readFile(path);
        LoadResult loaded = loadSoundFile(path, name);
        QCOMPARE(loaded.inspection.outcome, LoadOutcome::Inserted);
        const SaveResult saved =
            saveSoundFile(*loaded.image, defaultAttrs, path, name, Backup::IfAbsent);
        QVERIFY(saved.ok);
        QCOMPARE(saved.bytesWritten, original.size() + growth);
        QCOMPARE(fixtures::readFile(path + ".bak"), original);
        verifySaved(path, original, defaultAttrs);
        const LoadResult again = loadSoundFile(path, name);
        QCOMPARE(again.inspection.outcome, LoadOutcome::Clean);
        QVERIFY(SameAttributes(again.inspection.fileAttrs, defaultAttrs));
    }

    // The backup is made once, from the file as it was before the first save, and never
    // replaced; it shares the original's data, so the file never stops existing.
    void backupRules()
    {
        QTemporaryDir dir;
        const QString path = fixtures::copySample("mono_block.ogg", dir.path());
        const QByteArray original = fixtures::readFile(path);
        const ino_t originalInode = inodeOf(path);
        LoadResult loaded = loadSoundFile(path, "mono_block.ogg");

        SaveResult saved =
            saveSoundFile(*loaded.image, edited, path, "mono_block.ogg", Backup::IfAbsent);
        QVERIFY(saved.ok && saved.backupMade);
        QCOMPARE(fixtures::readFile(path + ".bak"), original);
        QCOMPARE(inodeOf(path + ".bak"), originalInode);

        TSoundAttributes second = edited;
        second.maxAIDist = 9.0f;
        saved = saveSoundFile(*loaded.image, second, path, "mono_block.ogg", Backup::IfAbsent);
        QVERIFY(saved.ok && !saved.backupMade);
        QCOMPARE(fixtures::readFile(path + ".bak"), original);
        QVERIFY(SameAttributes(loadSoundFile(path, "x").inspection.fileAttrs, second));

        // A folder in the backup's place is left alone and the save goes on.
        const QString other = fixtures::copySample("stereo_block.ogg", dir.path());
        QVERIFY(QDir(dir.path()).mkdir("stereo_block.ogg.bak"));
        loaded = loadSoundFile(other, "stereo_block.ogg");
        saved = saveSoundFile(*loaded.image, edited, other, "stereo_block.ogg", Backup::IfAbsent);
        QVERIFY(saved.ok && !saved.backupMade);
        QVERIFY(QFileInfo(other + ".bak").isDir());

        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"mono_block.ogg", "mono_block.ogg.bak", "stereo_block.ogg",
                              "stereo_block.ogg.bak"}));
    }

    void saveAsWritesOnlyTheTarget()
    {
        QTemporaryDir source;
        QTemporaryDir target;
        const QString path = fixtures::copySample("mono_block.ogg", source.path());
        const QByteArray original = fixtures::readFile(path);
        LoadResult loaded = loadSoundFile(path, "mono_block.ogg");
        const QString copy = QDir(target.path()).filePath("renamed.ogg");
        QVERIFY(saveSoundFile(*loaded.image, edited, copy, copy, Backup::None).ok);
        QCOMPARE(fixtures::readFile(path), original);
        QCOMPARE(QDir(source.path()).entryList(QDir::Files), QStringList{"mono_block.ogg"});
        QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList{"renamed.ogg"});
        verifySaved(copy, original, edited);
    }

    // A link is written through: the link stays, its file changes, the backup is of the file.
    void symbolicLinkIsWrittenThrough()
    {
        QTemporaryDir dir;
        const QString real = fixtures::copySample("mono_block.ogg", dir.path());
        const QByteArray original = fixtures::readFile(real);
        const QString link = QDir(dir.path()).filePath("link.ogg");
        QVERIFY(QFile::link(real, link));
        LoadResult loaded = loadSoundFile(link, "link.ogg");
        QVERIFY(saveSoundFile(*loaded.image, edited, link, "link.ogg", Backup::IfAbsent).ok);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), real);
        verifySaved(real, original, edited);
        QVERIFY(!QFileInfo(link + ".bak").isSymLink());
        QCOMPARE(fixtures::readFile(link + ".bak"), original);
    }

    // Every failure leaves each file of the folder as it was, leaves no temporary file behind
    // and reports the target's name.
    void failuresLeaveEveryFileIntact_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("folder not writable") << "readonly-folder";
        QTest::newRow("file size limit") << "fsize";
        QTest::newRow("target became a folder") << "folder";
        QTest::newRow("save-as folder removed") << "gone";
        QTest::newRow("disk full") << "full";
        QTest::newRow("read-only file system") << "readonly-fs";
    }
    void failuresLeaveEveryFileIntact()
    {
        QFETCH(QString, fault);
        QTemporaryDir dir;
        QString folder = openFolder(dir);
        std::unique_ptr<ScopedTmpfs> disk;
        if (fault == "full" || fault == "readonly-fs") {
            folder = QDir(folder).filePath("disk");
            disk = std::make_unique<ScopedTmpfs>(folder, 256 * 1024);
            if (!disk->mounted())
                QSKIP("mounting a small file system needs root");
        }
        const QString path = fixtures::copySample("mono_block.ogg", folder);
        fixtures::copySample("stereo_block.ogg", folder);
        LoadResult loaded = loadSoundFile(path, "mono_block.ogg");
        QVERIFY(loaded.image && loaded.image->writable);

        QString target = path;
        ChildLimits limits;
        if (fault == "readonly-folder") {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                              QFile::ExeOther);
            limits.asOrdinaryUser = true;
        } else if (fault == "fsize") {
            limits.fileSizeLimit = 1000;
        } else if (fault == "folder") {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir(folder).mkdir("mono_block.ogg"));
        } else if (fault == "full") {
            QVERIFY(disk->fill(1000));
        } else if (fault == "readonly-fs") {
            QVERIFY(disk->makeReadOnly());
        } else {
            QTemporaryDir gone;
            target = QDir(gone.path()).filePath("elsewhere.ogg");
        }
        const auto before = fixtures::folderState(folder);
        const int status = runInChild(limits, [&] {
            const SaveResult saved =
                saveSoundFile(*loaded.image, edited, target, target, Backup::IfAbsent);
            return !saved.ok && saved.failure == failureFor(target) ? 0 : 1;
        });
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(status, 0);
        auto after = fixtures::folderState(folder);
        // A backup shares the original's bytes and may stay; nothing else may differ.
        if (after.contains("mono_block.ogg.bak")) {
            QCOMPARE(after.take("mono_block.ogg.bak"), before.value("mono_block.ogg"));
        }
        QCOMPARE(after, before);
    }
};

QTEST_GUILESS_MAIN(TestSoundWriter)
#include "test_sound_writer.moc"
