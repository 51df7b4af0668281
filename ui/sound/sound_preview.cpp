#include "sound_preview.h"

#include "edit_session.h"
#include "file_system.h"
#include "number_text.h"
#include "qt_text.h"
#include "range_view.h"
#include "sound_decoder.h"
#include "sound_output.h"
#include "sound_range.h"
#include "waveform_peaks.h"
#include "waveform_view.h"
#include "widget_making.h"

#include <algorithm>

#include <QFutureWatcher>
#include <QLabel>
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
void offTheWindowThread(QObject *owner, QThreadPool *pool, Work work, Done done)
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

SoundPreview::SoundPreview(QWidget *panel, SoundOutput *output, std::function<double()> boxVolume)
    : QObject(panel)
    , panel_(panel)
    , boxVolume_(std::move(boxVolume))
    , output_(output)
{
    // Made before any watcher, so it is destroyed first: it waits for a decoding under way.
    work_ = new QThreadPool(this);
    work_->setMaxThreadCount(1);
    lblDuration = named(new QLabel(panel), "lblDuration");
    lblDuration->setFont(sansFont(8));
    lblDuration->setGeometry(120, 70, 325, 18);
    imgWaveform = named(new WaveformView(panel), "imgWaveform");
    imgWaveform->setFont(sansFont(8));
    imgWaveform->hide();
    playTimer_ = new QTimer(this);
    playTimer_->setInterval(kPositionTick);
    connect(playTimer_, &QTimer::timeout, this, &SoundPreview::followPlaying);
}

SoundPreview::~SoundPreview() = default;

SoundOutput &SoundPreview::output()
{
    // Made on first use: the audio system is not started for a window that never plays.
    if (!output_) {
        ownOutput_ = openSystemSoundOutput();
        output_ = ownOutput_.get();
    }
    return *output_;
}

void SoundPreview::show(std::optional<double> seconds, bool readInPart, bool playable,
                        std::vector<std::uint8_t> bytes)
{
    playable_ = playable;
    readInPart_ = readInPart;
    if (seconds)
        lblDuration->setText(tr("Length: ") +
                             lengthText(*seconds, userDecimalSeparator(), tr("s", "seconds")));
    if (readInPart) {
        imgWaveform->showMessage(tr("read in part: not decoded"));
        Q_EMIT layoutChanged();
        return;
    }
    if (!btnRange) {
        rangeButton(); // the strip makes room for it before the peaks are made for its width
        Q_EMIT layoutChanged();
    }
    auto shared = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    const int generation = ++generation_;
    const int columns = std::max(imgWaveform->width(), 1);
    using Decoded = std::pair<std::shared_ptr<const DecodedSound>, WaveformPeaks>;
    offTheWindowThread(
        this, work_,
        [shared, columns] {
            auto sound = std::make_shared<const DecodedSound>(decodeSound(*shared));
            WaveformPeaks peaks = waveformPeaks(*sound, columns);
            return Decoded{std::move(sound), std::move(peaks)};
        },
        [this, generation](const Decoded &done) {
            if (generation == generation_) // not since replaced by another file
                decoded(done.first, done.second);
        });
}

void SoundPreview::decoded(std::shared_ptr<const DecodedSound> sound, WaveformPeaks peaks)
{
    decoded_ = std::move(sound);
    if (decoded_->decoded())
        imgWaveform->showSound(decoded_, std::move(peaks));
    else
        imgWaveform->showMessage(tr("cannot be decoded"));
    Q_EMIT layoutChanged();
    if (std::exchange(playWhenDecoded_, false))
        togglePlaying();
}

void SoundPreview::clear()
{
    stopPlaying();
    ++generation_;
    decoded_.reset();
    playable_ = readInPart_ = playWhenDecoded_ = false;
    lblDuration->clear();
    imgWaveform->clear();
    Q_EMIT layoutChanged();
}

void SoundPreview::togglePlaying()
{
    if (playTimer_->isActive() || playWhenDecoded_) {
        stopPlaying();
        return;
    }
    if (!playable_)
        return;
    if (readInPart_) {
        Q_EMIT status(tr(" A file over 10 MiB is read in part and cannot be played."));
        return;
    }
    if (!decoded_) {
        playWhenDecoded_ = true; // still decoding: it plays as soon as it is done
        return;
    }
    if (!decoded_->decoded()) {
        Q_EMIT status(tr(" The sound cannot be decoded: ") + toQString(decoded_->failure) +
                      QLatin1Char('.'));
        return;
    }
    if (!output().play(decoded_, playingVolume())) {
        Q_EMIT status(tr(" No audio output is available."));
        return;
    }
    playTimer_->start();
    followPlaying();
}

