#include "block_insertion.h"
#include "comment_page_builder.h"
#include "load_report.h"
#include "message_text.h"
#include "ogg_judge.h"
#include "save_image.h"
#include "sound_fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvane;

namespace {

// Vendor of the encoder: 7 + 4 + 52 + 4 bytes before the comments, then the framing byte.
constexpr int kEmptyCommentPacket = 68;

QByteArray sample(const QString &name)
{
    return fixtures::readFile(fixtures::samplePath(name));
}

// Saves the image as it would be written, judges it with libogg and returns its comments.
std::vector<QByteArray> savedComments(FileImage &image, const QString &path)
{
    if (!prepareImageForSave(image, defaultAttrs))
        return {};
    fixtures::writeFile(path, fixtures::bytesOf(image));
    const OggVerdict verdict = judgeOgg(fixtures::readFile(path));
    if (!verdict.valid) {
        qWarning().noquote() << path << verdict.problem;
        return {};
    }
    return vorbisComments(verdict.headerPackets.at(1));
}

const QByteArray kVendor("Xiph.Org libVorbis I 20200704 (Reducing Environment)");

// An encoder-made file whose comment packet ends on lacing value 240 and whose page 2 has
// `segments` segments in all.
QByteArray withSegments(int segments)
{
    const QByteArray base = sample("no_comments.ogg");
    const int setupSegments = builder::segmentCount(base) - 1;
    const int packetLength = (segments - setupSegments - 1) * 255 + 240;
    const QByteArray text = "COMMENT=" + QByteArray(packetLength - 72 - 8, 'k');
    return builder::withCommentPacket(base, builder::commentPacket(kVendor, {text}));
}

CommentLayout layoutOfNoComments()
{
    const int n = builder::segmentCount(sample("no_comments.ogg"));
    CommentLayout layout;
    layout.segmentCount = std::size_t(n);
    layout.packetEndOffset = 85;
    layout.packetEndLacing = kEmptyCommentPacket;
    layout.packetLength = kEmptyCommentPacket;
    layout.countOffset = std::size_t(85 + n + 11 + 52);
    layout.commentCount = 0;
    layout.pageLength = std::size_t(builder::page2Length(sample("no_comments.ogg")));
    return layout;
}

} // namespace

