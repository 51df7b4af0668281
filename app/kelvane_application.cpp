#include "kelvane_application.h"

#include "error_display.h"
#include "kelvane_version.h"
#include "tooltip_style.h"

#include <exception>

namespace kelvane {

KelvaneApplication::KelvaneApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setStyle(new TooltipTimingStyle);
    setApplicationDisplayName(QString::fromLatin1(kApplicationTitle));
}

bool KelvaneApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        showErrorDisplay(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showErrorDisplay(tr("Unknown error"));
    }
    return false;
}

} // namespace kelvane
