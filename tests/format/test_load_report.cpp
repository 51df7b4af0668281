#include "comment_page_builder.h"
#include "hex_text.h"
#include "load_report.h"
#include "message_text.h"
#include "ogg_judge.h"
#include "save_image.h"
#include "sound_fixtures.h"

#include <string>
#include <vector>

#include <QTest>

using namespace kelvane;

namespace {

std::string s(std::string_view text)
{
    return std::string(text);
}

QByteArray sample(const QString &name)
{
    return fixtures::readFile(fixtures::samplePath(name));
}

Inspection inspect(const QByteArray &bytes)
{
    auto image = fixtures::imageOf(bytes);
    return inspectImage(*image);
}

// An image holding only the first `count` bytes of a file of `sizeOnDisk` bytes, as the
// reader leaves a file over 10 MiB.
std::unique_ptr<FileImage> headerImage(const QByteArray &bytes, std::int64_t sizeOnDisk)
{
    auto image = std::make_unique<FileImage>(static_cast<std::size_t>(bytes.size()), sizeOnDisk);
    std::copy(bytes.begin(), bytes.end(), image->readArea().begin());
    image->setBytesRead(static_cast<std::size_t>(bytes.size()));
    return image;
}

const QByteArray vendor("Xiph.Org libVorbis I 20200704 (Reducing Environment)");

} // namespace

class TestLoadReport : public QObject
{
    Q_OBJECT

private slots:
    void correctFileWithBlock()
    {
        const QByteArray bytes = sample("mono_block.ogg");
        auto image = fixtures::imageOf(bytes);
        const Inspection found = inspectImage(*image);
        const std::vector<std::string> expected{
            "Number of channels:  1 ",
            "Audio sample rate:     44100 Hz",
            "Nominal bitrate:           48000",
            "Min/max bitrate:           0 / 0",
            "Vendor:",
            "  " + vendor.toStdString(),
            "File size:                        " + std::to_string(bytes.size()) + " bytes",
            "Comment CRC:           CBA2E57A (File)",
            "Comment CRC:           CBA2E57A (Calculated)",
        };
        QCOMPARE(texts(found.infoLines), expected);
        QCOMPARE(found.outcome, LoadOutcome::Clean);
        QCOMPARE(text(found.attrStatus), std::string());
        QCOMPARE(text(found.statusLine), " Read " + std::to_string(bytes.size()) + " bytes. ");
        QVERIFY(found.selectFirstLine);
        QVERIFY(!found.armed);
        QVERIFY(image->writable());
        QVERIFY(found.shownAttrs.has_value());
        QCOMPARE(found.shownAttrs->gameType, 0x80040000u);
        QCOMPARE(found.shownAttrs->minDist, 0.7f);
        QCOMPARE(found.shownAttrs->maxDist, 20.0f);
        QCOMPARE(found.shownAttrs->maxAIDist, 8.0f);
        QVERIFY(sameAttributes(found.fileAttrs, found.savedAttrs));
        // The image stays a true copy of the file until saving writes the block and checksum.
        QCOMPARE(fixtures::bytesOf(*image), bytes);
        const auto body = std::size_t(85 + builder::segmentCount(bytes));
        QCOMPARE(image->blockOffset(), std::optional<std::size_t>(body + 11 + 52 + 8));
    }

    void stereoFileIsMarkedNotForTheFirstGame()
    {
        const Inspection found = inspect(sample("stereo_block.ogg"));
        QCOMPARE(text(found.infoLines.at(0)), s("Number of channels:  2 (* not for SoC *)"));
        QCOMPARE(found.outcome, LoadOutcome::Clean);
    }

    void badChecksumArmsTheRepair()
    {
        auto image = fixtures::imageOf(sample("bad_checksum.ogg"));
        const Inspection found = inspectImage(*image);
        QCOMPARE(found.outcome, LoadOutcome::BadChecksum);
        QCOMPARE(text(found.attrStatus), textOf(MessageKind::BadChecksum));
        QVERIFY(found.armed);
        QVERIFY(image->writable());
        QCOMPARE(found.fileAttrs.version, 3u);
        QCOMPARE(found.savedAttrs.version, 0u);
        QVERIFY(found.computedChecksum.has_value());
        QVERIFY(*found.computedChecksum != found.storedChecksum);
        QCOMPARE(text(found.infoLines.at(7)),
                 "Comment CRC:           " + hexText(found.storedChecksum) + " (File)");
        QCOMPARE(text(found.infoLines.at(8)),
                 "Comment CRC:           " + hexText(*found.computedChecksum) + " (Calculated)");
    }

