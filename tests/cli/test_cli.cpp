#include "cli_run.h"
#include "comment_page_builder.h"
#include "message.h"
#include "ogg_judge.h"
#include "sound_fixtures.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include "scoped_tmpfs.h"

#include <unistd.h>
#endif

namespace {

QString lastLine(const QString &text)
{
    return text.trimmed().split('\n').constLast();
}

QList<QByteArray> commentsOf(const QString &path)
{
    const OggVerdict verdict = judgeOgg(fixtures::readFile(path));
    if (!verdict.valid)
        return {};
    const auto comments = vorbisComments(verdict.headerPackets.at(1));
    return QList<QByteArray>(comments.begin(), comments.end());
}

// A sample whose comments are replaced by `comments`.
QString withComments(const QString &folder, const QString &name, const QList<QByteArray> &comments)
{
    const QString path = QDir(folder).filePath(name);
    fixtures::writeFile(path, builder::withCommentPacket(
                                  fixtures::readFile(fixtures::samplePath("no_comments.ogg")),
                                  builder::commentPacket("test", comments)));
    return path;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString folder_;

    QString add(const QString &sample) { return fixtures::copySample(sample, folder_); }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        folder_ = dir_->path();
    }

    void usage()
    {
        Run run = cli({"--help"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("Commands:") && run.out.contains("--dry-run"));
        QCOMPARE(cli({"--version"}).out.trimmed(), QString("kelvane-cli 1.0"));
        for (const QStringList &bad :
             {QStringList{}, QStringList{"frob", "x.ogg"}, QStringList{"show"},
              QStringList{"set", "--volume", "1,5,0", "x.ogg"},
              QStringList{"set", "--type", "loud", "x.ogg"},
              QStringList{"show", "--no-such-option", "x.ogg"}, QStringList{"copy", "from.ogg"}}) {
            run = cli(bad);
            QVERIFY2(run.status == 2, qPrintable(bad.join(' ') + " -> " +
                                                 QString::number(run.status) + run.how + run.err));
            QVERIFY(!run.err.isEmpty());
        }
        QVERIFY(cli({"set", "--volume", "abc", "x.ogg"})
                    .err.contains("Floating point value is not valid."));
    }

    void showPrintsWhatTheWindowShows()
    {
        const QString mono = add("mono_block.ogg");
        add("no_comments.ogg");
        fixtures::writeFile(QDir(folder_).filePath("NOISE.OGG"), "not a sound");
        const Run run = cli({"show", folder_});
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.contains("  Number of channels:  1 \n"));
        const double seconds = double(fixtures::decodedSamples(mono).size() / 2) / 44100;
        QVERIFY2(
            run.out.contains(QString("  Length:              %1 s (0:0").arg(seconds, 0, 'f', 3)),
            qPrintable(run.out));
        QVERIFY(run.out.contains("  Game sound type:     weapon_recharging (0x80040000)\n"));
        QVERIFY(run.out.contains("  Minimum distance:    0.7000000\n"));
        QVERIFY(run.out.contains("  No attribute block.\n"));
        QVERIFY(run.err.contains("NOISE.OGG: Not an Ogg file."));
        QCOMPARE(lastLine(run.out), QString("3 files read, 0 changed, 0 skipped, 1 failed"));
    }

    // show and check read the first pages only, and the whole file when page 2 or the first
    // comment reaches further.
    void aLongFirstCommentIsReadWhole()
    {
        const QString file = fixtures::encodeTone(folder_, "long.ogg", 1, 0.5,
                                                  {fixtures::textCommentOfLength(30000)});
        QVERIFY(!file.isEmpty());
        const Run show = cli({"show", file});
        QCOMPARE(show.status, 0);
        QVERIFY2(show.out.contains("  No attribute block.\n"), qPrintable(show.out + show.err));
        const Run check = cli({"check", file});
        QVERIFY2(check.out.contains("the first comment is not an attribute block"),
                 qPrintable(check.out + check.err));
    }

#ifdef Q_OS_LINUX // a Windows command line cannot carry the 70,000 characters to the encoder
    // A first comment that fills page 2 and goes on: show shows what it read and that no block
    // can be inserted, and that is no failure of show.
    void showOfACommentPacketGoingOnPastPage2()
    {
        const QString file = fixtures::encodeTone(folder_, "full.ogg", 1, 0.5,
                                                  {fixtures::textCommentOfLength(70000)});
        QVERIFY(!file.isEmpty());
        const Run run = cli({"show", file});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("  Number of channels:  1 \n") &&
                     run.out.contains("  No attribute block; Comment block cannot be inserted: "
                                      "the comment header does not fit on page 2.\n"),
                 qPrintable(run.out + run.err));
        // A refused file still shows the details read before the fault.
        fixtures::writeFile(folder_ + "/cut.ogg",
                            fixtures::readFile(add("mono_block.ogg")).left(120));
        const Run cut = cli({"show", folder_ + "/cut.ogg"});
        QCOMPARE(cut.status, 1);
        QVERIFY(cut.out.contains("  Audio sample rate:     44100 Hz\n"));
        QVERIFY(cut.err.contains("cut.ogg: Not a valid Ogg sound file; it ends too early."));
    }
