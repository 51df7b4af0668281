#include "waveform_view.h"

#include <QPainter>

namespace kelvane {

namespace {

// One colour a channel, see-through so that the channels overlaid all show.
QColor channelColour(std::size_t channel)
{
    static const QColor colours[] = {QColor(0x1F, 0x5F, 0xB0, 170), QColor(0xD0, 0x6A, 0x10, 140),
                                     QColor(0x2E, 0x8B, 0x57, 140), QColor(0x80, 0x40, 0xA0, 140)};
    return colours[channel % std::size(colours)];
}

} // namespace

WaveformView::WaveformView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WaveformView::showSound(std::shared_ptr<const DecodedSound> sound, WaveformPeaks peaks)
{
    sound_ = std::move(sound);
    peaks_ = std::move(peaks);
    message_.clear();
    position_ = -1;
    update();
}

void WaveformView::showMessage(const QString &text)
{
    sound_.reset();
    peaks_ = {};
    message_ = text;
    position_ = -1;
    update();
}

void WaveformView::clear()
{
    showMessage(QString());
}

void WaveformView::setPosition(double share)
{
    if (share == position_)
        return;
    position_ = share;
    update();
}

void WaveformView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!sound_) {
        painter.setPen(palette().placeholderText().color());
        painter.drawText(rect(), Qt::AlignCenter, message_);
        return;
    }
    const int middle = height() / 2;
    const double half = (height() - 4) / 2.0;
    painter.drawLine(1, middle, width() - 2, middle);
    for (std::size_t channel = 0; channel < peaks_.channels.size(); ++channel) {
        painter.setPen(channelColour(channel));
        const std::vector<float> &column = peaks_.channels[channel];
        // Peaks made for another width are stretched until new ones come.
        for (int x = 1; x < width() - 1; ++x) {
            const auto at = static_cast<std::size_t>(x) * column.size() / std::size_t(width());
            const int reach = static_cast<int>(column[at] * half + 0.5);
            painter.drawLine(x, middle - reach, x, middle + reach);
        }
    }
    if (position_ >= 0) {
        painter.setPen(QPen(palette().highlight().color(), 1));
        const int x = static_cast<int>(position_ * (width() - 1));
        painter.drawLine(x, 0, x, height() - 1);
    }
}

} // namespace kelvane
