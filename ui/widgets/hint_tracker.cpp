#include "hint_tracker.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QVariant>
#include <QWidget>

namespace kelvane {

namespace {

constexpr const char *kHintProperty = "kelvaneHint";
constexpr int kTooltipDuration = 10'000;

} // namespace

HintTracker::HintTracker(QObject *parent)
    : QObject(parent)
{}

void HintTracker::setHint(QWidget *widget, const QString &hint)
{
    widget->setProperty(kHintProperty, hint);
    widget->setToolTip(shortPart(hint));
    widget->setToolTipDuration(kTooltipDuration);
}

QString HintTracker::hintOf(const QWidget *widget)
{
    return widget->property(kHintProperty).toString();
}

QString HintTracker::shortPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString HintTracker::longPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void HintTracker::install()
{
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &HintTracker::evaluate);
}

void HintTracker::evaluate()
{
    QString hint;
    for (QWidget *w = QApplication::widgetAt(QCursor::pos()); w; w = w->parentWidget()) {
        hint = hintOf(w);
        if (!hint.isEmpty())
            break;
    }
    const QString longHint = longPart(hint);
    if (longHint == current_)
        return;
    current_ = longHint;
    emit hintChanged(current_);
}

} // namespace kelvane