class TestBlockInsertion : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // Real encoder files whose comment packet ends on the lacing value under test; the text
    // comment that sets it must come through as the second comment, byte for byte.
    void lacingEdgeCases_data()
    {
        QTest::addColumn<int>("endLacing");
        QTest::newRow("Z = 0") << 0;
        QTest::newRow("Z = 226") << 226;
        QTest::newRow("Z = 227") << 227;
        QTest::newRow("Z = 254") << 254;
    }
    void lacingEdgeCases()
    {
        QFETCH(int, endLacing);
        const int length = (endLacing - kEmptyCommentPacket - 4 + 2 * 255) % 255 + 255;
        const QString comment = fixtures::textCommentOfLength(length);
        const QString original = fixtures::encodeTone(
            dir_.path(), QStringLiteral("z%1.ogg").arg(endLacing), 1, 0.5, {comment});
        QVERIFY(!original.isEmpty());
        const QByteArray bytes = fixtures::readFile(original);
        QCOMPARE(builder::packetEndLacing(bytes), endLacing);
        const int n = builder::segmentCount(bytes);
        const int s = 85 + (kEmptyCommentPacket + 4 + length) / 255;

        auto image = fixtures::imageOf(bytes);
        const std::uint8_t *tail = image->bytes().data() + image->bytes().size();
        const Inspection found = inspectImage(*image);
        QCOMPARE(found.outcome, LoadOutcome::Inserted);
        QCOMPARE(text(found.attrStatus), textOf(MessageKind::BlockInserted));
        QVERIFY(found.armed);
        QCOMPARE(found.savedAttrs.version, 0u);
        QVERIFY(sameAttributes(found.fileAttrs, defaultAttrs));

        const bool extra = endLacing >= 227;
        const QByteArray after = fixtures::bytesOf(*image);
        QCOMPARE(after.size(), bytes.size() + 28 + (extra ? 1 : 0));
        QCOMPARE(int(std::uint8_t(after.at(84))), n + (extra ? 1 : 0));
        if (extra) {
            QCOMPARE(int(std::uint8_t(after.at(s))), 255);
            QCOMPARE(int(std::uint8_t(after.at(s + 1))), endLacing - 227);
        } else {
            QCOMPARE(int(std::uint8_t(after.at(s))), endLacing + 28);
        }
        QCOMPARE(found.infoLines.size(), std::size_t(extra ? 11 : 10));
        if (extra)
            QCOMPARE(text(found.infoLines.at(9)), textOf(MessageKind::InsertedLacingByte));
        QCOMPARE(text(found.infoLines.back()),
                 "New file size:                " + std::to_string(after.size()) +
                     " bytes (when saved)");
        // Only the prefix moved: the bulk of the file is where it was and unchanged.
        QCOMPARE(image->bytes().data() + image->bytes().size(), tail);
        const qsizetype firstCommentAt = 85 + n + 7 + 4 + 52 + 4;
        QCOMPARE(after.mid(firstCommentAt + (extra ? 1 : 0) + 28), bytes.mid(firstCommentAt));

        const QString saved =
            QDir(dir_.path()).filePath(QStringLiteral("saved%1.ogg").arg(endLacing));
        const auto comments = savedComments(*image, saved);
        QCOMPARE(comments.size(), std::size_t(2));
        QCOMPARE(comments.at(0), builder::blockBytes({}));
        QCOMPARE(comments.at(1), comment.toUtf8());
        QCOMPARE(fixtures::ogginfoComplaints(saved), QStringList());
        const QByteArray audio = fixtures::decodedSamples(original);
        QVERIFY(!audio.isEmpty());
        QCOMPARE(fixtures::decodedSamples(saved), audio);
    }

    // Whatever the first comment was, it follows the new block unchanged.
    void existingCommentsFollowTheBlock_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<QByteArray>>("before");
        QTest::newRow("no comments") << sample("no_comments.ogg") << QList<QByteArray>{};
        QTest::newRow("text comment")
            << sample("text_comment.ogg") << QList<QByteArray>{"TITLE=Kelvane test tone"};
        const QList<QByteArray> old{builder::blockBytes({.version = 2}), "ARTIST=x"};
        QTest::newRow("version 2 block")
            << builder::withCommentPacket(sample("no_comments.ogg"),
                                          builder::commentPacket(kVendor, old))
            << old;
    }
    void existingCommentsFollowTheBlock()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<QByteArray>, before);
        auto image = fixtures::imageOf(file);
        QCOMPARE(inspectImage(*image).outcome, LoadOutcome::Inserted);
        const QString saved =
            QDir(dir_.path()).filePath(QString::fromLatin1(QTest::currentDataTag()));
        const auto comments = savedComments(*image, saved);
        QCOMPARE(comments.size(), std::size_t(before.size() + 1));
        QCOMPARE(comments.at(0), builder::blockBytes({}));
        for (qsizetype i = 0; i < before.size(); ++i)
            QCOMPARE(comments.at(std::size_t(i) + 1), before.at(i));
        // Loaded again, the file has its block and a right checksum.
        auto again = fixtures::imageOf(fixtures::readFile(saved));
        const Inspection reloaded = inspectImage(*again);
        QCOMPARE(reloaded.outcome, LoadOutcome::Clean);
        QCOMPARE(text(reloaded.infoLines.at(6)), "File size:                        " +
                                                     std::to_string(file.size() + 28) + " bytes");
    }

    // When page 2 cannot take the block, nothing changes and nothing is armed.
    void refusedWhenTheHeaderDoesNotFit_data()
    {
        QTest::addColumn<QByteArray>("file");
        QByteArray allContinue = sample("no_comments.ogg");
        for (int i = 0; i < builder::segmentCount(allContinue); ++i)
            allContinue[85 + i] = '\xff';
        QTest::newRow("packet does not end on page 2") << allContinue;

        // A comment packet ending on 240 that fills the segment table up to 255 entries.
        const QByteArray full = withSegments(255);
        QCOMPARE(builder::segmentCount(full), 255);
        QTest::newRow("segment table full") << full;
    }
    void refusedWhenTheHeaderDoesNotFit()
    {
        QFETCH(QByteArray, file);
        auto image = fixtures::imageOf(file);
        const Inspection found = inspectImage(*image);
        QCOMPARE(found.outcome, LoadOutcome::Refused);
        QCOMPARE(text(found.attrStatus),
                 "Comment block cannot be inserted: the comment header does not fit on page 2.");
        QVERIFY(!found.armed && !found.shownAttrs && !image->writable());
        QCOMPARE(fixtures::bytesOf(*image), file);
    }

    void oneSegmentShortOfFullStillFits()
    {
        const QByteArray file = withSegments(254);
        auto image = fixtures::imageOf(file);
        QCOMPARE(inspectImage(*image).outcome, LoadOutcome::Inserted);
        QCOMPARE(int(image->bytes()[84]), 255);
        const auto comments = savedComments(*image, QDir(dir_.path()).filePath("full.ogg"));
        QCOMPARE(comments.size(), std::size_t(2));
        QCOMPARE(comments.at(1), vorbisComments(builder::commentPacketOf(file)).at(0));
    }

    void layoutsThatCannotTakeTheBlock()
    {
        const QByteArray file = sample("no_comments.ogg");
        auto fresh = [&] { return fixtures::imageOf(file); };
        CommentLayout full = layoutOfNoComments();
        full.commentCount = 0xFFFFFFFFu;
        CommentLayout outside = layoutOfNoComments();
        outside.countOffset = 85 + outside.segmentCount + kEmptyCommentPacket - 3;
        for (const CommentLayout &layout : {full, outside}) {
            auto image = fresh();
            QVERIFY(!InsertAttributeBlock(*image, layout).inserted);
            QCOMPARE(fixtures::bytesOf(*image), file);
        }
        // The front room takes one insertion per loaded image.
        auto image = fresh();
        QVERIFY(InsertAttributeBlock(*image, layoutOfNoComments()).inserted);
        const QByteArray once = fixtures::bytesOf(*image);
        QVERIFY(!InsertAttributeBlock(*image, layoutOfNoComments()).inserted);
        QCOMPARE(fixtures::bytesOf(*image), once);
    }
};

QTEST_GUILESS_MAIN(TestBlockInsertion)
#include "test_block_insertion.moc"
