#include "comment_page_builder.h"
#include "game_sound_types.h"
#include "message_text.h"
#include "ogg_judge.h"
#include "qt_text.h"
#include "replacement_file.h"
#include "sound_fixtures.h"
#include "sound_reader.h"
#include "sound_writer.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#ifdef Q_OS_LINUX
#include "child_process.h"
#include "save_faults.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

using namespace kelvane;

namespace {

const SoundAttributes edited{3, 1.5f, 42.0f, 0.5f, 0x08000080u, 7.0f};

#ifdef Q_OS_LINUX
QString failureFor(const QString &name)
{
    return QStringLiteral(" Problem creating/writing updated file ") + name;
}
#endif

builder::Block blockOf(const SoundAttributes &a)
{
    return {a.version, a.minDist, a.maxDist, a.baseValue, a.gameType, a.maxAIDist};
}

// Saves over the file `loaded` came from, as long as it is still that file.
SaveResult saveOver(LoadResult &loaded, const SoundAttributes &attrs, const QString &path,
                    Backup backup)
{
    return saveSoundFile(*loaded.image, attrs,
                         {path, QFileInfo(path).fileName(), backup, loaded.identity});
}

std::uint64_t inodeOf(const QString &path)
{
    const auto identity = identityOfPath(path);
    return identity ? identity->inode : 0;
}

#ifdef Q_OS_LINUX
// A folder that the ordinary user of a child process can read but whose permissions are ours.
QString openFolder(const QTemporaryDir &dir)
{
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther);
    return dir.path();
}
#endif

} // namespace

class TestSoundWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    // The saved file as libogg and ogginfo see it, with the same audio as `original` (whose
    // page 2 checksum libogg sets first, so that a damaged original can be decoded too).
    void verifySaved(const QString &saved, const QByteArray &original, const SoundAttributes &attrs)
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
        const SaveResult saved = saveSoundFile(
            *loaded.image, edited, {path, "stereo_block.ogg", Backup::None, loaded.identity});
        QVERIFY2(saved.ok, qPrintable(qtext(saved.failure)));
        QCOMPARE(saved.bytesWritten, original.size());
        QVERIFY(!saved.backupMade);
        QVERIFY(!QFile::exists(path + ".bak"));

        const QByteArray now = fixtures::readFile(path);
        QCOMPARE(now.size(), original.size());
        const auto block = qsizetype(*loaded.image->blockOffset());
        for (qsizetype i = 0; i < now.size(); ++i) {
            const bool checksum = i >= 80 && i < 84;
            const bool inBlock = i >= block && i < block + 24;
            if (!checksum && !inBlock && now.at(i) != original.at(i))
                QFAIL(qPrintable(QStringLiteral("byte %1 changed").arg(i)));
        }
        verifySaved(path, original, edited);

        const LoadResult again = loadSoundFile(path, "stereo_block.ogg");
        QCOMPARE(again.inspection.outcome, LoadOutcome::Clean);
        QVERIFY(sameAttributes(again.inspection.fileAttrs, edited));
    }

    void badChecksumIsRepairedWithoutEdits()
    {
        const QString path = fixtures::copySample("bad_checksum.ogg", dir_.path());
        const QByteArray original = fixtures::readFile(path);
        LoadResult loaded = loadSoundFile(path, "bad_checksum.ogg");
        QCOMPARE(loaded.inspection.outcome, LoadOutcome::BadChecksum);
        const SoundAttributes same = loaded.inspection.fileAttrs;
        QVERIFY(saveSoundFile(*loaded.image, same,
                              {path, "bad_checksum.ogg", Backup::None, loaded.identity})
                    .ok);
        const LoadResult again = loadSoundFile(path, "bad_checksum.ogg");
        QCOMPARE(again.inspection.outcome, LoadOutcome::Clean);
        QCOMPARE(text(again.inspection.infoLines.at(7)).substr(23, 8),
                 text(again.inspection.infoLines.at(8)).substr(23, 8));
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
        const SaveResult saved = saveSoundFile(*loaded.image, defaultAttrs,
                                               {path, name, Backup::IfAbsent, loaded.identity});
        QVERIFY(saved.ok);
        QCOMPARE(saved.bytesWritten, original.size() + growth);
        QCOMPARE(fixtures::readFile(path + ".bak"), original);
        verifySaved(path, original, defaultAttrs);
        const LoadResult again = loadSoundFile(path, name);
        QCOMPARE(again.inspection.outcome, LoadOutcome::Clean);
        QVERIFY(sameAttributes(again.inspection.fileAttrs, defaultAttrs));
    }

    // A long sound: the bytes after page 2 are copied by the kernel from the file being
    // replaced, and the file is the image byte for byte, an inserted block included; where the
    // kernel cannot copy them all, nothing of its attempt stays in the new file.
    void aLongSoundIsWrittenByteForByte()
    {
        for (const QStringList &comments : {QStringList{}, QStringList{"TITLE=long"}}) {
            const QString path =
                fixtures::encodeTone(dir_.path(), "long.ogg", 2, 12, comments, 6, 44100, true);
            QFile::remove(path + ".wav");
            const QByteArray original = fixtures::readFile(path);
            QVERIFY2(original.size() > 300 * 1024, qPrintable(QString::number(original.size())));
            LoadResult loaded = loadSoundFile(path, "long.ogg");
            QVERIFY(loaded.image && loaded.image->writable());
            QVERIFY(saveOver(loaded, edited, path, Backup::None).ok);
            QCOMPARE(fixtures::readFile(path), fixtures::bytesOf(*loaded.image));
            verifySaved(path, original, edited);
        }

        Message reason;
        const auto file = ReplacementFile::create(dir_.path(), reason);
        const std::uint8_t head[] = {'O', 'g', 'g', 'S'};
        QVERIFY(file && file->write(head));
        QFile shortSource(fixtures::samplePath("mono_block.ogg"));
        QVERIFY(shortSource.open(QIODevice::ReadOnly));
        QVERIFY(!file->copyInKernel(shortSource.handle(), 100, std::size_t(shortSource.size())));
        QVERIFY(file->finish(false));
        QCOMPARE(fixtures::readFile(file->path()), QByteArray("OggS"));
        QFile::remove(file->path());
    }

    // A part of another file, copied by the kernel where it can, by reads (64 KiB at a time)
    // where it cannot: from another kind of file system, and always on Windows.
    void aPartOfAnotherFileIsCopiedWhole()
    {
        QByteArray bytes(200'000, Qt::Uninitialized);
        QRandomGenerator noise(41);
        for (char &c : bytes)
            c = char(noise.generate());
        QStringList sources{dir_.filePath("part-source.bin")};
        if (QDir("/dev/shm").exists())
            sources << QDir("/dev/shm")
                           .filePath(QStringLiteral("kelvane-part-%1")
                                         .arg(QCoreApplication::applicationPid()));
        for (const QString &source : sources) {
            fixtures::writeFile(source, bytes);
            const auto removeSource = qScopeGuard([&] { QFile::remove(source); });
            QFile from(source);
            QVERIFY(from.open(QIODevice::ReadOnly));
            Message reason;
            const auto file = ReplacementFile::create(dir_.path(), reason);
            QVERIFY(file && file->copyPart({from.handle(), 1000, 150'000}) && file->finish(false));
            QCOMPARE(fixtures::readFile(file->path()), bytes.mid(1000, 150'000));
            QFile::remove(file->path());
            const auto past = ReplacementFile::create(dir_.path(), reason); // the source ends
            QVERIFY(past && !past->copyPart({from.handle(), 190'000, 20'000}));
        }
    }

    // The backup is made once, from the file as it was before the first save, and never
    // replaced; it shares the original's data, so the file never stops existing.
    void backupRules()
    {
        QTemporaryDir dir;
        const QString path = fixtures::copySample("mono_block.ogg", dir.path());
        const QByteArray original = fixtures::readFile(path);
        const std::uint64_t originalInode = inodeOf(path);
        LoadResult loaded = loadSoundFile(path, "mono_block.ogg");

        SaveResult saved = saveSoundFile(
            *loaded.image, edited, {path, "mono_block.ogg", Backup::IfAbsent, loaded.identity});
        QVERIFY(saved.ok && saved.backupMade);
        QCOMPARE(fixtures::readFile(path + ".bak"), original);
        QCOMPARE(inodeOf(path + ".bak"), originalInode);

        SoundAttributes second = edited;
        second.maxAIDist = 9.0f;
        saved = saveSoundFile(*loaded.image, second,
                              {path, "mono_block.ogg", Backup::IfAbsent, saved.written});
        QVERIFY(saved.ok && !saved.backupMade);
        QCOMPARE(fixtures::readFile(path + ".bak"), original);
        QVERIFY(sameAttributes(loadSoundFile(path, "x").inspection.fileAttrs, second));

        // A folder in the backup's place is left alone and the save goes on.
        const QString other = fixtures::copySample("stereo_block.ogg", dir.path());
        QVERIFY(QDir(dir.path()).mkdir("stereo_block.ogg.bak"));
        loaded = loadSoundFile(other, "stereo_block.ogg");
        saved = saveSoundFile(*loaded.image, edited,
                              {other, "stereo_block.ogg", Backup::IfAbsent, loaded.identity});
        QVERIFY(saved.ok && !saved.backupMade);
        QVERIFY(QFileInfo(other + ".bak").isDir());

        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"mono_block.ogg", "mono_block.ogg.bak", "stereo_block.ogg",
                              "stereo_block.ogg.bak"}));
    }

#ifdef Q_OS_WIN
    // A sound the game (or a player) holds open without letting it be deleted, and one marked
    // read-only, are refused with their reason; the file stays as it was, and nothing is left
    // beside it.
    void aFileHeldOpenOrReadOnlyIsLeftAlone()
    {
        const QTemporaryDir dir;
        const QString path = fixtures::copySample("mono_block.ogg", dir.path());
        const QByteArray original = fixtures::readFile(path);
        const std::wstring wide = QDir::toNativeSeparators(path).toStdWString();
        for (const char *why : {"the file is open in another program", "Permission denied"}) {
            HANDLE held = INVALID_HANDLE_VALUE;
            if (QString(why).startsWith("the file")) {
                held = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
                QVERIFY(held != INVALID_HANDLE_VALUE);
            }
            // Held open, it is still shown.
            LoadResult loaded = loadSoundFile(path, "mono_block.ogg");
            QVERIFY2(loaded.image, qPrintable(qtext(loaded.failure) + qtext(loaded.reason)));
            if (held == INVALID_HANDLE_VALUE)
                QVERIFY(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
            const SaveResult saved = saveOver(loaded, edited, path, Backup::None);
            if (held != INVALID_HANDLE_VALUE)
                CloseHandle(held);
            SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
            QVERIFY(!saved.ok);
            if (QString(why).startsWith("the file")) {
                QCOMPARE(saved.problem, SaveProblem::InUse);
                QCOMPARE(qtext(saved.failure),
                         " mono_block.ogg is open in another program; nothing "
                         "was written. Close it there and save again.");
            } else {
                QCOMPARE(saved.problem, SaveProblem::Write);
                QCOMPARE(qtext(saved.reason), QString(why));
            }
            QCOMPARE(fixtures::readFile(path), original);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList{"mono_block.ogg"});
        }
    }
#endif

    void saveAsWritesOnlyTheTarget()
    {
        QTemporaryDir source;
        QTemporaryDir target;
        const QString path = fixtures::copySample("mono_block.ogg", source.path());
        const QByteArray original = fixtures::readFile(path);
        LoadResult loaded = loadSoundFile(path, "mono_block.ogg");
        const QString copy = QDir(target.path()).filePath("renamed.ogg");
        QVERIFY(saveSoundFile(*loaded.image, edited, {copy, copy, Backup::None, std::nullopt}).ok);
        QCOMPARE(fixtures::readFile(path), original);
        QCOMPARE(QDir(source.path()).entryList(QDir::Files), QStringList{"mono_block.ogg"});
        QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList{"renamed.ogg"});
        verifySaved(copy, original, edited);
    }

#ifdef Q_OS_LINUX
    // A link is written through: the link stays, its file changes. The backup lies beside the
    // file, so a sound opened by two names still has one backup, of the sound before any edit.
    void symbolicLinksAreWrittenThroughWithOneBackup()
    {
        QTemporaryDir dir;
        const QString real = fixtures::copySample("mono_block.ogg", dir.path());
        const QByteArray original = fixtures::readFile(real);
        SoundAttributes attrs = edited;
        for (const QString name : {"link.ogg", "other.ogg"}) {
            const QString link = QDir(dir.path()).filePath(name);
            QVERIFY(QFile::link(real, link));
            LoadResult loaded = loadSoundFile(link, name);
            QVERIFY(saveOver(loaded, attrs, link, Backup::IfAbsent).ok);
            QCOMPARE(QFileInfo(link).symLinkTarget(), real);
            attrs.maxAIDist += 1.0f;
        }
        verifySaved(real, original, {3, 1.5f, 42.0f, 0.5f, 0x08000080u, 8.0f});
        QCOMPARE(fixtures::readFile(real + ".bak"), original);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({"link.ogg", "mono_block.ogg", "mono_block.ogg.bak", "other.ogg"}));
    }
#endif

    // Another program's newer version is never overwritten by the image loaded before it.
    void aFileChangedSinceLoadingIsLeftAlone_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("replaced by a new take") << "replaced";
        QTest::newRow("written in place, same size") << "rewritten";
        QTest::newRow("still being written") << "appended";
        QTest::newRow("removed") << "removed";
    }
    void aFileChangedSinceLoadingIsLeftAlone()
    {
        QFETCH(QString, change);
        QTemporaryDir dir;
        const QString path = fixtures::copySample("mono_block.ogg", dir.path());
        LoadResult loaded = loadSoundFile(path, "mono_block.ogg");
        const QByteArray take = fixtures::readFile(fixtures::samplePath("stereo_block.ogg"));
        if (change == "replaced") {
            fixtures::writeFile(path + ".new", take);
            QVERIFY(QFile::rename(path + ".new", path) ||
                    (QFile::remove(path) && QFile::rename(path + ".new", path)));
        } else if (change == "rewritten") {
            QByteArray same = fixtures::readFile(path);
            same[same.size() - 1] = char(same.back() ^ 1);
            QTest::qSleep(10); // a later modification time on any file system clock
            fixtures::writeFile(path, same);
        } else if (change == "appended") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            file.write("more");
        } else {
            QVERIFY(QFile::remove(path));
        }
        const auto before = fixtures::folderState(dir.path());
        const SaveResult saved = saveOver(loaded, edited, path, Backup::IfAbsent);
        QVERIFY(!saved.ok);
        QCOMPARE(saved.problem, SaveProblem::Changed);
        QCOMPARE(qtext(saved.failure),
                 QString(" mono_block.ogg changed on disk after it was loaded; "
                         "nothing was written."));
        QCOMPARE(fixtures::folderState(dir.path()), before);
    }

    // Names up to the file system's limit of 255 bytes are saved; a backup whose name would
    // pass it cannot be made, and then nothing is written.
    void longNamesAndBackupsThatCannotBeMade()
    {
        QTemporaryDir dir;
        const QString longest = QDir(dir.path()).filePath(QString(251, 'n') + ".ogg");
        QVERIFY(QFile::copy(fixtures::samplePath("mono_block.ogg"), longest));
        LoadResult loaded = loadSoundFile(longest, "longest");
        auto before = fixtures::folderState(dir.path());
        SaveResult saved = saveOver(loaded, edited, longest, Backup::IfAbsent);
        QVERIFY(!saved.ok);
        QCOMPARE(saved.problem, SaveProblem::Backup);
        QCOMPARE(qtext(saved.failure),
                 " Backup " + QString(251, 'n') +
                     ".ogg.bak (File name too long) could not be made; nothing "
                     "was written.");
        QVERIFY(qtext(saved.reason).isEmpty()); // said once, in the message
        QCOMPARE(fixtures::folderState(dir.path()), before);

        saved = saveOver(loaded, edited, longest, Backup::None);
        QVERIFY2(saved.ok, qPrintable(qtext(saved.reason)));
        const QString shorter = QDir(dir.path()).filePath(QString(247, 'n') + ".ogg");
        QVERIFY(QFile::copy(longest, shorter));
        loaded = loadSoundFile(shorter, "shorter");
        QVERIFY(saveOver(loaded, defaultAttrs, shorter, Backup::IfAbsent).backupMade);
        QCOMPARE(fixtures::readFile(shorter + ".bak"), fixtures::readFile(longest));
    }

