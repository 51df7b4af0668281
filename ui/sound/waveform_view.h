#pragma once

#include "waveform_peaks.h"

#include <memory>

#include <QWidget>

namespace kelvane {

// The sound's peak envelope, one column per pixel with its channels overlaid, and a line where
// it plays; or a short text in its place.
class WaveformView : public QWidget
{
    Q_OBJECT

public:
    explicit WaveformView(QWidget *parent);

    // The sound with its peaks for `peaksWidth` columns (made off the interface thread).
    void showSound(std::shared_ptr<const DecodedSound> sound, WaveformPeaks peaks);
    void showMessage(const QString &text);
    void clear();
    // Where the line is, as a share of the sound's length; below 0 hides it.
    void setPosition(double share);

    [[nodiscard]] bool hasSound() const { return sound_ != nullptr; }
    [[nodiscard]] const QString &message() const { return message_; }
    [[nodiscard]] const WaveformPeaks &peaks() const { return peaks_; }
    [[nodiscard]] double position() const { return position_; }
    [[nodiscard]] bool holdsSomething() const { return sound_ || !message_.isEmpty(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<const DecodedSound> sound_;
    WaveformPeaks peaks_;
    QString message_;
    double position_ = -1;
};

} // namespace kelvane
