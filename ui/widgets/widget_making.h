#pragma once

#include <algorithm>
#include <initializer_list>

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

namespace kelvane {

// The nearest plain sans-serif face: 8 pt for the window, 10 pt for most controls.
inline QFont sansFont(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Sans Serif"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

// Every widget's object name is its component name.
template<typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A button at its place in a panel laid out by hand, in the controls' face; wider than
// `geometry` where the face needs it.
inline QPushButton *placedButton(QWidget *parent, const char *name, const QString &caption,
                                 QRect geometry, bool bold = false)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setFont(sansFont(10, bold));
    geometry.setWidth(std::max(geometry.width(), b->sizeHint().width()));
    b->setGeometry(geometry);
    return b;
}

// A right-aligned label whose text ends at x = `right`, in its parent's font.
inline QLabel *labelEndingAt(QWidget *parent, const char *name, const QString &text, int right,
                             int y)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int width = std::min(right, 200);
    label->setGeometry(right - width, y - 1, width, 18);
    return label;
}

// The least size of a panel whose controls have fixed positions: room for all of them and
// `edge` pixels beyond the right-most and the lowest.
inline QSize roomFor(std::initializer_list<const QWidget *> controls, int edge)
{
    QRect all;
    for (const QWidget *control : controls)
        all |= control->geometry();
    return {all.right() + 1 + edge, all.bottom() + 1 + edge};
}

} // namespace kelvane
