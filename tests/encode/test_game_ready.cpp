// Making a sound game-ready, on sources sox makes on the spot: what the game reads of the result
// (rate, channels, length, the block as the only comment), judged by our reader, our decoder and
// ogginfo; and the sources that cannot become one.
#include "game_ready.h"
#include "sound_decoder.h"
#include "sound_fixtures.h"
#include "sound_reader.h"
#include "sound_writer.h"

#include <cmath>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvane;

class TestGameReady : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    const SoundAttributes block_{kAttributeBlockVersion, 3.0f, 60.0f, 0.8f, 0x80200000u, 25.0f};

    // A sound sox makes: `seconds` at `rate`, in `bits`, one tone per channel (`right` "-" for
    // the left one turned over).
    QString source(const QString &name, int rate, int channels, int bits, double seconds,
                   const QString &right = QStringLiteral("700"))
    {
        QStringList effects{"synth", QString::number(seconds), "sine", "440"};
        if (channels > 1 && right != "-")
            effects << "sine" << right;
        if (right == "-")
            effects << "remix"
                    << "1"
                    << "1i";
        return fixtures::soxSource(dir_.path(), name,
                                   {"-r", QString::number(rate), "-c", QString::number(channels),
                                    "-b", QString::number(bits)},
                                   effects);
    }
    EncodedSound encode(const QString &path, EncodeRequest request = {})
    {
        request.block = block_;
        auto done = encodeGameReady(path.toStdString(), request);
        if (const auto *why = std::get_if<Message>(&done))
            qWarning("%s", englishText(*why).c_str());
        return std::holds_alternative<EncodedSound>(done) ? std::get<EncodedSound>(done)
                                                          : EncodedSound{};
    }
    static int peakOf(const std::vector<std::int16_t> &samples)
    {
        int peak = 0;
        for (const std::int16_t sample : samples)
            peak = std::max(peak, std::abs(int(sample)));
        return peak;
    }
    QString saved(const EncodedSound &sound, const QString &name)
    {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(reinterpret_cast<const char *>(sound.bytes.data()), qint64(sound.bytes.size()));
        return file.fileName();
    }

