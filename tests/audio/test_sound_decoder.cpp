#include "comment_page_builder.h"
#include "game_rules.h"
#include "load_report.h"
#include "ogg_crc.h"
#include "sound_decoder.h"
#include "sound_fixtures.h"
#include "stream_length.h"
#include "waveform_peaks.h"

#include <cstdlib>
#include <cstring>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvane;

namespace {

// A page of one 255-byte segment that ends no packet (granule -1), its checksum right or not.
QByteArray openPage(bool rightChecksum)
{
    QByteArray page("OggS\0\1", 6);
    page += QByteArray(8, char(0xFF)) + QByteArray(12, 0) + QByteArray(1, 1) +
            QByteArray(1, char(255)) + QByteArray(255, 'a');
    const std::uint32_t crc = OggPageChecksum(fixtures::spanOf(page)) + (rightChecksum ? 0 : 1);
    for (int i = 0; i < 4; ++i)
        page[22 + i] = char(crc >> (8 * i));
    return page;
}

// `file` with page 1's byte `at` set to `value` and page 1's checksum made right again.
QByteArray withPage1Byte(QByteArray file, int at, char value)
{
    file[at] = value;
    for (int i = 22; i < 26; ++i)
        file[i] = 0;
    const std::uint32_t crc = OggPageChecksum(fixtures::spanOf(file.left(58)));
    for (int i = 0; i < 4; ++i)
        file[22 + i] = char(crc >> (8 * i));
    return file;
}

// `packet` with the 32-bit little-endian field at `at` set to `value`.
QByteArray withField(QByteArray packet, int at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        packet[at + i] = char(value >> (8 * i));
    return packet;
}

} // namespace

class TestSoundDecoder : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void decodesAsTheReferenceDecoder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<unsigned>("channels");
        for (const QString &name : QDir(fixtures::samplePath("")).entryList({"*.ogg"}))
            QTest::newRow(qPrintable(name)) << fixtures::samplePath(name) << 0u;
        for (const int rate : {22050, 44100}) {
            for (const int channels : {1, 2}) {
                const QString name = QString("tone_%1_%2.ogg").arg(rate).arg(channels);
                QTest::newRow(qPrintable(name))
                    << fixtures::encodeTone(dir_.path(), name, channels, 2.5, {}, 2, rate)
                    << unsigned(channels);
            }
        }
    }
    // Decoded exactly when oggdec decodes it (a wrong page checksum stops both), then every
    // sample as oggdec decodes it, and the length from the last page exactly oggdec's sample
    // count over the rate.
    void decodesAsTheReferenceDecoder()
    {
        QFETCH(QString, file);
        QFETCH(unsigned, channels);
        const QByteArray bytes = fixtures::readFile(file);
        const DecodedSound sound = decodeSound(fixtures::spanOf(bytes));
        const QByteArray reference = fixtures::decodedSamples(file);
        QCOMPARE(sound.decoded(), !reference.isEmpty());
        if (reference.isEmpty())
            return;
        if (channels)
            QCOMPARE(sound.channels, channels);
#ifdef Q_OS_WIN
        // libvorbis built for Windows rounds a sample that lies half-way between two values
        // up, where Linux rounds it to the even one: such a sample differs by one step, and
        // only such a sample.
        QCOMPARE(qsizetype(sound.samples.size() * 2), reference.size());
        std::size_t differing = 0;
        for (std::size_t i = 0; i < sound.samples.size(); ++i) {
            std::int16_t expected = 0;
            std::memcpy(&expected, reference.constData() + 2 * i, sizeof expected);
            const int step = std::abs(int(sound.samples[i]) - int(expected));
            QVERIFY2(step <= 1, qPrintable(QString::number(i)));
            differing += step != 0;
        }
        QVERIFY2(differing * 1000 < sound.samples.size(), qPrintable(QString::number(differing)));
#else
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sound.samples.data()),
                            qsizetype(sound.samples.size() * 2)),
                 reference);
