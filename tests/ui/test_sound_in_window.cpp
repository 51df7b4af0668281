#include "form_fixture.h"
#include "kelvane_application.h"
#include "range_view.h"
#include "waveform_view.h"

#include <QThreadPool>
#include <QToolButton>
#include <QToolTip>

using namespace kelvane;

class TestSoundInWindow : public QObject, FormFixture
{
    Q_OBJECT

    WaveformView *waveform() { return w<WaveformView>("imgWaveform"); }
    bool decoded()
    {
        return QTest::qWaitFor([this] { return waveform()->hasSound(); });
    }
    void clickStrip() { QTest::mouseClick(w<QLabel>("pnlFileName"), Qt::LeftButton); }
    void shortcut()
    {
        QTest::keyClick(w<QListView>("lstFiles"), Qt::Key_Space, Qt::ControlModifier);
    }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    // The length from the last page, the waveform once decoded (a wrong checksum repaired, as
    // Apply would), one column per pixel, and nothing left of it on the next file.
    void showsTheLengthAndTheWaveform()
    {
        add("bad_checksum.ogg");
        const QString tone = fixtures::encodeTone(folder, "tone.ogg", 1, 1.5, {}, 0, 22050);
        QVERIFY(load("tone.ogg"));
        const double seconds = double(fixtures::decodedSamples(tone).size() / 2) / 22050.0;
        QCOMPARE(w<QLabel>("lblDuration")->text(),
                 QString("Length: %1 s (0:01)").arg(seconds, 0, 'f', 3));
        QVERIFY(decoded());
        QVERIFY(waveform()->isVisible());
        QCOMPARE(waveform()->peaks().channels.size(), std::size_t(1));
        QCOMPARE(waveform()->peaks().channels[0].size(), std::size_t(waveform()->width()));

        driver::answerMessageBox(QMessageBox::No); // the block inserted into the tone
        QVERIFY(click("bad_checksum.ogg"));
        QVERIFY(!waveform()->hasSound());
        QVERIFY(decoded());
        QVERIFY(w<QLabel>("lblDuration")->text().startsWith("Length: "));
    }

    // Play and stop by the strip and by Ctrl+Space, at the volume in the box as far as an
    // output goes; the line follows the sound; a new file, a folder change and closing stop it.
    void playsAndStops()
    {
        add("mono_block.ogg");
        add("stereo_block.ogg");
        QVERIFY(load("mono_block.ogg"));
        QVERIFY(decoded());
        clickStrip();
        QVERIFY(output.playing);
        QCOMPARE(output.playing->channels, 1u);
        output.frame = qint64(output.playing->frames() / 2);
        QTRY_VERIFY(qAbs(waveform()->position() - 0.5) < 0.01);
        clickStrip();
        QVERIFY(!output.playing);
        QCOMPARE(waveform()->position(), -1.0);

        type("txtBaseValue", "0.5");
        shortcut();
        QVERIFY(output.playing);
        shortcut();
        QVERIFY(!output.playing);
        type("txtBaseValue", "2.0");
        shortcut();
        QCOMPARE(output.volumes, QList<double>({1.0, 0.5, 1.0}));

        const auto question = driver::answerMessageBox(QMessageBox::No);
        QVERIFY(click("stereo_block.ogg"));
        QVERIFY(!output.playing);
        QVERIFY(decoded());
        clickStrip();
        QCOMPARE(output.playing->channels, 2u);
        QTest::mouseClick(w<QPushButton>("btnSelectDirectory"), Qt::LeftButton,
                          Qt::ControlModifier);
        QVERIFY(!output.playing);
        QVERIFY(click("stereo_block.ogg"));
        QVERIFY(decoded());
        clickStrip();
        QVERIFY(output.playing);
        form->close();
        QVERIFY(!output.playing);
    }

