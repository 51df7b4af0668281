#pragma once

#include <QFont>
#include <QString>

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

} // namespace kelvane
