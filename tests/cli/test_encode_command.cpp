// kelvane-cli encode and fix --game-ready on sources sox and oggenc make: what lands on disk is
// judged by our reader, our decoder and ogginfo; what must not be made leaves nothing behind.
#include "cli_run.h"
#include "sound_decoder.h"
#include "sound_fixtures.h"
#include "sound_reader.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include "scoped_tmpfs.h"
#endif

using namespace kelvane;

class TestEncodeCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    QString path(const QString &name) const { return dir_.filePath(name); }
    // A tone sox makes at `rate` with `channels`, in `bits`, into `name` below the folder.
    QString source(const QString &name, int rate, int channels, int bits = 16, double seconds = 1)
    {
        QDir(dir_.path()).mkpath(QFileInfo(path(name)).path());
        QStringList effects{"synth", QString::number(seconds), "sine", "440"};
        for (int c = 1; c < channels; ++c)
            effects << "sine" << QString::number(440 + 110 * c);
        return fixtures::soxSource(dir_.path(), name,
                                   {"-r", QString::number(rate), "-c", QString::number(channels),
                                    "-b", QString::number(bits)},
                                   effects);
    }
    static std::size_t framesOf(const QString &file)
    {
        const QByteArray bytes = fixtures::readFile(file);
        const DecodedSound sound = decodeSound(fixtures::spanOf(bytes));
        return sound.decoded() ? sound.frames() : 0;
    }
    // The names in a folder, hidden ones too: what a failed write must not leave.
    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

private slots:
    // A folder of sources becomes game sounds below --to at their own paths: 44100 Hz mono, the
    // block given, the length to the sample; a file that is not audio fails alone, and what is
    // already there is kept on a second run.
    void aFolderBecomesGameSounds()
    {
        QVERIFY(!source("src/sub/a.wav", 48000, 2, 24, 1.5).isEmpty());
        QVERIFY(!source("src/b.flac", 22050, 1).isEmpty());
        fixtures::writeFile(path("src/notes.wav"), "not a sound");
        fixtures::writeFile(path("src/readme.txt"), "not a source either");
        const Run run = cli({"encode", "-r", "--type", "weapon_shooting", "--max", "300", "--to",
                             path("out"), path("src")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("notes.wav: not a sound this program reads"),
                 qPrintable(run.err));
        QVERIFY2(run.out.contains("48000 Hz stereo -> 44100 Hz mono, 1.500 s"),
                 qPrintable(run.out));
        QCOMPARE(entries(path("out")), QStringList{"b.ogg"});
        for (const QString &made : {path("out/sub/a.ogg"), path("out/b.ogg")}) {
            const LoadResult loaded = loadSoundFile(made, made);
            QCOMPARE(loaded.inspection.outcome, LoadOutcome::Clean);
            QCOMPARE(loaded.inspection.sampleRate, 44100u);
            QCOMPARE(loaded.inspection.channels, 1u);
            QCOMPARE(loaded.inspection.fileAttrs.maxDist, 300.0f);
            QCOMPARE(loaded.inspection.fileAttrs.gameType, 0x80200000u); // weapon_shooting
            QCOMPARE(fixtures::ogginfoComplaints(made), QStringList());
        }
        QCOMPARE(framesOf(path("out/sub/a.ogg")), std::size_t(66150));
        QCOMPARE(framesOf(path("out/b.ogg")), std::size_t(44100));

        QFile::remove(path("src/notes.wav"));
        const auto before = fixtures::folderState(path("out"));
        const Run again = cli({"encode", "-r", "--to", path("out"), path("src")});
        QCOMPARE(again.status, 0);
        QVERIFY2(again.out.contains("kept, already there"), qPrintable(again.out));
        QCOMPARE(fixtures::folderState(path("out")), before);
    }

    // --like takes another sound's block and values given change it; an Ogg source keeps its
    // own; --keep-channels keeps two; the JSON record says what was made.
    void theBlockComesFromLikeOrTheSource()
    {
        const QString wav = source("like.wav", 44100, 2);
        const QString stock = fixtures::samplePath("mono_block.ogg");
        const SoundAttributes stockBlock = loadSoundFile(stock, stock).inspection.fileAttrs;
        const Run like = cli({"encode", "--json", "--keep-channels", "--like", stock, "--volume",
                              "0.5", "-o", path("like.ogg"), wav});
        QCOMPARE(like.status, 0);
        const QJsonObject record = QJsonDocument::fromJson(like.out.toUtf8()).object();
        QCOMPARE(record["channelsBefore"].toInt(), 2);
        QCOMPARE(record["channels"].toInt(), 2);
        QCOMPARE(record["written"].toBool(), true);
        SoundAttributes expected = stockBlock;
        expected.baseValue = 0.5f;
        const LoadResult made = loadSoundFile(path("like.ogg"), path("like.ogg"));
        QVERIFY(sameAttributes(made.inspection.fileAttrs, expected));
        QCOMPARE(made.inspection.channels, 2u);

        const Run own = cli({"encode", "-o", path("again.ogg"), path("like.ogg")});
        QCOMPARE(own.status, 0);
        QCOMPARE(loadSoundFile(path("again.ogg"), {}).inspection.firstComment,
                 made.inspection.firstComment);
        QCOMPARE(loadSoundFile(path("again.ogg"), {}).inspection.channels, 1u);

        // A value the game stops on: named on the line, or with --strict nothing is made.
        const Run strict = cli({"encode", "--strict", "--max", "0.05", "-o", path("s.ogg"), wav});
        QCOMPARE(strict.status, 1);
        QVERIFY(!QFile::exists(path("s.ogg")));
    }

    // fix --game-ready encodes again only the sounds the game refuses (and with --mono the
    // stereo ones), keeping each one's block byte for byte, its length and a backup; a sound at
    // 44100 Hz mono stays byte for byte.
    void fixGameReadyKeepsTheBlock()
    {
        QDir(dir_.path()).mkpath("fix");
        const QString odd = fixtures::encodeTone(path("fix"), "odd.ogg", 2, 2.0, {}, 3, 48000);
        QVERIFY(!odd.isEmpty());
        QCOMPARE(
            cli({"set", "--no-backup", "--type", "weapon_shooting", "--max", "77", odd}).status, 0);
        const QByteArray oddBefore = fixtures::readFile(odd);
        const auto block = loadSoundFile(odd, odd).inspection.firstComment;
        const QString fine = fixtures::copySample("mono_block.ogg", path("fix"));
        const QByteArray fineBefore = fixtures::readFile(fine);

        const Run run = cli({"fix", "--game-ready", "-r", path("fix")});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("lossy"), qPrintable(run.err));
        const LoadResult fixed = loadSoundFile(odd, odd);
        QCOMPARE(fixed.inspection.sampleRate, 44100u);
        QCOMPARE(fixed.inspection.channels, 2u);
        QCOMPARE(fixed.inspection.firstComment, block);
        QCOMPARE(framesOf(odd), std::size_t(88200));
        QCOMPARE(fixtures::ogginfoComplaints(odd), QStringList());
        QCOMPARE(fixtures::readFile(odd + ".bak"), oddBefore);
        QCOMPARE(fixtures::readFile(fine), fineBefore);

        QCOMPARE(cli({"fix", "--game-ready", "--mono", "--no-backup", odd}).status, 0);
        QCOMPARE(loadSoundFile(odd, odd).inspection.channels, 1u);
        QCOMPARE(loadSoundFile(odd, odd).inspection.firstComment, block);
    }

    // What cannot be made says why and touches nothing: a source that is its own target, more
    // channels than the game plays when they are to be kept.
    void sourcesThatCannotBeMade()
    {
        const QString ogg = fixtures::copySample("stereo_block.ogg", dir_.path());
        const QByteArray before = fixtures::readFile(ogg);
        const Run self = cli({"encode", "-o", ogg, ogg});
        QCOMPARE(self.status, 1);
        QVERIFY2(self.err.contains("the source is the file to be written"), qPrintable(self.err));
        QCOMPARE(fixtures::readFile(ogg), before);
        const QString three = source("three.wav", 8000, 3);
        const Run kept = cli({"encode", "--keep-channels", "-o", path("three.ogg"), three});
        QCOMPARE(kept.status, 1);
        QVERIFY2(kept.err.contains("the game plays 1 or 2"), qPrintable(kept.err));
        QVERIFY(!QFile::exists(path("three.ogg")));
    }