    // The range picture takes the waveform's place, follows the boxes as they are typed, and a
    // click on it makes the sound play at the game's level for that distance (the box's volume
    // included), silent past the maximum; without it the sound plays at the box's volume.
    void playsAtTheLevelOfADistancePicked()
    {
        add("mono_block.ogg");
        QVERIFY(load("mono_block.ogg"));
        QVERIFY(decoded());
        QTest::mouseClick(w<QToolButton>("btnRange"), Qt::LeftButton);
        auto *range = w<RangeView>("imgRange");
        QVERIFY(range->isVisible() && !waveform()->isVisible());
        QCOMPARE(range->values()->maxDist, 20.0f);
        // The fall to the cut (-26.7 dB at 20 m) fills the picture, which takes the room a taller
        // window gives it.
        QCOMPARE(range->bottomLevel(), -30.0);
        const int before = range->height();
        form->resize(form->width(), form->height() + 200);
        QCOMPARE(range->height(), before + 200);
        // A maximum the game stops on is named as the reason there is no picture.
        type("txtMaxDist", "0.05");
        QVERIFY2(range->whyNotDrawn().contains("Invalid max distance"),
                 qPrintable(range->whyNotDrawn()));
        type("txtMaxDist", "40");
        type("txtBaseValue", "0.5");
        QCOMPARE(range->values()->maxDist, 40.0f);
        QCOMPARE(range->whyNotDrawn(), QString());

        // The level under the pointer stays while the pointer rests there.
        const QPoint at(range->columnOf(35), range->height() / 2);
        QTest::mouseMove(range, at);
        QTest::qWait(1200); // past the toolkit's tooltip delay
        const QString level = range->levelText(range->distanceAt(at.x()));
        QVERIFY2(QToolTip::isVisible() && QToolTip::text().startsWith(level),
                 qPrintable(QToolTip::text()));
        QTest::mouseClick(range, Qt::LeftButton, {}, at);
        const double distance = *range->listeningDistance();
        QVERIFY(std::abs(distance - 35) < 1);
        QCOMPARE(form->statusText(), " at " + range->levelText(distance));
        clickStrip();
        // 0.5 x 0.7 / (0.7 + 0.75 (d - 0.7))
        QVERIFY(std::abs(output.volumes.last() - 0.35 / (0.7 + 0.75 * (distance - 0.7))) < 1e-4);
        clickStrip();
        QTest::mouseClick(range, Qt::LeftButton, {}, {range->columnOf(43), range->height() / 2});
        QVERIFY(form->statusText().endsWith("silent"));
        clickStrip();
        QCOMPARE(output.volumes.last(), 0.0);
        clickStrip();
        QTest::mouseClick(w<QToolButton>("btnRange"), Qt::LeftButton);
        QVERIFY(!range->isVisible() && waveform()->isVisible());
        clickStrip();
        QCOMPARE(output.volumes.last(), 0.5);
    }

    // A decoding handed back after another file was chosen is dropped: the other file, read in
    // part, is never decoded, so only the dropped result could show a waveform.
    void aLateDecodingIsDropped()
    {
        add("stereo_block.ogg");
        QByteArray big = fixtures::readFile(fixtures::samplePath("mono_block.ogg"));
        big.resize(10'485'761);
        put("big.ogg", big);
        QVERIFY(load("stereo_block.ogg"));
        QVERIFY(click("big.ogg")); // before the event loop hands the first decoding back
        form->findChild<QThreadPool *>()->waitForDone();
        QTest::qWait(50);
        QCOMPARE(waveform()->message(), QString("read in part: not decoded"));
        QVERIFY(!waveform()->hasSound());
    }

    // An ended sound takes the line away and is left to drain; without a sound card, a file read in
    // part, or a file that does not decode, Play says why and nothing else changes.
    void saysWhyItCannotPlay()
    {
        add("mono_block.ogg");
        QVERIFY(load("mono_block.ogg"));
        QVERIFY(decoded());
        clickStrip();
        const int stops = output.stops;
        output.playing.reset(); // it played to its end
        QTRY_COMPARE(waveform()->position(), -1.0);
        QCOMPARE(output.stops, stops); // stopping an ended sound cuts what is still to be heard

        output.available = false;
        clickStrip();
        QCOMPARE(form->statusText(), QString(" No audio output is available."));
        QVERIFY(!enabled("btnApply"));

        // Whole headers, and the audio cut off inside its first page.
        QByteArray cut = fixtures::readFile(fixtures::samplePath("mono_block.ogg"));
        cut.truncate(3700);
        put("cut.ogg", cut);
        QVERIFY(load("cut.ogg"));
        QTRY_COMPARE(waveform()->message(), QString("cannot be decoded"));
        QVERIFY(waveform()->isVisible());
        output.available = true;
        clickStrip();
        QVERIFY(form->statusText().startsWith(" The sound cannot be decoded: "));
        QVERIFY(!output.playing);

        QByteArray big = fixtures::readFile(fixtures::samplePath("mono_block.ogg"));
        big.resize(10'485'761);
        put("big.ogg", big);
        QVERIFY(load("big.ogg"));
        QCOMPARE(waveform()->message(), QString("read in part: not decoded"));
        clickStrip();
        QCOMPARE(form->statusText(),
                 QString(" A file over 10 MiB is read in part and cannot be played."));
        QVERIFY(!output.playing);
    }
};

int main(int argc, char *argv[])
{
    KelvaneApplication app(argc, argv);
    TestSoundInWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_sound_in_window.moc"
