#pragma once

#include <QLabel>

namespace kelvane {

// A one-line label whose text never widens its window: a text longer than the label is cut
// with an ellipsis where the label says, and the whole text is its tooltip while it is cut.
// text() is always the whole text.
class ElidingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidingLabel(QWidget *parent, Qt::TextElideMode mode = Qt::ElideRight);

    bool isElided() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textRect() const;
    QString shownText() const;

    Qt::TextElideMode mode_;
};

} // namespace kelvane