    void shapeChecks_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lines");
        const int body = 85 + builder::segmentCount(sample("mono_block.ogg"));
        QTest::newRow("page 1 capture") << 0 << int('o') << "Not an Ogg file." << 0;
        QTest::newRow("page 2 capture") << 61 << int('s') << "Not a valid Ogg sound file." << 0;
        QTest::newRow("no segments")
            << 84 << 0 << "Not a valid Ogg sound file; no comment page segments." << 0;
        QTest::newRow("signature 0x9A")
            << body << 0x9A << " Invalid Ogg Vorbis comment header char: 0x9A" << 4;
        QTest::newRow("setup header instead")
            << body << 0x05 << " Invalid Ogg Vorbis comment header char: 0x05" << 4;
        QTest::newRow("signature letter")
            << body + 6 << int('S') << " Invalid Ogg Vorbis comment header char: 0x53" << 4;
    }
    void shapeChecks()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(QString, message);
        QFETCH(int, lines);
        QByteArray bytes = sample("mono_block.ogg");
        bytes[offset] = static_cast<char>(value);
        auto image = fixtures::imageOf(bytes);
        const Inspection found = inspectImage(*image);
        QCOMPARE(found.outcome, LoadOutcome::Refused);
        QCOMPARE(QString::fromStdString(text(found.attrStatus)), message);
        QCOMPARE(found.infoLines.size(), std::size_t(lines));
        QVERIFY(!found.selectFirstLine && !found.armed && !found.shownAttrs && !image->writable());
        QCOMPARE(text(found.statusLine), std::string());
        QCOMPARE(fixtures::bytesOf(*image), bytes);
    }

    void vendorLines()
    {
        const QByteArray base = sample("no_comments.ogg");
        const QList<QByteArray> block{builder::blockBytes({})};
        Inspection found =
            inspect(builder::withCommentPacket(base, builder::commentPacket({}, block)));
        QCOMPARE(found.outcome, LoadOutcome::Clean);
        QCOMPARE(found.infoLines.size(), std::size_t(7));
        QVERIFY(text(found.infoLines.at(4)).starts_with("File size:"));

        found = inspect(builder::withCommentPacket(base, builder::commentPacket("Kelvan", block)));
        QCOMPARE(text(found.infoLines.at(4)), s("Vendor:"));
        QCOMPARE(text(found.infoLines.at(5)), s("  Kelvan"));

        const QByteArray withZero("Kel\0van", 7);
        found = inspect(builder::withCommentPacket(base, builder::commentPacket(withZero, block)));
        QCOMPARE(text(found.infoLines.at(5)), s("  Kel"));
    }

    // A first comment of at least 24 bytes whose first field is 3 is the block, as the game
    // reads it.
    void blockRecognition_data()
    {
        QTest::addColumn<QList<QByteArray>>("comments");
        QTest::addColumn<bool>("recognised");
        const QByteArray v3 = builder::blockBytes({});
        QTest::newRow("version 3") << QList<QByteArray>{v3} << true;
        QTest::newRow("version 3, more comments") << QList<QByteArray>{v3, "A=b"} << true;
        QTest::newRow("version 2 in 24 bytes")
            << QList<QByteArray>{builder::blockBytes({.version = 2})} << false;
        QTest::newRow("version 1, 16 bytes")
            << QList<QByteArray>{v3.left(16).replace(0, 1, "\1")} << false;
        QTest::newRow("25 bytes") << QList<QByteArray>{v3 + "x"} << true;
        QTest::newRow("text after it") << QList<QByteArray>{v3 + "TITLE=a longer comment"} << true;
        QTest::newRow("23 bytes") << QList<QByteArray>{v3.left(23)} << false;
        QTest::newRow("text first") << QList<QByteArray>{"TITLE=x", v3} << false;
    }
    void blockRecognition()
    {
        QFETCH(QList<QByteArray>, comments);
        QFETCH(bool, recognised);
        const QByteArray file = builder::withCommentPacket(
            sample("no_comments.ogg"), builder::commentPacket(vendor, comments));
        const Inspection found = inspect(file);
        QCOMPARE(found.outcome, recognised ? LoadOutcome::Clean : LoadOutcome::Inserted);
        QVERIFY(found.shownAttrs.has_value());
        if (!recognised)
            QVERIFY(sameAttributes(*found.shownAttrs, defaultAttrs));
    }

    void unlistedGameTypeIsKept()
    {
        const QByteArray file = builder::withCommentPacket(
            sample("no_comments.ogg"),
            builder::commentPacket(vendor, {builder::blockBytes({.gameType = 0xC0800000u})}));
        const Inspection found = inspect(file);
        QCOMPARE(found.shownAttrs->gameType, 0xC0800000u);
    }

    // A file cut short anywhere: never a read past the end, never an image that may be written
    // unless page 2 is whole, and the one message for every cut inside the headers.
    void filesThatEndTooEarly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("with block") << "mono_block.ogg";
        QTest::newRow("without block") << "no_comments.ogg";
        QTest::newRow("text comment") << "text_comment.ogg";
    }
    void filesThatEndTooEarly()
    {
        QFETCH(QString, name);
        const QByteArray bytes = sample(name);
        const auto pageEnd = static_cast<std::size_t>(58 + builder::page2Length(bytes));
        for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
            auto image = fixtures::imageOf(bytes.left(cut));
            const Inspection found = inspectImage(*image);
            const auto where = qPrintable(QStringLiteral("cut at %1").arg(cut));
            if (static_cast<std::size_t>(cut) < pageEnd) {
                QVERIFY2(text(found.attrStatus) == textOf(MessageKind::EndsTooEarly), where);
                QVERIFY2(!image->writable() && !found.armed, where);
                QVERIFY2(found.outcome == LoadOutcome::Refused ||
                             found.outcome == LoadOutcome::ViewOnly,
                         where);
                QVERIFY2(!found.computedChecksum, where);
            } else {
                QVERIFY2(image->writable(), where);
                QVERIFY2(found.computedChecksum.has_value(), where);
            }
        }
    }

    // The first pages of a small file, read only to show it, give what the whole file gives,
    // but the image can never be written.
    void firstPagesOfASmallFile()
    {
        const QByteArray whole = sample("mono_block.ogg");
        const QByteArray first = whole.left(58 + builder::page2Length(whole));
        auto image = headerImage(first, whole.size());
        const Inspection found = inspectImage(*image);
        QCOMPARE(found.outcome, LoadOutcome::Clean);
        QCOMPARE(texts(found.infoLines), texts(inspectImage(*fixtures::imageOf(whole)).infoLines));
        QVERIFY(!image->headersOnly() && image->readInPart() && !image->writable());
        QVERIFY(!prepareImageForSave(*image, defaultAttrs));
    }

    void headersOnlyFiles()
    {
        constexpr std::int64_t large = 20'971'520;
        const QByteArray head = sample("bad_checksum.ogg");
        auto image = headerImage(head, large);
        Inspection found = inspectImage(*image);
        QCOMPARE(found.outcome, LoadOutcome::ViewOnly);
        QCOMPARE(text(found.attrStatus), textOf(MessageKind::LargeFile));
        QVERIFY(!found.armed && !image->writable());
        QCOMPARE(text(found.infoLines.at(6)),
                 s("File size:                        20971520 bytes"));
        QVERIFY(found.computedChecksum && *found.computedChecksum != found.storedChecksum);
        QCOMPARE(text(found.statusLine), " Read " + std::to_string(head.size()) + " bytes. ");

        // Without a block nothing can be shown or inserted.
        image = headerImage(sample("no_comments.ogg"), large);
        found = inspectImage(*image);
        QCOMPARE(found.outcome, LoadOutcome::Refused);
        QCOMPARE(text(found.attrStatus),
                 s(" File size > 10485760 bytes; not a GSC sound - it cannot be viewed/edited."));
        QCOMPARE(found.infoLines.size(), std::size_t(9));
        QVERIFY(!found.selectFirstLine);
        QCOMPARE(image->fileSize(), large);

        // Page 2 reaching past the bytes read leaves the computed checksum out.
        image = headerImage(sample("mono_block.ogg").left(300), large);
        found = inspectImage(*image);
        QCOMPARE(found.outcome, LoadOutcome::ViewOnly);
        QCOMPARE(text(found.attrStatus), textOf(MessageKind::LargeFile));
        QCOMPARE(found.infoLines.size(), std::size_t(8));
        QVERIFY(!found.computedChecksum);
    }

    // Counts and lengths near 2^32 must not wrap into a read inside the buffer.
    void hugeLengthFields_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("value");
        const int body = 85 + builder::segmentCount(sample("mono_block.ogg"));
        QTest::newRow("vendor length") << body + 7 << QByteArray("\xff\xff\xff\xff", 4);
        QTest::newRow("vendor length - 1") << body + 7 << QByteArray("\xfe\xff\xff\xff", 4);
        QTest::newRow("first comment length")
            << body + 15 + 52 << QByteArray("\xfc\xff\xff\xff", 4);
    }
    void hugeLengthFields()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, value);
        QByteArray bytes = sample("mono_block.ogg");
        bytes.replace(offset, 4, value);
        auto image = fixtures::imageOf(bytes);
        const Inspection found = inspectImage(*image);
        QCOMPARE(text(found.attrStatus), textOf(MessageKind::EndsTooEarly));
        QVERIFY(!image->writable());
    }

    void commentCountNearTheLimit()
    {
        QByteArray bytes = sample("no_comments.ogg");
        const int countAt = 85 + builder::segmentCount(bytes) + 11 + 52;
        bytes.replace(countAt, 4, QByteArray("\xff\xff\xff\xff", 4));
        // A count of 2^32 - 1 with no comment bytes behind it: the first comment runs off.
        Inspection found = inspect(bytes);
        QCOMPARE(text(found.attrStatus), textOf(MessageKind::EndsTooEarly));
    }
};

QTEST_GUILESS_MAIN(TestLoadReport)
#include "test_load_report.moc"
