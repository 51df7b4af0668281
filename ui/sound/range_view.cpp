#include "range_view.h"

#include "game_rules.h"
#include "message_words.h"
#include "number_text.h"
#include "sound_range.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

namespace kelvane {

namespace {

// The bottom edge is the level where the game cuts the sound off, rounded down to 10 dB, so the
// whole fall fills the picture; never below -60 dB, nor above -10 dB.
constexpr double kLowestLevel = -60.0;
constexpr double kHighestBottom = -10.0;
constexpr int kMargin = 2;

QString decimal(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), userDecimalSeparator());
}

QString metres(double distance)
{
    return decimal(distance, distance < 10 ? 1 : 0) + RangeView::tr(" m");
}

} // namespace

RangeView::RangeView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setToolTip(hint());
}

void RangeView::setValues(const std::optional<SoundAttributes> &attrs)
{
    attrs_ = attrs;
    update();
}

void RangeView::setListeningDistance(std::optional<double> distance)
{
    listening_ = distance;
    update();
}

bool RangeView::drawable() const
{
    return attrs_ && std::isfinite(attrs_->maxDist) && attrs_->maxDist >= 0.1f &&
           std::isfinite(attrs_->minDist) && attrs_->minDist >= 0 &&
           attrs_->minDist <= attrs_->maxDist;
}

QString RangeView::whyNotDrawn() const
{
    if (drawable())
        return {};
    // The real reason where there is one: a maximum the game stops on, say.
    const auto problem = attrs_ ? rangeProblem(*attrs_) : std::nullopt;
    return problem ? translated(problem->text) : tr("no range: the distances are not valid");
}

double RangeView::farthest() const
{
    return std::max(double(attrs_->maxDist) * 1.1, double(attrs_->maxAIDist) * 1.05);
}

double RangeView::distanceAt(int x) const
{
    if (!drawable())
        return 0;
    const int span = std::max(width() - 2 * kMargin, 1);
    return std::clamp(double(x - kMargin) / span, 0.0, 1.0) * farthest();
}

int RangeView::columnOf(double distance) const
{
    if (!drawable())
        return 0;
    return kMargin + int(std::lround(distance / farthest() * (width() - 2 * kMargin)));
}

double RangeView::bottomLevel() const
{
    if (!drawable())
        return kLowestLevel;
    const double atCut = decibels(gainAt(*attrs_, attrs_->maxDist));
    if (!std::isfinite(atCut))
        return kLowestLevel;
    return std::clamp(std::floor((atCut - 1) / 10) * 10, kLowestLevel, kHighestBottom);
}

int RangeView::rowOf(double level) const
{
    const double share = std::clamp(level / bottomLevel(), 0.0, 1.0);
    return kMargin + int(std::lround(share * (height() - 2 * kMargin)));
}

QString RangeView::levelText(double distance) const
{
    if (!drawable())
        return {};
    const double level = decibels(gainAt(*attrs_, distance));
    if (!std::isfinite(level))
        return tr("%1: silent").arg(metres(distance));
    return tr("%1: %2 dB").arg(metres(distance), decimal(level, 1));
}

void RangeView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!drawable()) {
        painter.setPen(palette().placeholderText().color());
        painter.drawText(rect().adjusted(kMargin, 0, -kMargin, 0),
                         Qt::AlignCenter | Qt::TextWordWrap, whyNotDrawn());
        return;
    }
    // The levels every 10 dB (20 dB on a deep scale), faint.
    painter.setPen(QPen(palette().midlight().color(), 1, Qt::DotLine));
    const double bottom = bottomLevel();
    const double step = bottom < -30 ? 20 : 10;
    for (double level = -step; level > bottom; level -= step)
        painter.drawLine(kMargin, rowOf(level), width() - kMargin, rowOf(level));
    // The curve, one point per column, down to the bottom where the game cuts the sound off.
    QPainterPath curve;
    const int cut = columnOf(attrs_->maxDist);
    for (int x = kMargin; x <= cut; ++x) {
        const QPointF point(
            x, rowOf(decibels(gainAt(*attrs_, std::min(distanceAt(x), double(attrs_->maxDist))))));
        x == kMargin ? curve.moveTo(point) : curve.lineTo(point);
    }
    curve.lineTo(cut, height() - kMargin);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().highlight().color(), 2));
    painter.drawPath(curve);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawMarks(painter);
}

// The AI distance, the faint point, the listening distance and the scale's words.
void RangeView::drawMarks(QPainter &painter) const
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.ascent();
    painter.setPen(QPen(QColor(0xB0, 0x60, 0x00), 1, Qt::DashLine));
    const int ai = columnOf(aiHearing(*attrs_));
    painter.drawLine(ai, kMargin, ai, height() - kMargin);
    painter.drawText(ai + 3, kMargin + line, tr("AI %1").arg(metres(aiHearing(*attrs_))));
    painter.setPen(palette().text().color());
    if (const auto faint = distanceAtLevel(*attrs_, kQuietDecibels); faint && *faint > 0) {
        const QPoint at(columnOf(*faint), rowOf(kQuietDecibels));
        painter.drawEllipse(at, 2, 2);
        painter.drawText(at + QPoint(4, -3), tr("-40 dB at %1").arg(metres(*faint)));
    }
    // The level where the game cuts the sound off, beside the cut.
    const double cutLevel = decibels(gainAt(*attrs_, attrs_->maxDist));
    const QString atCut = tr("%1 dB").arg(decimal(cutLevel, 1));
    const int cut = columnOf(attrs_->maxDist);
    painter.drawText(cut - 3 - metrics.horizontalAdvance(atCut),
                     std::max(rowOf(cutLevel) - 4, kMargin + line), atCut);
    const QString far = metres(farthest());
    painter.drawText(width() - kMargin - 2 - metrics.horizontalAdvance(far), height() - kMargin - 2,
                     far);
    painter.drawText(kMargin + 2, height() - kMargin - 2, tr("%1 dB").arg(bottomLevel()));
    if (listening_) {
        painter.setPen(QPen(palette().link().color(), 1));
        const int x = columnOf(*listening_);
        painter.drawLine(x, kMargin, x, height() - kMargin);
    }
}

void RangeView::mouseMoveEvent(QMouseEvent *event)
{
    if (drawable()) {
        // The widget's own tooltip follows the pointer too: the one the toolkit shows when the
        // pointer rests would otherwise replace the level with the picture's general hint.
        const QString level = levelText(distanceAt(event->position().toPoint().x()));
        setToolTip(level + QLatin1Char('\n') + hint());
        QToolTip::showText(event->globalPosition().toPoint(), toolTip(), this);
    }
    QWidget::mouseMoveEvent(event);
}

QString RangeView::hint() const
{
    return tr("How loud the game plays the sound at each distance; click to listen from there");
}

void RangeView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !drawable())
        return QWidget::mousePressEvent(event);
    setListeningDistance(distanceAt(event->position().toPoint().x()));
    Q_EMIT listeningChanged(*listening_);
}

} // namespace kelvane