#ifdef Q_OS_LINUX
    // A flush that fails, a stop asked for in the middle and a disk that fills up: no sound is
    // left half-written, nothing hidden stays behind, the exit status says so.
    void failedWritesLeaveNothingHalfWritten()
    {
        QStringList sources;
        for (int i = 0; i < 12; ++i)
            sources << source(QStringLiteral("many/s%1.wav").arg(i), 48000, 2, 16, 2);
        const QString out = path("faults");
        QDir().mkpath(out);
        const QStringList args{"encode", "--to", out, path("many")};
        QCOMPARE(cliWithFault("fsync-eio", {}, out, args).status, 1);
        QCOMPARE(entries(out), QStringList());
        QCOMPARE(cliWithFault("term-at-close", "3", out, args).status, 130);
        QCOMPARE(entries(out), QStringList());

        ScopedTmpfs disk(out, 40 * 1024);
        if (!disk.mounted())
            QSKIP("a full disk needs a mount, which failed");
        const Run full = cli(args);
        QCOMPARE(full.status, 1);
        QVERIFY2(full.err.contains("No space left"), qPrintable(full.err));
        const QStringList made = entries(out);
        QVERIFY(!made.isEmpty() && made.size() < 12);
        for (const QString &name : made) {
            QVERIFY2(name.endsWith(".ogg") && !name.startsWith('.'), qPrintable(name));
            QCOMPARE(framesOf(QDir(out).filePath(name)), std::size_t(88200));
        }
    }
#endif
};

QTEST_GUILESS_MAIN(TestEncodeCommand)
#include "test_encode_command.moc"