#endif

    // Files read at the same time still print in the order of one at a time.
    void severalJobsPrintInOrder()
    {
        for (int i = 0; i < 40; ++i)
            QVERIFY(
                QFile::copy(fixtures::samplePath(i % 2 ? "mono_block.ogg" : "no_comments.ogg"),
                            QStringLiteral("%1/s%2.ogg").arg(folder_).arg(i, 2, 10, QChar('0'))));
        fixtures::writeFile(folder_ + "/s17.ogg", "broken");
        for (const QStringList &command : {QStringList{"show"}, QStringList{"show", "--json"},
                                           QStringList{"check", "--all-pages"}}) {
            const Run one = cli(command + QStringList{"--jobs", "1", folder_});
            const Run many = cli(command + QStringList{"--jobs", "4", folder_});
            QCOMPARE(many.status, one.status);
            QCOMPARE(many.out, one.out);
            QCOMPARE(many.err, one.err);
        }
    }

    void showJsonGivesRawValues()
    {
        add("bad_checksum.ogg");
        // A first comment longer than its version's block: the game reads the block all the same.
        withComments(folder_, "v1.ogg", {builder::blockBytes({.version = 1}).left(21)});
        QByteArray v2 = builder::blockBytes({.version = 2,
                                             .minDist = 3.0f,
                                             .maxDist = 30.0f,
                                             .volume = 0.5f,
                                             .gameType = 0x80200000u});
        withComments(folder_, "v2.ogg", {v2.left(20)});
        const Run run = cli({"show", "--json", folder_});
        QCOMPARE(run.status, 0);
        QMap<QString, QJsonObject> byName;
        for (const QString &line : run.out.split('\n', Qt::SkipEmptyParts)) {
            QJsonParseError error{};
            const QJsonObject object = QJsonDocument::fromJson(line.toUtf8(), &error).object();
            QCOMPARE(error.error, QJsonParseError::NoError);
            byName.insert(QFileInfo(object["file"].toString()).fileName(), object);
        }
        QCOMPARE(byName.size(), 3);
        const QJsonObject bad = byName["bad_checksum.ogg"];
        QCOMPARE(bad["outcome"].toString(), QString("badChecksum"));
        QCOMPARE(bad["block"].toObject()["gameType"].toInteger(), 0x08000080);
        QCOMPARE(bad["block"].toObject()["maxDist"].toDouble(), 300.0);
        QVERIFY(bad["storedChecksum"].toInteger() != bad["computedChecksum"].toInteger());
        QCOMPARE(bad["sampleRate"].toInteger(), 44100);
        const QJsonObject older = byName["v2.ogg"]["olderBlock"].toObject();
        QCOMPARE(older["version"].toInteger(), 2);
        QCOMPARE(older["baseValue"].toDouble(), 0.5);
        QCOMPARE(older["maxAIDist"].toDouble(), 30.0); // the game takes the maximum
        QVERIFY(byName["v2.ogg"]["block"].isNull());
        QCOMPARE(byName["v1.ogg"]["olderBlock"].toObject()["baseValue"].toDouble(), 1.0);
        QCOMPARE(byName["v1.ogg"]["olderBlock"].toObject()["version"].toInteger(), 1);
    }

    // The record describes the file on disk, not the block inserted in memory; a type code
    // the table does not hold has no name.
    void showJsonDescribesTheFileOnDisk()
    {
        const QString lacing = add("lacing_240.ogg");
        withComments(folder_, "combined.ogg", {builder::blockBytes({.gameType = 0xC0800000u})});
        const Run run = cli({"show", "--json", lacing, folder_ + "/combined.ogg"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QJsonObject inserted = QJsonDocument::fromJson(lines[0].toUtf8()).object();
        QCOMPARE(inserted["fileSize"].toInteger(), QFileInfo(lacing).size());
        const qint64 frames =
            fixtures::decodedSamples(lacing).size() / 2 / inserted["channels"].toInteger();
        QCOMPARE(inserted["durationSeconds"].toDouble(),
                 double(frames) / double(inserted["sampleRate"].toInteger()));
        const QJsonArray details = inserted["details"].toArray();
        QCOMPARE(details.last().toString().left(18), QString("Comment CRC:      "));
        const QJsonObject combined = QJsonDocument::fromJson(lines[1].toUtf8()).object();
        QCOMPARE(combined["block"]["gameTypeName"].toString(), QString("unlisted"));
    }

    // A notice alone fails a check only with --strict, whatever the output; JSON says so too.
    void checkStatusForEachOutputAndStrictness_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::newRow("text") << QStringList{} << 0;
        QTest::newRow("text, strict") << QStringList{"--strict"} << 1;
        QTest::newRow("json") << QStringList{"--json"} << 0;
        QTest::newRow("json, strict") << QStringList{"--json", "--strict"} << 1;
    }
    void checkStatusForEachOutputAndStrictness()
    {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        add("stereo_block.ogg"); // two channels: a notice
        const Run run = cli(QStringList{"check"} + options + QStringList{folder_});
        QCOMPARE(run.status, status);
        if (options.contains("--json")) {
            const QJsonObject record = QJsonDocument::fromJson(run.out.toUtf8()).object();
            QCOMPARE(record["status"].toString(), QString(status ? "failed" : "warnings"));
        } else {
            QCOMPARE(lastLine(run.out),
                     QString("1 file read, 0 changed, 0 skipped, %1 failed").arg(status));
        }
    }

    void checkReportsWhatTheGamesReject()
    {
        add("mono_block.ogg");
        add("stereo_block.ogg");
        withComments(folder_, "tiny.ogg", {builder::blockBytes({.maxDist = 0.05f})});
        withComments(folder_, "old.ogg", {builder::blockBytes({.version = 1}).left(16)});
        // A rate other than 44100 Hz: the stock games' loader stops on it before the block.
        const QString slow = fixtures::encodeTone(folder_, "slow.ogg", 1, 0.3, {}, 3, 22050);
        QVERIFY(!slow.isEmpty());
        QFile::remove(slow + ".wav");
        Run run = cli({"check", folder_});
        // What the game stops on fails the check without --strict; notices do not.
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.contains("mono_block.ogg: ok\n"));
        QVERIFY(run.out.contains("stereo_block.ogg: warning: 2 channels"));
        QVERIFY(run.err.contains("tiny.ogg: stops the game: maximum distance below 0.1"));
        QVERIFY(run.out.contains("old.ogg: warning: older block of version 1"));
        QVERIFY2(run.err.contains("slow.ogg: stops the game: sample rate 22050 Hz: the stock games "
                                  "load only 44100 Hz; warning: no attribute block"),
                 qPrintable(run.err));
        QCOMPARE(lastLine(run.out), QString("5 files read, 0 changed, 0 skipped, 2 failed"));
        QCOMPARE(cli({"show", "--table", folder_}).out.count("stops the game\n"), 2);
        run = cli({"check", "--json", folder_});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out.count("\"status\":\"failed\""), 2);
        QCOMPARE(run.out.count("\"stopsGame\":true"), 2);
        QCOMPARE(run.out.count("\"status\":\"warnings\""), 2);
        run = cli({"set", "--volume", "0.5", slow});
        QVERIFY2(run.out.contains("stops the game: sample rate 22050 Hz"), qPrintable(run.out));
        run = cli({"check", "--strict", folder_});
        QCOMPARE(run.status, 1);
        QCOMPARE(lastLine(run.out), QString("5 files read, 0 changed, 0 skipped, 4 failed"));
        // The game's decoder cannot open a comment header whose count runs past its end; a
        // repaired checksum does not change that, and fix says so.
        const QString counted = QDir(folder_).filePath("counted.ogg");
        QVERIFY(QFile::copy(fixtures::hostilePath("comment_count_ffffffff_block.ogg"), counted));
        run = cli({"fix", counted});
        QVERIFY2(run.out.contains("checksum repaired; stops the game: a length or count in the "
                                  "comment header runs past its end"),
                 qPrintable(run.out));
        run = cli({"check", counted});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("counted.ogg: stops the game: a length or count"));

        // A damaged later page shows only when every page is checked.
        QByteArray bytes = fixtures::readFile(QDir(folder_).filePath("mono_block.ogg"));
        bytes[bytes.size() - 10] = char(bytes.at(bytes.size() - 10) ^ 0x55);
        fixtures::writeFile(QDir(folder_).filePath("mono_block.ogg"), bytes);
        QCOMPARE(cli({"check", QDir(folder_).filePath("mono_block.ogg")}).status, 0);
        run = cli({"check", "--all-pages", QDir(folder_).filePath("mono_block.ogg")});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("FAIL page at"));
    }

    // show --range says how far a sound carries; check names what its range makes plain, as a
    // notice: NPCs hearing farther than the player.
    void showsTheRangeAndChecksItsNotices()
    {
        const QString reload = add("mono_block.ogg"); // 0.7 / 20, AI 8
        Run run = cli({"show", "--range", reload});
        QVERIFY2(run.out.contains("  Falls to -20 dB at: 9.1 m\n"
                                  "  Falls to -40 dB at: never; cut off at 20.0 m\n"
                                  "  At the maximum distance (20.0 m): -26.7 dB\n"
                                  "  NPCs hear it to: 8.0 m\n"),
                 qPrintable(run.out));
        const QJsonObject range =
            QJsonDocument::fromJson(cli({"show", "--range", "--json", reload}).out.toUtf8())
                .object()["range"]
                .toObject();
        QVERIFY(std::abs(range["minus20dB"].toDouble() - 9.1) < 1e-4);
        QVERIFY(range["minus40dB"].isNull());
        QCOMPARE(cli({"show", "--range", "--table", reload}).status, 2);

        QCOMPARE(cli({"set", "--ai", "30", reload}).status, 0);
        run = cli({"check", reload});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("warning: AI distance 30 is beyond the maximum distance 20: NPCs "
                                  "hear what the player cannot"),
                 qPrintable(run.out));
        QCOMPARE(cli({"check", "--strict", reload}).status, 1);
        QVERIFY(cli({"check", "--json", reload}).out.contains("\"aiBeyondMax\""));

        // Numbers a file may hold are never shown as another value, and the range of distances
        // that are none is not told.
        const auto block = [&](const char *name, const builder::Block &values) {
            return withComments(folder_, name, {builder::blockBytes(values)});
        };
        run = cli({"show", "--range", block("deaf.ogg", {.aiDist = 0.05f})});
        QVERIFY2(run.out.contains("  NPCs hear it to: 0.05 m\n"), qPrintable(run.out));
        run = cli({"show", block("almost.ogg", {.maxDist = 0.099999994f})});
        QVERIFY2(run.out.contains("Maximum distance:    0.099999994\n"), qPrintable(run.out));
        run = cli({"show", "--range", block("below.ogg", {.minDist = -INFINITY})});
        QVERIFY2(run.out.contains("Minimum distance:    -INF\n"), qPrintable(run.out));
        QVERIFY2(run.out.contains("  Range: none: minimum distance -inf"), qPrintable(run.out));
        run = cli({"check", "--json", block("unknown.ogg", {.minDist = NAN})});
        QVERIFY2(run.out.contains("\"rangeUnknown\""), qPrintable(run.out));
        run = cli({"check", block("inverted.ogg", {.minDist = 30, .maxDist = 20, .aiDist = 8})});
        QVERIFY2(run.out.contains("warning: 0.0 dB at the maximum distance"), qPrintable(run.out));
        const QStringList table =
            cli({"show", "--table", reload, block("tiny.ogg", {.maxDist = 1.4e-45f})})
                .out.split('\n');
        QCOMPARE(table.at(2).indexOf("stops the game"), table.at(0).indexOf("STATE"));
    }

    // Scripts rely on the warning keys README lists: each warning has one of them.
    void warningKeysAreTheDocumentedOnes()
    {
        const QString readme =
            QString::fromUtf8(fixtures::readFile(KELVANE_SOURCE_DIR "/README.md"));
        const qsizetype at = readme.indexOf("Warning keys: ");
        QVERIFY(at >= 0);
        QStringList documented;
        const QString list = readme.mid(at, readme.indexOf("`.", at) + 1 - at);
        for (const auto &match : QRegularExpression("`(\\w+)`").globalMatch(list))
            documented << match.captured(1);
        QStringList keys;
        for (auto k = std::size_t(kelvane::MessageKind::WarnMaxDistance);
             k <= std::size_t(kelvane::MessageKind::WarnRangeUnknown); ++k)
            keys << QString::fromUtf8(
                kelvane::messageKey(kelvane::MessageKind(k)).data(),
                qsizetype(kelvane::messageKey(kelvane::MessageKind(k)).size()));
        documented.sort();
        keys.sort();
        QCOMPARE(keys, documented);
    }

    // set changes only the named fields, with the window's rules and backups, and the written
    // files are valid and sound as before.
    void setChangesTheNamedFields()
    {
        const QString mono = add("mono_block.ogg");
        const QString plain = add("no_comments.ogg");
        const QByteArray monoBefore = fixtures::readFile(mono);
        const QDateTime stamp = QFileInfo(mono).lastModified();

        // A decimal comma is read as a point, whatever the system's locale.
        Run run = cli({"set", "--volume", "0,5", "--ai", "12", "--dry-run", folder_});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("mono_block.ogg: would change: volume 1.0000000 -> 0.5000000, "
                                 "ai 8.0000000 -> 12.0000000"));
        QCOMPARE(fixtures::readFile(mono), monoBefore);
        QCOMPARE(QFileInfo(mono).lastModified(), stamp);
        QCOMPARE(QDir(folder_).entryList(QDir::Files).size(), 2);

        run = cli({"set", "--volume", "0.5", "--ai", "12", "--type", "0x80200000", folder_});
        QCOMPARE(run.status, 0);
        QCOMPARE(lastLine(run.out), QString("2 files read, 2 changed, 0 skipped, 0 failed"));
        QCOMPARE(fixtures::readFile(mono + ".bak"), monoBefore);
        const QList<QByteArray> comments = commentsOf(mono);
        QCOMPARE(comments.size(), 1);
        QCOMPARE(comments.first(), builder::blockBytes({.minDist = 0.7f,
                                                        .maxDist = 20.0f,
                                                        .volume = 0.5f,
                                                        .gameType = 0x80200000u,
                                                        .aiDist = 12.0f}));
        QCOMPARE(commentsOf(plain).first(),
                 builder::blockBytes({.volume = 0.5f, .gameType = 0x80200000u, .aiDist = 12.0f}));
        QCOMPARE(fixtures::decodedSamples(mono), fixtures::decodedSamples(mono + ".bak"));
        QCOMPARE(fixtures::ogginfoComplaints(plain), QStringList());

        // The backup is made once; the same values again change nothing.
        run = cli({"set", "--min", "1", mono});
        QCOMPARE(fixtures::readFile(mono + ".bak"), monoBefore);
        run = cli({"set", "--min", "1", mono});
        QVERIFY(run.out.contains("unchanged"));
        const QString fresh = add("stereo_block.ogg");
        QCOMPARE(cli({"set", "--no-backup", "--min", "2", fresh}).status, 0);
        QVERIFY(!QFile::exists(fresh + ".bak"));
    }

    // A value out of range is bad usage, found before any file is touched; a maximum below a
    // file's own minimum fails that file. The messages name the field and the values.
    void setRefusesWhatTheWindowRefuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("volume") << QStringList{"--volume", "2.000001"} << 2
                                << "kelvane-cli: volume 2.000001 is out of range 0.0 to 2.0";
        QTest::newRow("minimum") << QStringList{"--min", "-1"} << 2
                                 << "kelvane-cli: minimum distance -1 is below 0";
        QTest::newRow("maximum below minimum")
            << QStringList{"--min", "120", "--max", "50"} << 2
            << "kelvane-cli: maximum distance 50 is below minimum distance 120";
        QTest::newRow("maximum below 0")
            << QStringList{"--max", "-5"} << 2 << "kelvane-cli: maximum distance -5 is below 0";
        QTest::newRow("AI") << QStringList{"--ai", "-0.5"} << 2
                            << "kelvane-cli: maximum AI distance -0.5 is below 0";
        QTest::newRow("maximum below the file's minimum")
            << QStringList{"--max", "0.5"} << 1
            << "%1: maximum distance 0.5 is below minimum distance 0.7";
    }
    void setRefusesWhatTheWindowRefuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, text);
        const QString mono = add("mono_block.ogg");
        const QByteArray before = fixtures::readFile(mono);
        const Run run = cli(QStringList{"set"} << args << mono);
        QCOMPARE(run.status, status);
        QCOMPARE(run.err.split('\n').first(),
                 status == 1 ? text.arg(QDir::toNativeSeparators(mono)) : text);
        QCOMPARE(fixtures::readFile(mono), before);
    }

    // A value the game stops on is written with a warning naming the file, or with --strict
    // not at all.
    void gameBreakingValuesAreWarnedOf()
    {
        const QString mono = add("mono_block.ogg");
        const QByteArray before = fixtures::readFile(mono);
        Run run = cli({"set", "--min", "0", "--max", "0.05", "--strict", mono});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(QDir::toNativeSeparators(mono) +
                                 ": not written, --strict: maximum distance below 0.1"));
        QCOMPARE(fixtures::readFile(mono), before);
        run = cli({"set", "--min", "0", "--max", "0.05", "--ai", "0", mono});
        QCOMPARE(run.status, 0);
        // On the file's own line, each value the game stops on.
        QVERIFY2(run.out.contains("ai 8.0000000 -> 0.0000000; stops the game: maximum distance "
                                  "below 0.1: the game stops with \"Invalid max distance\"; "
                                  "maximum AI distance below 0.1"),
                 qPrintable(run.out));
        QVERIFY(fixtures::readFile(mono) != before);
    }

