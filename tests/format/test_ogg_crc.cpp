#include "ogg_crc.h"
#include "ogg_judge.h"
#include "sound_fixtures.h"

#include <random>

#include <QTemporaryDir>
#include <QTest>

#include <ogg/ogg.h>

using kelvane::OggPageCrc;

namespace {

std::uint32_t crcOf(const QByteArray &bytes)
{
    return OggPageCrc(fixtures::spanOf(bytes));
}

// What the page should store, computed on the page as it is.
std::uint32_t checksumOf(const QByteArray &page)
{
    return kelvane::OggPageChecksum(fixtures::spanOf(page));
}

std::uint32_t storedChecksum(const QByteArray &page)
{
    std::uint32_t value = 0;
    for (int i = 25; i >= 22; --i)
        value = value << 8 | static_cast<std::uint8_t>(page.at(i));
    return value;
}

QByteArray withZeroedChecksum(QByteArray page)
{
    page.replace(22, 4, QByteArray(4, '\0'));
    return page;
}

} // namespace

class TestOggCrc : public QObject
{
    Q_OBJECT

private slots:
    void knownAnswers_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<uint>("expected");
        QTest::newRow("nothing") << QByteArray() << 0u;
        // The CRC-32 check string; with initial value 0 and no final XOR the answer is the
        // complement of the POSIX cksum check value 0x765E7680.
        QTest::newRow("123456789") << QByteArray("123456789") << 0x89A1897Fu;
        QTest::newRow("one bit") << QByteArray(1, '\x01') << 0x04C11DB7u;
        QTest::newRow("top bit") << QByteArray(1, '\x80') << 0x690CE0EEu;
    }
    void knownAnswers()
    {
        QFETCH(QByteArray, input);
        QFETCH(uint, expected);
        QCOMPARE(crcOf(input), expected);
    }

    // Every page of encoder-made files: our checksum over the page with its field zeroed equals
    // the one the encoder stored, which libogg has verified while framing the page.
    void agreesWithEncoderPages()
    {
        QTemporaryDir dir;
        const QString longer = fixtures::encodeTone(dir.path(), "long.ogg", 2, 6.0, {}, 6);
        QVERIFY(!longer.isEmpty());
        int checked = 0;
        for (const QString &path :
             {fixtures::samplePath("mono_block.ogg"), fixtures::samplePath("lacing_240.ogg"),
              fixtures::samplePath("stereo_block.ogg"), longer}) {
            const OggVerdict verdict = judgeOgg(fixtures::readFile(path));
            QVERIFY2(verdict.valid, qPrintable(path + ": " + verdict.problem));
            for (const QByteArray &page : verdict.pageBytes) {
                QCOMPARE(crcOf(withZeroedChecksum(page)), storedChecksum(page));
                QCOMPARE(checksumOf(page), storedChecksum(page));
                ++checked;
            }
        }
        QVERIFY(checked >= 4 * 3);
    }

    // Pages libogg builds itself from packets of every size class, including the lacing edge
    // cases (multiples of 255, empty packets) and pages spanning packets.
    void agreesWithLiboggOnRandomPages()
    {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> sizeClass(0, 4);
        std::uniform_int_distribution<int> byteValue(0, 255);
        const int sizes[] = {0, 255, 510, 77, 4000};
        QList<QByteArray> packets;
        for (int packetNo = 0; packetNo < 300; ++packetNo) {
            QByteArray data(sizes[sizeClass(random)] + (packetNo % 3), '\0');
            for (char &c : data)
                c = static_cast<char>(byteValue(random));
            packets << data;
        }
        int pages = 0;
        for (const QByteArray &bytes : liboggPages(packets, false)) {
            QCOMPARE(crcOf(withZeroedChecksum(bytes)), storedChecksum(bytes));
            QCOMPARE(crcOf(withZeroedChecksum(bytes)), liboggPageChecksum(bytes));
            QCOMPARE(checksumOf(bytes), storedChecksum(bytes));
            ++pages;
        }
        QVERIFY(pages > 50);
    }
};

QTEST_GUILESS_MAIN(TestOggCrc)
#include "test_ogg_crc.moc"