void SoundPreview::stopPlaying()
{
    playWhenDecoded_ = false;
    if (!playTimer_->isActive())
        return;
    playTimer_->stop();
    output().stop();
    imgWaveform->setPosition(-1);
}

void SoundPreview::stopOutput()
{
    if (output_)
        output_->stop();
}

void SoundPreview::followPlaying()
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
void SoundPreview::refreshWaveform()
{
    if (!decoded_ || !decoded_->decoded() || imgWaveform->width() <= 0 ||
        imgWaveform->peaks().channels.empty() ||
        imgWaveform->peaks().channels.front().size() == std::size_t(imgWaveform->width()))
        return;
    const auto sound = decoded_;
    const int columns = imgWaveform->width();
    const int generation = generation_;
    offTheWindowThread(
        this, work_, [sound, columns] { return waveformPeaks(*sound, columns); },
        [this, generation, sound](const WaveformPeaks &peaks) {
            if (generation == generation_ && sound == decoded_) {
                const double at = imgWaveform->position();
                imgWaveform->showSound(sound, peaks);
                imgWaveform->setPosition(at);
            }
        });
}

void SoundPreview::playFile(const QString &path, double volume)
{
    stopPlaying();
    offTheWindowThread(
        this, work_,
        [path] {
            EditSession sound;
            sound.load(path, path);
            return std::make_shared<const DecodedSound>(decodeSound(sound.playableBytes()));
        },
        [this, volume](const std::shared_ptr<const DecodedSound> &sound) {
            if (!sound->decoded())
                Q_EMIT status(tr(" The sound cannot be decoded: ") + toQString(sound->failure) +
                              QLatin1Char('.'));
            else if (!output().play(sound, volume))
                Q_EMIT status(tr(" No audio output is available."));
        });
}

// The level the box means, as far as an output can play it (0 to 1); with the range shown and a
// distance picked, the level the game gives it there.
double SoundPreview::playingVolume()
{
    if (imgRange && imgRange->isVisible() && imgRange->listeningDistance() && imgRange->values()) {
        const double distance = *imgRange->listeningDistance();
        Q_EMIT status(tr(" at %1").arg(imgRange->levelText(distance)));
        return std::clamp(gainAt(*imgRange->values(), distance), 0.0, 1.0);
    }
    return std::clamp(boxVolume_(), 0.0, 1.0);
}

bool SoundPreview::holdsSomething() const
{
    return imgWaveform->holdsSomething();
}

int SoundPreview::buttonWidth() const
{
    return btnRange ? btnRange->sizeHint().width() : 0;
}

void SoundPreview::place(const QRect &strip, bool fits, int waveHeight)
{
    const bool range = fits && btnRange && btnRange->isChecked();
    imgWaveform->setGeometry(strip.adjusted(0, 0, 0, std::min(waveHeight - strip.height(), 0)));
    imgWaveform->setVisible(fits && !range);
    if (imgRange) {
        imgRange->setGeometry(strip);
        imgRange->setVisible(range);
    }
    if (btnRange) {
        const QSize button = btnRange->sizeHint();
        btnRange->setGeometry(strip.right() + 5, strip.top(), button.width(),
                              std::min(button.height(), strip.height()));
        btnRange->setVisible(fits);
    }
    refreshWaveform();
}

void SoundPreview::setRangeValues(const std::optional<SoundAttributes> &values)
{
    if (imgRange)
        imgRange->setValues(values);
}

// Made when the strip first shows something: the window starts without it.
QToolButton *SoundPreview::rangeButton()
{
    if (!btnRange) {
        btnRange = named(new QToolButton(panel_), "btnRange");
        btnRange->setText(tr("Range"));
        btnRange->setToolTip(tr("How loud the game plays the sound at each distance, from the "
                                "values in the boxes; click the picture to listen from there"));
        btnRange->setFont(sansFont(8));
        btnRange->setCheckable(true);
        connect(btnRange, &QToolButton::toggled, this, &SoundPreview::showRange);
    }
    return btnRange;
}

void SoundPreview::showRange(bool shown)
{
    if (shown && !imgRange) {
        imgRange = named(new RangeView(panel_), "imgRange");
        imgRange->setFont(sansFont(8));
        connect(imgRange, &RangeView::listeningChanged, this, [this](double distance) {
            Q_EMIT status(tr(" at %1").arg(imgRange->levelText(distance)));
        });
    }
    rangeButton()->setChecked(shown);
    Q_EMIT rangeToggled();
}

} // namespace kelvane