#ifdef Q_OS_LINUX
    // A file named twice in one batch (through a symbolic link) is written once; a file with
    // two names (hard links) both written is not said to keep the old sound under the other.
    void namesOfOneFileInOneBatch()
    {
        const QString a = add("mono_block.ogg");
        const QString b = add("stereo_block.ogg");
        QVERIFY(QFile::link(a, QDir(folder_).filePath("sym.ogg")));
        QCOMPARE(::link(qPrintable(b), qPrintable(QDir(folder_).filePath("c.ogg"))), 0);
        const Run run = cli({"set", "--volume", "0.5", folder_});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains("sym.ogg: the same file as " + a + ", handled once"),
                 qPrintable(run.out));
        QVERIFY2(!run.out.contains("hard link"), qPrintable(run.out));
        for (const char *name : {"mono_block.ogg", "stereo_block.ogg", "c.ogg", "sym.ogg"}) {
            const QByteArray block = commentsOf(QDir(folder_).filePath(name)).first();
            float volume = 0;
            std::memcpy(&volume, block.constData() + 12, sizeof volume);
            QCOMPARE(volume, 0.5f);
        }
        QVERIFY(QFileInfo(QDir(folder_).filePath("sym.ogg")).isSymLink());

        // Links from several folders to one sound: one write, the others handled once.
        for (const char *sub : {"x", "y", "z"}) {
            QVERIFY(QDir(folder_).mkpath(sub));
            QVERIFY(
                QFile::link("../mono_block.ogg", QDir(folder_).filePath(sub + QString("/l.ogg"))));
        }
        const Run links = cli({"set", "-r", "--volume", "0.25", folder_});
        QVERIFY2(links.status == 0, qPrintable(links.err));
        QCOMPARE(links.out.count("handled once"), 3 + 1);
    }

    // A failure is never reported as success: a folder whose entries cannot be read is not an
    // empty one, and output that cannot be written fails the run.
    void failuresAreNeverSuccess()
    {
        const QString sound = add("mono_block.ogg");
        QVERIFY(QDir(folder_).mkpath("deep"));
        Run run = cliWithFault("readdir-eio", {}, QDir(folder_).filePath("deep"),
                               {"check", "-r", folder_});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("deep: the folder cannot be read"), qPrintable(run.err));
        // A folder named that cannot be looked at is not a sound without a backup.
        for (const char *command : {"restore", "clean"}) {
            run = cliWithFault("stat-eio", folder_, folder_, {command, "-r", folder_});
            QVERIFY2(run.status == 1, qPrintable(command + (": " + run.out)));
        }

        QProcess full;
        full.setStandardOutputFile("/dev/full");
        full.start(KELVANE_CLI, {"set", "--volume", "0.5", sound});
        QVERIFY(full.waitForFinished());
        QCOMPARE(full.exitCode(), 1);
        QVERIFY(full.readAllStandardError().contains("kelvane-cli: write error: No space left"));
    }
