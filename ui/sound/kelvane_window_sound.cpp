// Hearing and seeing the loaded sound: its length, its waveform, decoded off the interface
// thread from the image already in memory, and playing it at the base volume in the box. None
// of it touches the file or the attribute controls.
#include "attribute_editor.h"
#include "caption_panel.h"
#include "file_system.h"
#include "kelvane_window.h"
#include "message_words.h"
#include "number_text.h"
#include "qt_text.h"
#include "range_view.h"
#include "sound_output.h"
#include "sound_range.h"
#include "waveform_view.h"
#include "widget_making.h"

#include <algorithm>

#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QThreadPool>
#include <QTimer>
#include <QToolButton>
#include <QtConcurrent>

namespace kelvane {

namespace {

constexpr int kPositionTick = 30; // ms between moves of the position line

// Runs `work` on the sound thread and hands its result to `done` on the interface thread.
// Decoding a long sound takes a core for a quarter of a second, so it runs at a lower priority.
template<typename Work, typename Done>
void behindTheWindow(QObject *owner, QThreadPool *pool, Work work, Done done)
{
    using Result = decltype(work());
    auto *watcher = new QFutureWatcher<Result>(owner);
    QObject::connect(watcher, &QFutureWatcher<Result>::finished, owner, [watcher, done] {
        watcher->deleteLater();
        done(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(pool, [work] {
        fs::yieldToTheWindow();
        return work();
    }));
}

} // namespace

void KelvaneWindow::buildSoundViews()
{
    lblDuration = named(new QLabel(pnlAttributes), "lblDuration");
    lblDuration->setFont(sansFont(8));
    lblDuration->setGeometry(120, 70, 325, 18);
    imgWaveform = named(new WaveformView(pnlAttributes), "imgWaveform");
    imgWaveform->setFont(sansFont(8));
    imgWaveform->hide();
    // Made before any watcher, so it is destroyed first: it waits for a decoding under way.
    soundWork_ = new QThreadPool(this);
    soundWork_->setMaxThreadCount(1);
    playTimer_ = new QTimer(this);
    playTimer_->setInterval(kPositionTick);
    connect(playTimer_, &QTimer::timeout, this, &KelvaneWindow::followPlaying);
    auto *play = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space), this);
    play->setContext(Qt::WindowShortcut);
    connect(play, &QShortcut::activated, this, &KelvaneWindow::togglePlaying);
    connect(pnlFileName, &CaptionPanel::clicked, this, &KelvaneWindow::togglePlaying);
}

SoundOutput &KelvaneWindow::output()
{
    // Made on first use: the audio system is not started for a window that never plays.
    if (!output_) {
        ownOutput_ = openSystemSoundOutput();
        output_ = ownOutput_.get();
    }
    return *output_;
}

void KelvaneWindow::showSoundOf(const Inspection &found)
{
    if (found.outcome == LoadOutcome::Refused || !session_.image())
        return;
    if (const auto seconds = session_.seconds())
        lblDuration->setText(tr("Length: ") +
                             lengthText(*seconds, userDecimalSeparator(), tr("s", "seconds")));
    if (session_.image()->readInPart()) {
        imgWaveform->showMessage(tr("read in part: not decoded"));
        placeGameWarnings();
        return;
    }
    if (!btnRange) {
        rangeButton(); // the strip makes room for it before the peaks are made for its width
        placeGameWarnings();
    }
    auto bytes = std::make_shared<const std::vector<std::uint8_t>>(session_.playableBytes());
    const int generation = ++decodeGeneration_;
    const int columns = std::max(imgWaveform->width(), 1);
    using Decoded = std::pair<std::shared_ptr<const DecodedSound>, WaveformPeaks>;
    behindTheWindow(
        this, soundWork_,
        [bytes, columns] {
            auto sound = std::make_shared<const DecodedSound>(decodeSound(*bytes));
            WaveformPeaks peaks = waveformPeaks(*sound, columns);
            return Decoded{std::move(sound), std::move(peaks)};
        },
        [this, generation](const Decoded &decoded) {
            if (generation == decodeGeneration_) // not since replaced by another file
                soundDecoded(decoded.first, decoded.second);
        });
}

void KelvaneWindow::soundDecoded(std::shared_ptr<const DecodedSound> sound, WaveformPeaks peaks)
{
    decoded_ = std::move(sound);
    if (decoded_->decoded())
        imgWaveform->showSound(decoded_, std::move(peaks));
    else
        imgWaveform->showMessage(tr("cannot be decoded"));
    placeGameWarnings();
    if (std::exchange(playWhenDecoded_, false))
        togglePlaying();
}

void KelvaneWindow::clearSound()
{
    stopPlaying();
    ++decodeGeneration_;
    decoded_.reset();
    playWhenDecoded_ = false;
    lblDuration->clear();
    imgWaveform->clear();
    placeGameWarnings();
}

void KelvaneWindow::togglePlaying()
{
    if (playTimer_->isActive() || playWhenDecoded_) {
        stopPlaying();
        return;
    }
    if (!session_.image() || !session_.facts())
        return;
    if (session_.image()->readInPart()) {
        setStatusText(tr(" A file over 10 MiB is read in part and cannot be played."));
        return;
    }
    if (!decoded_) {
        playWhenDecoded_ = true; // still decoding: it plays as soon as it is done
        return;
    }
    if (!decoded_->decoded()) {
        setStatusText(tr(" The sound cannot be decoded: ") + toQString(decoded_->failure) +
                      QLatin1Char('.'));
        return;
    }
    if (!output().play(decoded_, playingVolume())) {
        setStatusText(tr(" No audio output is available."));
        return;
    }
    playTimer_->start();
    followPlaying();
}

void KelvaneWindow::stopPlaying()
{
    playWhenDecoded_ = false;
    if (!playTimer_->isActive())
        return;
    playTimer_->stop();
    output().stop();
    imgWaveform->setPosition(-1);
}

void KelvaneWindow::followPlaying()
{
    const qint64 frame = output().playingFrame();
    if (frame < 0 || !decoded_ || decoded_->frames() == 0) {
        // Played to its end: the output is left to drain what the sound server still holds,
        // which stopping it now would cut off.
        playTimer_->stop();
        imgWaveform->setPosition(-1);
        return;
    }
    imgWaveform->setPosition(std::min(1.0, double(frame) / double(decoded_->frames())));
}

// Peaks for the width the waveform has now, made off the interface thread.
void KelvaneWindow::refreshWaveform()
{
    if (!decoded_ || !decoded_->decoded() || imgWaveform->width() <= 0 ||
        imgWaveform->peaks().channels.empty() ||
        imgWaveform->peaks().channels.front().size() == std::size_t(imgWaveform->width()))
        return;
    const auto sound = decoded_;
    const int columns = imgWaveform->width();
    const int generation = decodeGeneration_;
    behindTheWindow(
        this, soundWork_, [sound, columns] { return waveformPeaks(*sound, columns); },
        [this, generation, sound](const WaveformPeaks &peaks) {
            if (generation == decodeGeneration_ && sound == decoded_) {
                const double at = imgWaveform->position();
                imgWaveform->showSound(sound, peaks);
                imgWaveform->setPosition(at);
            }
        });
}

// A sound of the table, played as it is on disk (its checksum repaired in memory) at `volume`.
void KelvaneWindow::playFile(const QString &path, double volume)
{
    stopPlaying();
    behindTheWindow(
        this, soundWork_,
        [path] {
            EditSession sound;
            sound.load(path, path);
            return std::make_shared<const DecodedSound>(decodeSound(sound.playableBytes()));
        },
        [this, volume](const std::shared_ptr<const DecodedSound> &sound) {
            if (!sound->decoded())
                setStatusText(tr(" The sound cannot be decoded: ") + toQString(sound->failure) +
                              QLatin1Char('.'));
            else if (!output().play(sound, volume))
                setStatusText(tr(" No audio output is available."));
        });
}

// The level the box means, as far as an output can play it (0 to 1); with the range shown and a
// distance picked, the level the game gives it there.
double KelvaneWindow::playingVolume()
{
    if (imgRange && imgRange->isVisible() && imgRange->listeningDistance() && imgRange->values()) {
        const double distance = *imgRange->listeningDistance();
        setStatusText(tr(" at %1").arg(imgRange->levelText(distance)));
        return std::clamp(gainAt(*imgRange->values(), distance), 0.0, 1.0);
    }
    return std::clamp(double(editor_->typed(AttributeField::Volume).value_or(1.0f)), 0.0, 1.0);
}

// Made when the strip first shows something: the window starts without it.
QToolButton *KelvaneWindow::rangeButton()
{
    if (!btnRange) {
        btnRange = named(new QToolButton(pnlAttributes), "btnRange");
        btnRange->setText(tr("Range"));
        btnRange->setToolTip(tr("How loud the game plays the sound at each distance, from the "
                                "values in the boxes; click the picture to listen from there"));
        btnRange->setFont(sansFont(8));
        btnRange->setCheckable(true);
        connect(btnRange, &QToolButton::toggled, this, &KelvaneWindow::showRange);
    }
    return btnRange;
}

void KelvaneWindow::showRange(bool shown)
{
    if (shown && !imgRange) {
        imgRange = named(new RangeView(pnlAttributes), "imgRange");
        imgRange->setFont(sansFont(8));
        connect(imgRange, &RangeView::listeningChanged, this, &KelvaneWindow::listenFrom);
    }
    rangeButton()->setChecked(shown);
    updateGameWarnings(); // which gives the picture the boxes' values
    placeGameWarnings();
}

void KelvaneWindow::listenFrom(double distance)
{
    setStatusText(tr(" at %1").arg(imgRange->levelText(distance)));
}

} // namespace kelvane
