#include "eliding_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace kelvane {

ElidingLabel::ElidingLabel(QWidget *parent, Qt::TextElideMode mode)
    : QLabel(parent)
    , mode_(mode)
{
    setTextFormat(Qt::PlainText);
}

QRect ElidingLabel::textRect() const
{
    const int inset = margin() + std::max(indent(), 0);
    return contentsRect().adjusted(inset, margin(), -inset, -margin());
}

QString ElidingLabel::shownText() const
{
    return fontMetrics().elidedText(text(), mode_, textRect().width());
}

bool ElidingLabel::isElided() const
{
    return shownText() != text();
}

// As high as a label, but only as wide as its frame: the layout gives it the room there is.
QSize ElidingLabel::sizeHint() const
{
    return {2 * (frameWidth() + margin()) + fontMetrics().averageCharWidth() * 4,
            QLabel::sizeHint().height()};
}

QSize ElidingLabel::minimumSizeHint() const
{
    return sizeHint();
}

bool ElidingLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && isElided()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void ElidingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, textRect(), int(alignment()), palette(), isEnabled(),
                          shownText(), foregroundRole());
}

} // namespace kelvane
