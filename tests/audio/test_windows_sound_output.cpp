#include "sound_decoder.h"
#include "sound_fixtures.h"
#include "sound_output.h"

#include <QElapsedTimer>
#include <QLibrary>
#include <QTest>

using namespace kelvane;

// The Windows audio output module, as the window loads it: a sound plays, is heard from its
// start to its end, and stops at once when asked; without a sound card it says so.
class TestWindowsSoundOutput : public QObject
{
    Q_OBJECT

private slots:
    void playsFromStartToEndAndStops()
    {
        QLibrary module(QStringLiteral(KELVANE_SOUND_OUTPUT));
        using Make = SoundOutput *(*)();
        const auto make = reinterpret_cast<Make>(module.resolve("kelvaneMakeSoundOutput"));
        QVERIFY2(make, qPrintable(module.errorString()));
        const std::unique_ptr<SoundOutput> output(make());
        const QByteArray bytes = fixtures::readFile(fixtures::samplePath("stereo_block.ogg"));
        auto sound = std::make_shared<const DecodedSound>(decodeSound(fixtures::spanOf(bytes)));
        QVERIFY(sound->decoded());
        QCOMPARE(output->playingFrame(), qint64(-1));
        if (!output->play(sound, 0.5)) {
            // No sound card (Wine without one): nothing plays, and nothing is said to.
            QCOMPARE(output->playingFrame(), qint64(-1));
            QSKIP("no audio output here: the refusal was checked, not the playing");
        }
        // Heard from the start, moving on, ended within the sound's length and a margin.
        const qint64 frames = qint64(sound->frames());
        qint64 seen = -1;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            const qint64 now = output->playingFrame();
            if (now < 0 && seen >= 0)
                break;
            QVERIFY(now < 0 || (now >= seen && now <= frames));
            seen = std::max(seen, now);
            QTest::qWait(5);
        }
        QVERIFY(seen >= 0);
        QCOMPARE(output->playingFrame(), qint64(-1));
        QVERIFY(clock.elapsed() < 5000);
        // Stopped at once, whatever is still to be heard.
        QVERIFY(output->play(sound, 1.0));
        output->stop();
        QCOMPARE(output->playingFrame(), qint64(-1));
    }
};

QTEST_GUILESS_MAIN(TestWindowsSoundOutput)
#include "test_windows_sound_output.moc"
