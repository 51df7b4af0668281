// The sound's range against values worked out by hand from the engine's rules: gain
// min / (min + 0.75 (d - min)) between the minimum and the maximum, full volume before, silence
// past the maximum; the block's volume multiplies it.
#include "game_rules.h"
#include "sound_range.h"

#include <cmath>

#include <QTest>

using namespace kelvane;

namespace {

SoundAttributes sound(float minDist, float maxDist, float volume, float ai)
{
    return {kAttributeBlockVersion, minDist, maxDist, volume, 0x80040000u, ai};
}

std::vector<GameWarningKind> rangeKinds(const SoundAttributes &attrs)
{
    std::vector<GameWarningKind> kinds;
    for (const GameWarning &warning : rangeWarnings(attrs))
        kinds.push_back(warning.kind);
    return kinds;
}

} // namespace

class TestSoundRange : public QObject
{
    Q_OBJECT

private slots:
    // Three typical sounds: a reload (0.7 / 20), a shot (5 / 300), an ambience (10 / 300).
    void typicalSoundsFallAsWorkedOutByHand()
    {
        const SoundAttributes reload = sound(0.7f, 20, 1, 8);
        // 0.7 / (0.7 + 0.75 * 19.3) = 0.046129
        QCOMPARE(std::round(decibels(gainAt(reload, 20)) * 100) / 100, -26.72);
        QCOMPARE(gainAt(reload, 0.3), 1.0);
        QCOMPARE(gainAt(reload, 20.01), 0.0);
        QVERIFY(std::abs(*distanceAtLevel(reload, -20) - 9.1) < 1e-4); // 0.7 + 6.3 / 0.75
        QVERIFY(!distanceAtLevel(reload, kQuietDecibels));             // 93.1 m: cut at 20 first

        const SoundAttributes shot = sound(5, 300, 1, 55);
        QCOMPARE(std::round(decibels(gainAt(shot, 300)) * 100) / 100, -33.11); // 5 / 226.25
        QVERIFY(std::abs(*distanceAtLevel(shot, -20) - 65) < 1e-4);            // 5 + 45 / 0.75
        QVERIFY(!distanceAtLevel(shot, kQuietDecibels));                       // 665 m

        SoundAttributes ambience = sound(10, 300, 1, 2);
        QCOMPARE(std::round(decibels(gainAt(ambience, 35)) * 100) / 100, -9.17); // 10 / 28.75
        QVERIFY(std::abs(*distanceAtLevel(ambience, -20) - 130) < 1e-4);         // 10 + 90 / 0.75
        ambience.baseValue = 0.5f; // -6 dB more everywhere, so -20 dB comes sooner
        QVERIFY(std::abs(*distanceAtLevel(ambience, -20) - 63.3333) < 1e-3);
        QCOMPARE(aiHearing(ambience), 2.0);
        for (const SoundAttributes &typical : {reload, shot, ambience})
            QVERIFY(rangeWarnings(typical).empty());
    }

    // The edges: a minimum equal to the maximum and a minimum of 0 play at full volume up to the
    // cut (heard to stop there); a maximum below 0.1 is the game's stop, not a notice; NPCs
    // hearing farther than the player is one.
    void edgesOfTheRange()
    {
        const SoundAttributes flat = sound(5, 5, 1, 5);
        QCOMPARE(gainAt(flat, 5), 1.0);
        QCOMPARE(gainAt(flat, 5.5), 0.0);
        QVERIFY(!distanceAtLevel(flat, -20));
        QCOMPARE(rangeKinds(flat), std::vector{GameWarningKind::LoudAtMax});
        QCOMPARE(rangeWarnings(flat).front().text.args.front(), std::string("0.0"));

        const SoundAttributes noMinimum = sound(0, 20, 0.8f, 5);
        QCOMPARE(gainAt(noMinimum, 19), double(0.8f));
        QCOMPARE(rangeKinds(noMinimum), std::vector{GameWarningKind::LoudAtMax});

        QVERIFY(rangeWarnings(sound(0, 0.05f, 1, 5)).empty());
        QCOMPARE(gainAt(sound(0, 0.05f, 1, 5), 0.06), 0.0);

        const SoundAttributes farEars = sound(0.7f, 20, 1, 30);
        QCOMPARE(rangeKinds(farEars), std::vector{GameWarningKind::AIBeyondMax});
        QCOMPARE(rangeWarnings(farEars).front().text.args, (std::vector<std::string>{"30", "20"}));
        QCOMPARE(levelOf(GameWarningKind::AIBeyondMax), GameWarningLevel::Notice);
        // Silent everywhere: nothing to hear cut off.
        QVERIFY(rangeWarnings(sound(5, 5, 0, 5)).empty());
    }
};

QTEST_APPLESS_MAIN(TestSoundRange)
#include "test_sound_range.moc"
