#include "ogg_judge.h"
#include "page_walk.h"
#include "sound_fixtures.h"

#include <QTest>

using namespace kelvane;

namespace {

// A stream of pages that libogg frames itself, one for each packet of several sizes.
QList<QByteArray> liboggPages()
{
    QList<QByteArray> packets;
    int i = 0;
    for (const int size : {30, 600, 4000, 0, 255, 9000, 17})
        packets << QByteArray(size, char('a' + i++));
    const auto pages = liboggPages(packets, true);
    return QList<QByteArray>(pages.begin(), pages.end());
}

PageWalk walk(const QByteArray &bytes)
{
    return walkPages(fixtures::spanOf(bytes));
}

class FailingSource final : public ByteSource
{
public:
    std::optional<std::size_t> read(std::span<std::uint8_t>) override { return std::nullopt; }
};

} // namespace

class TestPageWalk : public QObject
{
    Q_OBJECT

private slots:
    void problemsAreFoundWhereTheyAre_data()
    {
        const QList<QByteArray> pages = liboggPages();
        QVERIFY(pages.size() >= 4);
        const QByteArray clean = pages.join();
        const qsizetype second = pages[0].size();
        const qsizetype third = second + pages[1].size();
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("problem"); // how the first problem starts, empty for none
        QTest::addColumn<qsizetype>("at");

        QTest::newRow("clean") << clean << int(pages.size()) << QString() << qsizetype(0);
        QByteArray version = clean;
        version[second + 4] = 1;
        QTest::newRow("stream structure version 1")
            << version << int(pages.size()) << "stream structure version 1" << second;
        QTest::newRow("cut in a header")
            << clean.left(third + 20) << 2 << "the file ends inside a page header" << third;
        QTest::newRow("cut in a segment table")
            << clean.left(third + 28) << 2 << "the file ends inside a segment table" << third;
        QTest::newRow("cut in a body") << clean.left(third + pages[2].size() - 1) << 2
                                       << "the file ends inside a page body" << third;
        QByteArray damaged = clean;
        damaged[third - 1] = char(damaged[third - 1] ^ 0x40);
        QTest::newRow("a damaged body") << damaged << int(pages.size()) << "checksum " << second;
        QTest::newRow("junk between pages")
            << pages[0] + pages[1] + "junk" + pages[2] << 2
            << "no capture pattern where a page should start" << third;
    }
    void problemsAreFoundWhereTheyAre()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, pages);
        QFETCH(QString, problem);
        QFETCH(qsizetype, at);
        const PageWalk found = walk(file);
        QCOMPARE(found.pages, std::uint64_t(pages));
        QVERIFY(!found.readFailed);
        if (problem.isEmpty()) {
            QVERIFY(found.problems.empty());
            return;
        }
        QVERIFY(!found.problems.empty());
        QVERIFY2(QString::fromStdString(found.problems[0].problem).startsWith(problem),
                 found.problems[0].problem.c_str());
        QCOMPARE(found.problems[0].offset, std::uint64_t(at));
    }

    void aFailingSourceEndsTheWalk()
    {
        FailingSource source;
        const PageWalk found = walkPages(source);
        QVERIFY(found.readFailed);
        QCOMPARE(found.pages, std::uint64_t(0));
        QVERIFY(found.problems.empty());
    }
};

QTEST_GUILESS_MAIN(TestPageWalk)
#include "test_page_walk.moc"
