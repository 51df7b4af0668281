#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace kelvane {

// Hints in two parts, "short|long": the tooltip shows the short part, the status line the
// long part of the control under the pointer. Whenever the event loop has handled all pending
// events, the tracker finds the control under the pointer (disabled ones too), walks up to the
// first parent with a hint, and announces its long part when it differs from the last one. So
// the status line always shows whichever came last: a message, or the hint reached by the
// pointer.
class HintTracker : public QObject
{
    Q_OBJECT

public:
    explicit HintTracker(QObject *parent = nullptr);

    // Gives `widget` its hint and the tooltip of the short part (none when it is empty).
    static void setHint(QWidget *widget, const QString &hint);
    static QString hintOf(const QWidget *widget);
    static QString shortPart(const QString &hint);
    static QString longPart(const QString &hint);

    // Starts following the event loop.
    void install();
    // Looks at the pointer now.
    void evaluate();
    [[nodiscard]] QString currentHint() const { return current_; }

signals:
    void hintChanged(const QString &longHint);

private:
    QString current_;
};

} // namespace kelvane
