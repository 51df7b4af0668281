#pragma once

#include "sound_attributes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>

class QLabel;
class QRect;
class QThreadPool;
class QTimer;
class QToolButton;
class QWidget;

namespace kelvane {

class RangeView;
class SoundOutput;
class WaveformView;
struct DecodedSound;
struct WaveformPeaks;

// Hearing and seeing the loaded sound in the single view: its length, its waveform decoded
// behind the window from the bytes already in memory, playing it, and the range picture in
// the waveform's strip. None of it touches the file or the boxes.
class SoundPreview final : public QObject
{
    Q_OBJECT

public:
    // Plays through `output`, or the system's own output opened on the first play; without a
    // range distance picked, at the level `boxVolume` gives.
    SoundPreview(QWidget *panel, SoundOutput *output, std::function<double()> boxVolume);
    ~SoundPreview() override;

    // The loaded sound: `bytes` as the decoder reads them; a sound read in part is only named,
    // and one whose shape the game's rules cannot judge is shown but not played.
    void show(std::optional<double> seconds, bool readInPart, bool playable,
              std::vector<std::uint8_t> bytes);
    void clear();
    void togglePlaying();
    void stopPlaying();
    // A sound of the table, played as it is on disk at `volume`; and stopping it.
    void playFile(const QString &path, double volume);
    void stopOutput();

    // The strip under the boxes: whether it has a waveform or a message to show, and laying it
    // out in `strip` (the range picture takes all of it, the waveform at most `waveHeight`).
    [[nodiscard]] bool holdsSomething() const;
    [[nodiscard]] int buttonWidth() const;
    void place(const QRect &strip, bool fits, int waveHeight);
    // What the range picture draws: the boxes' values, none without a block.
    void setRangeValues(const std::optional<SoundAttributes> &values);

Q_SIGNALS:
    void status(const QString &text);
    // The strip holds something else now: it is to be laid out again.
    void layoutChanged();
    // The range picture was shown or hidden: it wants the boxes' values, then a layout.
    void rangeToggled();

private:
    SoundOutput &output();
    void decoded(std::shared_ptr<const DecodedSound> sound, WaveformPeaks peaks);
    void followPlaying();
    void refreshWaveform();
    void showRange(bool shown);
    QToolButton *rangeButton();
    [[nodiscard]] double playingVolume();

    QWidget *panel_;
    std::function<double()> boxVolume_;
    QThreadPool *work_ = nullptr; // decodes and measures peaks, behind the window
    QLabel *lblDuration = nullptr;
    WaveformView *imgWaveform = nullptr;
    RangeView *imgRange = nullptr;   // made when first shown
    QToolButton *btnRange = nullptr; // made when the strip first shows something
    QTimer *playTimer_ = nullptr;    // moves the position line while playing
    std::unique_ptr<SoundOutput> ownOutput_;
    SoundOutput *output_ = nullptr;
    std::shared_ptr<const DecodedSound> decoded_; // the loaded sound, once decoded
    int generation_ = 0;                          // which load a finished decoding belongs to
    bool playable_ = false;                       // a sound is shown that may be played
    bool readInPart_ = false;                     // ... read in part, so neither decoded nor played
    bool playWhenDecoded_ = false;
};

} // namespace kelvane