#endif

    // One verdict for every page rule the game's decoder holds the first two pages to, at any
    // size, in text and JSON alike; the decoder of the encoder's own tools agrees.
    void checkHoldsTheDecodersPageRules()
    {
        const QByteArray sound = fixtures::readFile(fixtures::samplePath("mono_block.ogg"));
        const auto fixed = [](QByteArray bytes, qsizetype at) {
            const int n = quint8(bytes[at + 26]);
            qsizetype length = 27 + n;
            for (int i = 0; i < n; ++i)
                length += quint8(bytes[at + 27 + i]);
            std::memset(bytes.data() + at + 22, 0, 4);
            const std::uint32_t crc = liboggPageChecksum(bytes.mid(at, length));
            for (int i = 0; i < 4; ++i)
                bytes[at + 22 + i] = char(crc >> (8 * i));
            return bytes;
        };
        const auto variant = [&](const char *name, qsizetype at, char flip) {
            QByteArray bytes = sound;
            bytes[at] = char(bytes[at] ^ flip);
            fixtures::writeFile(QDir(folder_).filePath(name), fixed(fixed(bytes, 0), 58));
        };
        variant("no_start.ogg", 5, 2);           // page 1 without beginning-of-stream
        variant("other_stream.ogg", 58 + 14, 1); // page 2's serial number
        variant("out_of_order.ogg", 58 + 18, 4); // page 2's sequence number
        variant("continued.ogg", 58 + 5, 1);     // page 2 continuing a packet
        QByteArray large = sound;
        large[58 + 22] = char(large[58 + 22] ^ 1);
        fixtures::writeFile(QDir(folder_).filePath("large.ogg"),
                            large + QByteArray(11 << 20, '\0'));
        for (const char *name : {"no_start.ogg", "other_stream.ogg", "out_of_order.ogg",
                                 "continued.ogg", "large.ogg"}) {
            const QString path = QDir(folder_).filePath(name);
            const Run text = cli({"check", path});
            const Run json = cli({"check", "--json", path});
            QVERIFY2(text.status == 1 && json.status == 1, name);
            const QJsonObject record = QJsonDocument::fromJson(json.out.toUtf8()).object();
            QCOMPARE(record["status"].toString(), QString("failed"));
            QVERIFY2(cli({"show", "--table", path}).out.contains("stops the game"), name);
#ifndef Q_OS_WIN
            if (QByteArray(name) != "large.ogg") {
                QProcess oggdec;
                oggdec.start("oggdec", {"-Q", "-o", "/dev/null", path});
                QVERIFY(oggdec.waitForFinished());
                QVERIFY2(oggdec.exitCode() != 0, name);
            }
#endif
        }
    }

    // Bad usage exits with 2 and one message before any file is touched.
    void badUsageTouchesNothing()
    {
        add("mono_block.ogg");
        add("no_comments.ogg");
        const auto before = fixtures::folderState(folder_);
        const QString plain = folder_ + "/no_comments.ogg";
        for (const QStringList &bad : {QStringList{"set", "--volume", "3"},
                                       {"set", "--min", "abc"},
                                       {"set"},
                                       {"show", "--volume", "1.5"},
                                       {"check", "--table"},
                                       {"set", "--type", "shootin"},
                                       {"show", "--jobs", "0"},
                                       {"fix", "--json"},
                                       {"set", "--volume", "1", "--name", ""},
                                       {"copy", plain}}) {
            const Run run = cli(bad + QStringList{folder_});
            QVERIFY2(run.status == 2, qPrintable(bad.join(' ') + " -> " +
                                                 QString::number(run.status) + run.how + run.err));
            QVERIFY2(run.err.startsWith("kelvane-cli: ") && run.err.count('\n') == 2,
                     qPrintable(run.err));
            QVERIFY(run.out.isEmpty());
        }
        QCOMPARE(fixtures::folderState(folder_), before);
        QVERIFY(cli({"set", "--type", "shootin", plain}).err.contains("did you mean "));
        // A word after one dash is one option, named as it was typed.
        QVERIFY2(
            cli({"show", "-r.ogg", plain}).err.startsWith("kelvane-cli: Unknown option 'r.ogg'"),
            qPrintable(cli({"show", "-r.ogg", plain}).err));
    }

    // A batch writes exactly what saving the files one at a time writes, over a folder of
    // good files and the hostile catalogue; and every JSON record has the same keys.
    void batchesWriteWhatSingleSavesWrite()
    {
        QTemporaryDir other;
        QStringList names;
        for (const QString &folder : {folder_, other.path()}) {
            for (const QString &name : QDir(fixtures::hostilePath("")).entryList({"*.ogg"})) {
                QVERIFY(QFile::copy(fixtures::hostilePath(name), folder + "/h_" + name));
                QFile::setPermissions(folder + "/h_" + name, QFile::ReadOwner | QFile::WriteOwner);
            }
            for (const QString &name : QDir(fixtures::samplePath("")).entryList({"*.ogg"}))
                fixtures::copySample(name, folder);
        }
        names = QDir(folder_).entryList({"*.ogg"});
        const QStringList edit{"set", "--volume", "0.5", "--ai", "9"};
        QCOMPARE(cli(edit + QStringList{folder_}).status, 1);
        for (const QString &name : names)
            cli(edit + QStringList{other.path() + "/" + name});
        QCOMPARE(fixtures::folderState(folder_), fixtures::folderState(other.path()));

#ifdef Q_OS_WIN
        const QStringList device; // no path names a device as a file there
#else
        const QStringList device{"/dev/null"}; // cannot be read as a sound at all
#endif
        for (const QStringList &command : {QStringList{"show", "--json"}, {"check", "--json"}}) {
            const Run run = cli(command + QStringList{folder_} + device);
            const QStringList records = run.out.split('\n', Qt::SkipEmptyParts);
            QCOMPARE(records.size(), names.size() + device.size());
            const QStringList keys = QJsonDocument::fromJson(records[0].toUtf8()).object().keys();
            for (const QString &record : records) {
                const QJsonObject object = QJsonDocument::fromJson(record.toUtf8()).object();
                QCOMPARE(object.keys(), keys);
                for (const char *key : {"message", "file"})
                    QVERIFY(!object[key].toString().startsWith(' '));
            }
        }
    }

    // Each command has its own help, the same from "help set" and "set --help".
    void helpForEachCommand()
    {
        const Run help = cli({"help", "set"});
        QCOMPARE(help.status, 0);
        QCOMPARE(cli({"set", "--help"}).out, help.out);
        QVERIFY(help.out.startsWith("Usage: kelvane-cli set [options] PATH...\n"));
        QVERIFY(help.out.contains("--volume X") &&
                help.out.contains("Example:\n  kelvane-cli set"));
        QVERIFY(!help.out.contains("--all-pages") && !help.out.contains("Qt"));
        QVERIFY(help.out.contains("Exit status: 0 all well, 1 some file failed"));
        const Run types = cli({"types"});
        QCOMPARE(types.out.count('\n'), 21);
        QVERIFY(types.out.contains(QRegularExpression("^weapon_shooting +0x80200000$",
                                                      QRegularExpression::MultilineOption)));
        QCOMPARE(cli({"types", "--json"}).out.split('\n', Qt::SkipEmptyParts).size(), 21);
    }

    // Names no single-byte code page holds, and a path longer than Windows' old limit of 260
    // characters: set writes each with its backup, restore brings each back.
    void namesOfEveryScriptAndLongPaths()
    {
        QString deep =
            QDir(folder_).filePath(QStringLiteral("\u0437\u0432\u0443\u043a\u0438 \u97f3"));
        for (int i = 0; i < 4; ++i)
            deep += "/" + QString(80, QChar('a' + i));
        QVERIFY(QDir().mkpath(deep));
        const QString sound =
            deep + QStringLiteral("/\u0432\u044b\u0441\u0442\u0440\u0435\u043b \u5c04\u51fb.ogg");
        QVERIFY(sound.size() > 300);
        QVERIFY(QFile::copy(fixtures::samplePath("mono_block.ogg"), sound));
        const Run set = cli({"set", "--volume", "0.5", "-r", folder_});
        QVERIFY2(set.status == 0, qPrintable(set.err));
        QVERIFY2(set.out.contains("1 file read, 1 changed"), qPrintable(set.out));
        // With the system's own separators, whatever the command line was given.
        QVERIFY2(set.out.startsWith(QDir::toNativeSeparators(sound) + ": changed"),
                 qPrintable(set.out));
        QCOMPARE(fixtures::readFile(sound + ".bak"),
                 fixtures::readFile(fixtures::samplePath("mono_block.ogg")));
        QVERIFY(fixtures::readFile(sound) != fixtures::readFile(sound + ".bak"));
        QCOMPARE(cli({"restore", sound}).status, 0);
        QCOMPARE(fixtures::readFile(sound),
                 fixtures::readFile(fixtures::samplePath("mono_block.ogg")));
    }

    // A file that fails never stops the batch; a file over 10 MiB is never written.
    void mixedFolder()
    {
        add("mono_block.ogg");
        add("stereo_block.ogg");
        QVERIFY(QFile::copy(KELVANE_SOURCE_DIR "/tests/data/hostile/cut_in_vendor.ogg",
                            QDir(folder_).filePath("broken.ogg")));
        QByteArray big = fixtures::readFile(fixtures::samplePath("mono_block.ogg"));
        big.resize(10'485'761);
        fixtures::writeFile(QDir(folder_).filePath("big.ogg"), big);
        QVERIFY(QDir(folder_).mkpath("deeper"));
        fixtures::copySample("text_comment.ogg", QDir(folder_).filePath("deeper"));

        const Run run = cli({"set", "--volume", "1.5", "-r", folder_});
        QCOMPARE(run.status, 1);
        QCOMPARE(lastLine(run.out), QString("5 files read, 3 changed, 0 skipped, 2 failed"));
        QVERIFY(run.err.contains("broken.ogg: Not a valid Ogg sound file; it ends too early."));
        QVERIFY(run.err.contains("big.ogg: larger than 10 MiB: shown, never written"));
        QCOMPARE(fixtures::readFile(QDir(folder_).filePath("big.ogg")), big);
        QCOMPARE(commentsOf(QDir(folder_).filePath("deeper/text_comment.ogg")).size(), 2);
    }

    void copyWritesOneBlockIntoTheOthers()
    {
        const QString from = add("stereo_block.ogg");
        const QString mono = add("mono_block.ogg");
        const QString plain = add("text_comment.ogg");
        const QByteArray source = fixtures::readFile(from);
        const Run run = cli({"copy", from, folder_});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("stereo_block.ogg: the source, unchanged"));
        QCOMPARE(fixtures::readFile(from), source);
        const QByteArray block = commentsOf(from).first();
        QCOMPARE(commentsOf(mono).first(), block);
        QCOMPARE(commentsOf(plain), QList<QByteArray>({block, "TITLE=Kelvane test tone"}));
        QCOMPARE(cli({"copy", plain + ".bak", mono}).status, 2); // no block to copy
    }

    void fixRepairsAndInserts()
    {
        const QString bad = add("bad_checksum.ogg");
        const QString plain = add("no_comments.ogg");
        const QString good = add("mono_block.ogg");
        const QByteArray goodBefore = fixtures::readFile(good);
        const QByteArray badBefore = fixtures::readFile(bad);
        QByteArray v2 = builder::blockBytes({.version = 2,
                                             .minDist = 3.0f,
                                             .maxDist = 30.0f,
                                             .volume = 0.5f,
                                             .gameType = 0x80200000u});
        const QString old = withComments(folder_, "old.ogg", {v2.left(20)});

        Run run = cli({"fix", folder_});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("bad_checksum.ogg: changed: checksum repaired"));
        QVERIFY(run.out.contains("no_comments.ogg: changed: block inserted"));
        QVERIFY(run.out.contains("mono_block.ogg: ok"));
        QVERIFY(run.out.contains("old.ogg: older block of version 2, left as it is"));
        QVERIFY(judgeOgg(fixtures::readFile(bad)).valid);
        // Only page 2's checksum (bytes 22 to 25 of the page that starts at 58) changed: every
        // value of the block is kept bit for bit.
        QByteArray badAfter = fixtures::readFile(bad);
        QCOMPARE(badAfter.size(), badBefore.size());
        QVERIFY(badAfter.mid(58 + 22, 4) != badBefore.mid(58 + 22, 4));
        badAfter.replace(58 + 22, 4, badBefore.mid(58 + 22, 4));
        QCOMPARE(badAfter, badBefore);
        QCOMPARE(commentsOf(plain), QList<QByteArray>{builder::blockBytes({})});
        QCOMPARE(fixtures::readFile(good), goodBefore);
        QCOMPARE(commentsOf(old).size(), 1);

        // --upgrade replaces the older block by a version 3 block with the values the game
        // reads from it (AI distance = maximum).
        const QByteArray audio = fixtures::decodedSamples(old);
        run = cli({"fix", "--upgrade", old});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("older block of version 2 upgraded"));
        const builder::Block upgraded{.minDist = 3.0f,
                                      .maxDist = 30.0f,
                                      .volume = 0.5f,
                                      .gameType = 0x80200000u,
                                      .aiDist = 30.0f};
        QCOMPARE(commentsOf(old), QList<QByteArray>{builder::blockBytes(upgraded)});
        QCOMPARE(fixtures::decodedSamples(old), audio);

        // set on an older block keeps the values it does not name.
        const QByteArray v1 =
            builder::blockBytes({.version = 1, .minDist = 1.5f, .maxDist = 25.0f, .volume = 0.0f})
                .left(12) +
            QByteArray("\x00\x00\x04\x80", 4);
        const QString older = withComments(folder_, "v1.ogg", {v1});
        QCOMPARE(cli({"set", "--volume", "0.75", older}).status, 0);
        const builder::Block expected{.minDist = 1.5f,
                                      .maxDist = 25.0f,
                                      .volume = 0.75f,
                                      .gameType = 0x80040000u,
                                      .aiDist = 25.0f};
        QCOMPARE(commentsOf(older), QList<QByteArray>{builder::blockBytes(expected)});
    }

    // The game reads an older block from a first comment longer than the block, as long as the
    // version says, and so does Kelvane: its values show, and --upgrade keeps what the game
    // reads, or leaves a comment longer than a version 3 block as it is. A comment too short
    // for its version is a warning: the game reads past its end.
    void olderBlocksAreReadAsTheGameReadsThem()
    {
        const QByteArray v2 = builder::blockBytes(
            {.version = 2, .minDist = 3.0f, .maxDist = 30.0f, .volume = 0.5f, .gameType = 7u});
        const QString longer = withComments(folder_, "longer.ogg", {v2}); // 24 bytes, not 20
        const QJsonObject shown =
            QJsonDocument::fromJson(cli({"show", "--json", longer}).out.toUtf8()).object();
        QCOMPARE(shown["olderBlock"].toObject()["baseValue"].toDouble(), 0.5);
        QCOMPARE(cli({"show", "--table", longer}).out.count("older block, version 2"), 1);
        QCOMPARE(cli({"fix", "--upgrade", longer}).status, 0);
        QCOMPARE(commentsOf(longer), QList<QByteArray>{builder::blockBytes({.minDist = 3.0f,
                                                                            .maxDist = 30.0f,
                                                                            .volume = 0.5f,
                                                                            .gameType = 7u,
                                                                            .aiDist = 30.0f})});
        const QString longest = withComments(folder_, "longest.ogg", {v2 + "tail"});
        const QByteArray before = fixtures::readFile(longest);
        const Run refused = cli({"fix", "--upgrade", longest});
        QCOMPARE(refused.status, 1);
        QVERIFY(refused.err.contains("longer than a version 3 block"));
        QCOMPARE(fixtures::readFile(longest), before);

        // Without --upgrade it is left as it is, as a shorter one is.
        const Run left = cli({"fix", longest});
        QCOMPARE(left.status, 0);
        QVERIFY(left.out.contains("older block of version 2, left as it is"));
        QCOMPARE(fixtures::readFile(longest), before);

        const QString cut = withComments(folder_, "cut.ogg", {v2.left(12)});
        const Run checked = cli({"check", cut});
        QCOMPARE(checked.status, 1);
        QVERIFY2(checked.err.contains("the first comment starts with version 2 but holds only 12 "
                                      "bytes: the game reads past its end"),
                 qPrintable(checked.err));
    }

    // A version 3 block at the start of a longer first comment is what the game reads: set
    // writes its 24 bytes and keeps the rest; fix --upgrade leaves it as it is.
    void aLongerFirstCommentIsTheBlock()
    {
        const QByteArray tail("TITLE=kept as it is");
        const QByteArray v3 = builder::blockBytes({.minDist = 0.7f, .maxDist = 20.0f});
        const QString sound = withComments(folder_, "long.ogg", {v3 + tail});
        const QByteArray before = fixtures::readFile(sound);
        const QString original = QDir(folder_).filePath("original.oga");
        fixtures::writeFile(original, before);
        QCOMPARE(cli({"fix", "--upgrade", sound}).status, 0);
        QCOMPARE(fixtures::readFile(sound), before);
        QCOMPARE(cli({"set", "--max", "50", sound}).status, 0);
        QCOMPARE(
            commentsOf(sound),
            QList<QByteArray>{builder::blockBytes({.minDist = 0.7f, .maxDist = 50.0f}) + tail});
        QCOMPARE(fixtures::readFile(sound).size(), before.size());
        QVERIFY(fixtures::decodedSamples(sound) == fixtures::decodedSamples(original));
    }

