#include "caption_panel.h"

#include <QMouseEvent>

namespace kelvane {

RaisedPanel::RaisedPanel(const QString &name, QWidget *parent, bool bevel)
    : QFrame(parent)
{
    setObjectName(name);
    if (bevel)
        setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
}

CaptionPanel::CaptionPanel(const QString &name, QWidget *parent, Qt::TextElideMode mode)
    : ElidingLabel(parent, mode)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
}

void CaptionPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressedInside_ = true;
        emit pressed(event->modifiers());
    }
    ElidingLabel::mousePressEvent(event);
}

void CaptionPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressedInside_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressedInside_ = false;
    ElidingLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace kelvane