#endif
        const double frames = double(reference.size()) / 2 / sound.channels;
        QCOMPARE(soundSeconds(fixtures::spanOf(bytes), sound.sampleRate),
                 frames / sound.sampleRate);
        // The last page's bytes alone tell it, as they do for a file read in part.
        QCOMPARE(soundSeconds(fixtures::spanOf(bytes.right(kLongestPage)), sound.sampleRate),
                 frames / sound.sampleRate);
    }

    // A cut file decodes what it holds or fails, and never claims a length it cannot show.
    void cutAndHostileFilesFailCleanly()
    {
        const QByteArray whole = fixtures::readFile(fixtures::samplePath("stereo_block.ogg"));
        QVERIFY(!decodeSound(fixtures::spanOf(whole.left(200))).decoded());
        QVERIFY(!soundSeconds(fixtures::spanOf(whole.left(whole.size() - 7)), 44100));
        // A last page on which no packet ends hands the length to the page before it; bytes
        // that only look like a page are none.
        const auto length = soundSeconds(fixtures::spanOf(whole), 44100);
        QVERIFY(length);
        QCOMPARE(soundSeconds(fixtures::spanOf(whole + openPage(true)), 44100), length);
        QVERIFY(!soundSeconds(fixtures::spanOf(whole + openPage(false)), 44100));
        QVERIFY(!decodeSound(fixtures::spanOf(QByteArray(5000, 'x'))).decoded());
        for (const QString &name : QDir(fixtures::hostilePath("")).entryList({"*.ogg"})) {
            const DecodedSound sound =
                decodeSound(fixtures::spanOf(fixtures::readFile(fixtures::hostilePath(name))));
            QVERIFY2(sound.decoded() == sound.failure.empty(), qPrintable(name));
            QVERIFY(sound.samples.size() <= kMostDecodedSamples);
        }
    }

    // The game's decoder opens a file exactly when its headers and page 2's checksum pass the
    // rules the core judges them by: hostile files, and headers no encoder writes.
    void decoderRefusalsAreTheDecodersOwn_data()
    {
        QTest::addColumn<QByteArray>("file");
        for (const QString &name : QDir(fixtures::hostilePath("")).entryList({"*.ogg"}))
            QTest::newRow(qPrintable(name)) << fixtures::readFile(fixtures::hostilePath(name));
        const QByteArray mono = fixtures::readFile(fixtures::samplePath("mono_block.ogg"));
        const QByteArray vendor("Kelvane");
        const QByteArray block = builder::blockBytes({});
        const QByteArray packet = builder::commentPacket(vendor, {block, "A=b"});
        const int count = 7 + 4 + int(vendor.size());
        const auto with = [&](const QByteArray &changed) {
            return builder::withCommentPacket(mono, changed);
        };
        QVERIFY(!with(packet).isEmpty());
        QTest::newRow("as made") << with(packet);
        QTest::newRow("count 2^31") << with(withField(packet, count, 0x80000000u));
        QTest::newRow("count one more") << with(withField(packet, count, 3));
        QTest::newRow("count one less") << with(withField(packet, count, 1));
        QTest::newRow("length past the end")
            << with(withField(packet, count + 4 + 4 + int(block.size()), 5));
        QTest::newRow("framing bit clear") << with(packet.left(packet.size() - 1) + '\0');
        QTest::newRow("no framing byte") << with(packet.left(packet.size() - 1));
        QTest::newRow("vendor past the end") << with(withField(packet, 7, 0x100));
        QTest::newRow("no channels") << withPage1Byte(mono, 28 + 11, 0);
        QTest::newRow("short blocks of 32") << withPage1Byte(mono, 28 + 28, 0x55);
        QTest::newRow("long blocks of 16384") << withPage1Byte(mono, 28 + 28, char(0xE8));
        QTest::newRow("version 1") << withPage1Byte(mono, 28 + 7, 1);
    }
    void decoderRefusalsAreTheDecodersOwn()
    {
        QFETCH(QByteArray, file);
        auto image = fixtures::imageOf(file);
        const Inspection found = inspectImage(*image);
        if (found.outcome == LoadOutcome::Refused)
            return; // not the game's sound at all, nor ours to judge
        const SoundFacts facts = soundFactsOf(found);
        const bool opens = !facts.badChecksum && !facts.decoderRefusal;
        QCOMPARE(decodeSound(fixtures::spanOf(file)).decoded(), opens);
        if (!opens)
            QVERIFY(anyStopsGame(gameWarnings(facts)));
    }

    // A known tone: left at half scale in the first half then silent, right at a quarter all
    // through. Each column shows its own frames' peak; more columns than frames is no fault.
    void peaksFollowTheSamplesColumnByColumn()
    {
        DecodedSound tone;
        tone.channels = 2;
        tone.sampleRate = 44100;
        for (int frame = 0; frame < 1000; ++frame) {
            const bool firstHalf = frame < 500;
            tone.samples.push_back(std::int16_t(firstHalf ? (frame % 2 ? 16384 : -16384) : 0));
            tone.samples.push_back(std::int16_t(frame % 4 == 1 ? -8192 : 100));
        }
        const WaveformPeaks peaks = waveformPeaks(tone, 10);
        QCOMPARE(peaks.channels.size(), std::size_t(2));
        for (int column = 0; column < 10; ++column) {
            QCOMPARE(peaks.channels[0][std::size_t(column)], column < 5 ? 0.5f : 0.0f);
            QCOMPARE(peaks.channels[1][std::size_t(column)], 0.25f);
        }
        const WaveformPeaks fine = waveformPeaks(tone, 3000);
        QCOMPARE(fine.channels[0].size(), std::size_t(3000));
        QCOMPARE(fine.channels[0][2999], 0.0f);
        QCOMPARE(fine.channels[0][0], 0.5f);
    }
};

QTEST_GUILESS_MAIN(TestSoundDecoder)
#include "test_sound_decoder.moc"