#ifdef Q_OS_LINUX
    // A name taken by something that is not a backup is left alone, and the result says that
    // no backup exists; a regular file of that name is the earlier backup and is kept.
    void aBackupNameTakenByAnythingElse_data()
    {
        QTest::addColumn<QString>("taker");
        QTest::newRow("folder") << "folder";
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("dangling link") << "link";
        QTest::newRow("earlier backup") << "file";
    }
    void aBackupNameTakenByAnythingElse()
    {
        QFETCH(QString, taker);
        QTemporaryDir dir;
        const QString path = fixtures::copySample("mono_block.ogg", dir.path());
        const QString backup = path + ".bak";
        if (taker == "folder")
            QVERIFY(QDir(dir.path()).mkdir("mono_block.ogg.bak"));
        else if (taker == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(backup).constData(), 0644), 0);
        else if (taker == "link")
            QVERIFY(QFile::link(dir.path() + "/nothing", backup));
        else
            fixtures::writeFile(backup, "earlier");
        const auto taken = fixtures::folderState(dir.path()).value("mono_block.ogg.bak");
        LoadResult loaded = loadSoundFile(path, "mono_block.ogg");
        const SaveResult saved = saveOver(loaded, edited, path, Backup::IfAbsent);
        QVERIFY(saved.ok && !saved.backupMade);
        QCOMPARE(qtexts(saved.notes),
                 taker == "file"
                     ? QStringList()
                     : QStringList{"no backup: mono_block.ogg.bak is not a regular file"});
        QCOMPARE(fixtures::folderState(dir.path()).value("mono_block.ogg.bak"), taken);
    }

    // The new file keeps what the old one had: owner, group, permission bits less set-user-ID
    // and set-group-ID, extended attributes and ACLs. Other hard links keep the old sound,
    // and the result says so.
    void ownerPermissionsAndAttributesAreKept()
    {
        if (geteuid() != 0)
            QSKIP("giving a file to another owner needs root");
        QTemporaryDir dir;
        const QString path = fixtures::copySample("mono_block.ogg", dir.path());
        const QByteArray name = QFile::encodeName(path);
        const QByteArray original = fixtures::readFile(path);
        QCOMPARE(chown(name.constData(), 1234, 1234), 0);
        QCOMPARE(chmod(name.constData(), 06755), 0);
        QCOMPARE(setxattr(name.constData(), "user.kelvane", "kept", 4, 0), 0);
        // An access ACL granting user 4321 read: owner rw, named user r, group r, mask r, other r.
        const std::uint32_t acl[] = {2,          0x00060001, 0xFFFFFFFF, 0x00040002,
                                     4321,       0x00040004, 0xFFFFFFFF, 0x00040010,
                                     0xFFFFFFFF, 0x00040020, 0xFFFFFFFF};
        if (setxattr(name.constData(), "system.posix_acl_access", acl, sizeof acl, 0) != 0)
            QSKIP("this file system has no ACLs");
        const auto attributes = [&](const QString &file) {
            QByteArray value(sizeof acl, '\0');
            const auto got = getxattr(QFile::encodeName(file).constData(),
                                      "system.posix_acl_access", value.data(), sizeof acl);
            value.resize(got < 0 ? 0 : got);
            char user[8]{};
            return value + "/" +
                   QByteArray(user, int(getxattr(QFile::encodeName(file).constData(),
                                                 "user.kelvane", user, 8)));
        };
        struct stat was
        {};
        QCOMPARE(stat(name.constData(), &was), 0);
        const QByteArray wanted = attributes(path);
        const QString other = QDir(dir.path()).filePath("other name.ogg");
        QVERIFY(::link(name.constData(), QFile::encodeName(other).constData()) == 0);

        LoadResult loaded = loadSoundFile(path, "mono_block.ogg");
        const SaveResult saved = saveOver(loaded, edited, path, Backup::None);
        QVERIFY(saved.ok);
        QCOMPARE(qtexts(saved.notes),
                 QStringList{"1 other hard link to mono_block.ogg keeps the old sound"});
        struct stat now
        {};
        QCOMPARE(stat(name.constData(), &now), 0);
        QCOMPARE(now.st_uid, uid_t(1234));
        QCOMPARE(now.st_gid, gid_t(1234));
        QCOMPARE(now.st_mode & 07777, (was.st_mode & 07777) & ~mode_t(S_ISUID | S_ISGID));
        QCOMPARE(attributes(path), wanted);
        QCOMPARE(fixtures::readFile(other), original);
        QVERIFY(now.st_ino != was.st_ino);
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
        QTest::newRow("sticky folder, another user's file") << "sticky";
        QTest::newRow("target bind-mounted") << "bind";
    }
    void failuresLeaveEveryFileIntact()
    {
        QFETCH(QString, fault);
        QTemporaryDir dir;
        SaveFault disk(fault, openFolder(dir));
        if (!disk.possible())
            QSKIP("mounting a small file system needs root");
        const QString folder = disk.where();
        const QString path = fixtures::copySample("mono_block.ogg", folder);
        fixtures::copySample("stereo_block.ogg", folder);
        QTemporaryDir elsewhere;
        const QByteArray mountPoint = QFile::encodeName(path);
        if (fault == "bind") {
            const QString source = fixtures::copySample("no_comments.ogg", elsewhere.path());
            if (mount(QFile::encodeName(source).constData(), mountPoint.constData(), nullptr,
                      MS_BIND, nullptr) != 0)
                QSKIP("bind-mounting a file needs root");
        }
        const auto unmount = qScopeGuard([&] {
            if (fault == "bind")
                umount2(mountPoint.constData(), MNT_DETACH);
        });
        LoadResult loaded = loadSoundFile(path, "mono_block.ogg");
        QVERIFY(loaded.image && loaded.image->writable());

        QString target = path;
        ChildLimits limits;
        if (fault == "sticky") {
            if (geteuid() != 0)
                QSKIP("giving the file to another user needs root");
            QCOMPARE(chmod(QFile::encodeName(folder).constData(), 01777), 0);
            QCOMPARE(chown(mountPoint.constData(), 1234, 1234), 0);
            QCOMPARE(chmod(mountPoint.constData(), 0666), 0);
            limits.asOrdinaryUser = true;
        } else if (fault == "bind") {
        } else if (fault == "readonly-folder") {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                              QFile::ExeOther);
            limits.asOrdinaryUser = true;
        } else if (fault == "fsize") {
            limits.fileSizeLimit = 1000;
        } else if (fault == "gone") {
            QTemporaryDir gone;
            target = QDir(gone.path()).filePath("elsewhere.ogg");
        }
        QVERIFY(disk.arm(path));
        const auto before = fixtures::folderState(folder);
        const int status = runInChild(limits, [&] {
            const SaveResult saved =
                saveSoundFile(*loaded.image, edited,
                              {target, target, Backup::IfAbsent,
                               fault == "gone" ? std::nullopt : std::optional(loaded.identity)});
            return !saved.ok && qtext(saved.failure) == failureFor(target) ? 0 : 1;
        });
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(status, 0);
        // Not even a backup made by the failed save stays.
        QCOMPARE(fixtures::folderState(folder), before);
    }
#endif
};

QTEST_GUILESS_MAIN(TestSoundWriter)
#include "test_sound_writer.moc"
