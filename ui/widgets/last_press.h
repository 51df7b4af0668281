#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace kelvane {

// The keys held at the last press of a mouse button on any of the watched controls. One record
// for them all, kept until the next press: Shift on Apply is Save as, Shift on the folder's
// button opens the file manager, Ctrl lists the folder again, and a control pressed from the
// keyboard goes by the last press.
class LastPress final : public QObject
{
public:
    using QObject::QObject;

    void watch(QWidget *control) { control->installEventFilter(this); }
    void record(Qt::KeyboardModifiers modifiers) { modifiers_ = modifiers; }
    [[nodiscard]] bool shift() const { return modifiers_.testFlag(Qt::ShiftModifier); }
    [[nodiscard]] bool ctrl() const { return modifiers_.testFlag(Qt::ControlModifier); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            record(static_cast<QMouseEvent *>(event)->modifiers());
        return QObject::eventFilter(watched, event);
    }

private:
    Qt::KeyboardModifiers modifiers_;
};

} // namespace kelvane
