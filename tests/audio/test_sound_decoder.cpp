#include "ogg_crc.h"
#include "sound_decoder.h"
#include "sound_fixtures.h"
#include "stream_length.h"
#include "waveform_peaks.h"

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
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sound.samples.data()),
                            qsizetype(sound.samples.size() * 2)),
                 reference);
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