#ifdef Q_OS_LINUX
    // Any error while the new file is flushed or closed fails that file and leaves it as it
    // was, and so does another program writing it while it is saved.
    void faultsWhileSavingFailTheFileAndKeepIt_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("flush fails") << "fsync-eio"
                                     << "Problem creating/writing updated file %1 (Input/output "
                                        "error)";
        QTest::newRow("close fails") << "close-eio"
                                     << "Problem creating/writing updated file %1 (Input/output "
                                        "error)";
        QTest::newRow("written meanwhile") << "touch-at-fsync"
                                           << "%1 changed on disk after it was loaded; nothing "
                                              "was written.";
    }
    void faultsWhileSavingFailTheFileAndKeepIt()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        const QString folder = QDir(folder_).canonicalPath();
        const QString first = add("mono_block.ogg");
        const QString second = add("stereo_block.ogg");
        auto before = fixtures::folderState(folder);
        const Run run = cliWithFault(fault, first, folder, {"set", "--volume", "0.5", folder});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(message.arg(QDir(folder).filePath("mono_block.ogg"))),
                 qPrintable(run.err));
        QVERIFY(!run.err.contains("Ctrl-click")); // the window's hint, not the command line's
        if (fault == "touch-at-fsync") {
            // The other program's byte is still there; the other sound was saved.
            QCOMPARE(fixtures::readFile(first),
                     fixtures::readFile(fixtures::samplePath("mono_block.ogg")) + "x");
            before.remove("mono_block.ogg");
            QCOMPARE(fixtures::readFile(second + ".bak"),
                     fixtures::readFile(fixtures::samplePath("stereo_block.ogg")));
            QCOMPARE(fixtures::folderState(folder).keys(),
                     QStringList({"mono_block.ogg", "stereo_block.ogg", "stereo_block.ogg.bak"}));
            return;
        }
        QCOMPARE(fixtures::folderState(folder), before);
    }

    // Every page is read with ordinary reads: a file that shrinks meanwhile is reported.
    void checkAllPagesReportsAFileShrinkingWhileRead()
    {
        const QString folder = QDir(folder_).canonicalPath();
        const QString file = add("stereo_block.ogg");
        // The first read loads the file; the second, the first of the page walk, halves it.
        const Run run =
            cliWithFault("truncate-at-read", "2", folder, {"check", "--all-pages", file});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("the file ends inside a page") &&
                     run.err.contains("the file changed while its pages were read"),
                 qPrintable(run.err));
    }

    // show and check only read, so a file on a read-only disk is shown and checked.
    void showAndCheckOnlyRead()
    {
        const QString where = QDir(folder_).filePath("disk");
        ScopedTmpfs disk(where, 256 * 1024);
        const QString file =
            fixtures::copySample("mono_block.ogg", disk.mounted() ? where : folder_);
        if (disk.mounted())
            QVERIFY(disk.makeReadOnly());
        else if (geteuid() != 0)
            QFile::setPermissions(file, QFile::ReadOwner);
        else
            QSKIP("a read-only disk needs a mount, which failed");
        QCOMPARE(cli({"show", file}).status, 0);
        QCOMPARE(cli({"check", file}).status, 0);
        // A dry run only reads; a write says it could not write, not that it could not read.
        const Run dry = cli({"set", "--dry-run", "--volume", "0.5", file});
        QCOMPARE(dry.status, 0);
        QVERIFY2(dry.out.contains("would change: volume 1"), qPrintable(dry.out));
        const Run set = cli({"set", "--volume", "0.5", file});
        QCOMPARE(set.status, 1);
        QVERIFY2(set.err.contains("Problem creating/writing updated file " + file + " ("),
                 qPrintable(set.err));
    }

    // A name that is not valid UTF-8 cannot be opened through text: each is reported.
    void namesThatAreNotTextAreReported()
    {
        add("mono_block.ogg");
        const QByteArray odd = QFile::encodeName(folder_) + "/caf\xe9.ogg";
        QVERIFY(QFile::copy(fixtures::samplePath("stereo_block.ogg"), folder_ + "/plain.ogg"));
        QCOMPARE(::rename(qPrintable(folder_ + "/plain.ogg"), odd.constData()), 0);
        const Run run = cli({"show", folder_});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("caf\\xe9.ogg: the name is not valid UTF-8"),
                 qPrintable(run.err));
        QCOMPARE(lastLine(run.out), QString("1 file read, 0 changed, 0 skipped, 1 failed"));
        QCOMPARE(::unlink(odd.constData()), 0); // QTemporaryDir cannot remove it
    }
#endif
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