private slots:
    // A 48 kHz stereo 24-bit WAV becomes a 44100 Hz mono sound of the same length, to the
    // sample, with the block as its first and only comment; keeping the channels keeps two.
    void aStereoWavBecomesAGameSound()
    {
        const QString wav = source("stereo48.wav", 48000, 2, 24, 1.5);
        QVERIFY(!wav.isEmpty());
        const EncodedSound mono = encode(wav);
        QCOMPARE(mono.sourceRate, 48000u);
        QCOMPARE(mono.sourceChannels, 2u);
        const QString path = saved(mono, "mono.ogg");
        QCOMPARE(fixtures::ogginfoComplaints(path), QStringList());
        const LoadResult loaded = loadSoundFile(path, path);
        QVERIFY(!loaded.refused());
        QCOMPARE(loaded.inspection.outcome, LoadOutcome::Clean);
        QVERIFY(sameAttributes(loaded.inspection.fileAttrs, block_));
        const DecodedSound decoded = decodeSound(mono.bytes);
        QVERIFY(decoded.failure.empty());
        QCOMPARE(decoded.sampleRate, kGameRate);
        QCOMPARE(decoded.channels, 1u);
        QCOMPARE(decoded.samples.size(), std::size_t(66150)); // 1.5 s at 44100 Hz

        EncodeRequest keep;
        keep.mono = false;
        const DecodedSound stereo = decodeSound(encode(wav, keep).bytes);
        QCOMPARE(stereo.channels, 2u);
        QCOMPARE(stereo.samples.size(), std::size_t(2 * 66150));

        // The channels stay in their order: a tone on the left alone stays on the left.
        const QString leftOnly = fixtures::soxSource(
            dir_.path(), "left_only.wav", {"-r", "48000", "-c", "2", "-b", "16"},
            {"synth", "0.5", "sine", "440", "remix", "1", "0"});
        const DecodedSound sides = decodeSound(encode(leftOnly, keep).bytes);
        std::vector<std::int16_t> left, right;
        for (std::size_t i = 0; i + 1 < sides.samples.size(); i += 2) {
            left.push_back(sides.samples[i]);
            right.push_back(sides.samples[i + 1]);
        }
        QVERIFY(peakOf(left) > 10000);
        QVERIFY(peakOf(right) < 100);
    }

    // The mix is the average of the channels: a channel and its inverse cancel out; a sound at
    // 44100 Hz already keeps its length without resampling.
    void channelsAreAveraged()
    {
        const QString wav = source("opposed.wav", 44100, 2, 16, 0.5, "-");
        QVERIFY(!wav.isEmpty());
        const DecodedSound decoded = decodeSound(encode(wav).bytes);
        QCOMPARE(decoded.samples.size(), std::size_t(22050));
        QVERIFY2(peakOf(decoded.samples) < 100,
                 qPrintable(QString::number(peakOf(decoded.samples))));

        const QString left = source("left.wav", 44100, 1, 16, 0.5);
        QVERIFY(peakOf(decodeSound(encode(left).bytes).samples) > 10000); // the tone comes through
    }

    // An Ogg source (oggenc's, 48 kHz stereo, with a block put in by a save) is decoded and
    // encoded again keeping its first comment byte for byte, its channels when asked, its
    // length at the new rate, and about its bitrate; given values replace its block.
    void anOggSourceKeepsItsBlock()
    {
        const QString ogg = fixtures::encodeTone(dir_.path(), "ogg48.ogg", 2, 1.0, {}, 2, 48000);
        QVERIFY(!ogg.isEmpty());
        LoadResult loaded = loadSoundFile(ogg, ogg);
        QVERIFY(!loaded.refused());
        SaveTarget target;
        target.path = target.shownName = ogg;
        QVERIFY(saveSoundFile(*loaded.image, block_, target).ok);
        const auto blockBytes = loadSoundFile(ogg, ogg).inspection.firstComment;

        EncodeRequest own;
        own.mono = false;
        const auto done = encodeGameReady(ogg.toStdString(), own);
        QVERIFY(std::holds_alternative<EncodedSound>(done));
        const EncodedSound &again = std::get<EncodedSound>(done);
        QCOMPARE(again.blockFrom, BlockSource::Source);
        QCOMPARE(again.sourceRate, 48000u);
        QCOMPARE(again.quality, 2.0f); // what oggenc was asked for, found from the bitrate
        const QString path = saved(again, "again.ogg");
        QCOMPARE(fixtures::ogginfoComplaints(path), QStringList());
        QCOMPARE(loadSoundFile(path, path).inspection.firstComment, blockBytes);
        const DecodedSound decoded = decodeSound(again.bytes);
        QCOMPARE(decoded.channels, 2u);
        QCOMPARE(decoded.samples.size(), std::size_t(2 * 44100));
        QVERIFY(peakOf(decoded.samples) > 10000); // the tones themselves, not silence

        const EncodedSound given = encode(ogg);
        QCOMPARE(given.blockFrom, BlockSource::Given);
        QVERIFY(sameAttributes(given.block, block_));
    }

    // 8 kHz and 192 kHz become 44100 Hz of the same length; a WAV cut short, whose header
    // claims twice the samples it holds, gives what it holds.
    void extremeRatesAndLyingHeaders()
    {
        for (const int rate : {8000, 192000}) {
            const QString wav = source(QStringLiteral("r%1.wav").arg(rate), rate, 1, 16, 0.5);
            QCOMPARE(decodeSound(encode(wav).bytes).samples.size(), std::size_t(22050));
        }
        const QString whole = source("whole.wav", 44100, 1, 16, 1.0);
        QByteArray bytes = fixtures::readFile(whole);
        bytes.chop(44100); // half the samples gone; the header still counts them all
        fixtures::writeFile(dir_.filePath("cut.wav"), bytes);
        QCOMPARE(decodeSound(encode(dir_.filePath("cut.wav")).bytes).samples.size(),
                 std::size_t(22050));
    }

    // What cannot become a game sound says why, and nothing is made.
    void sourcesThatCannotBeEncoded()
    {
        const QString text = dir_.filePath("text.wav");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("RIFF, but not a sound at all");
        file.close();
        QCOMPARE(std::get<Message>(encodeGameReady(text.toStdString(), {})).kind,
                 MessageKind::SourceNotAudio);
        // A WAV header with no sample after it: 16-bit mono at 44100 Hz, 0 data bytes.
        const QString empty = dir_.filePath("empty.wav");
        QFile emptyFile(empty);
        QVERIFY(emptyFile.open(QIODevice::WriteOnly));
        emptyFile.write(QByteArray::fromHex("52494646240000005741564566"
                                            "6d7420100000000100010044ac"
                                            "000088580100020010006461746100000000"));
        emptyFile.close();
        QCOMPARE(std::get<Message>(encodeGameReady(empty.toStdString(), {})),
                 Message(MessageKind::SourceEmpty));
        const QString three = source("three.wav", 8000, 3, 16, 0.2);
        EncodeRequest keep;
        keep.mono = false;
        QCOMPARE(std::get<Message>(encodeGameReady(three.toStdString(), keep)),
                 Message(MessageKind::SourceTooManyChannels, {"3"}));
        QCOMPARE(decodeSound(encode(three).bytes).channels, 1u); // mixed down, any channels
    }
};

QTEST_GUILESS_MAIN(TestGameReady)
#include "test_game_ready.moc"
