#pragma once

#include "eliding_label.h"

#include <QFrame>

namespace kelvane {

// A panel: a frame with a one-pixel raised bevel that holds other controls.
class RaisedPanel : public QFrame
{
    Q_OBJECT

public:
    explicit RaisedPanel(const QString &name, QWidget *parent, bool bevel = true);
};

// A panel that shows a one-line caption, cut to its width. The folder strip also reports
// presses and clicks.
class CaptionPanel : public ElidingLabel
{
    Q_OBJECT

public:
    CaptionPanel(const QString &name, QWidget *parent, Qt::TextElideMode mode = Qt::ElideRight);

signals:
    void pressed(Qt::KeyboardModifiers modifiers);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressedInside_ = false;
};

} // namespace kelvane
