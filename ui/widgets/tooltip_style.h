#pragma once

#include <QProxyStyle>

namespace kelvane {

// Tooltips show 50 ms after the pointer comes to rest and follow on after 50 ms.
class TooltipTimingStyle : public QProxyStyle
{
public:
    static constexpr int kToolTipDelay = 50;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay || hint == SH_ToolTip_FallAsleepDelay)
            return kToolTipDelay;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace kelvane
