#include "desktop_launcher.h"

#include <QDesktopServices>
#include <QUrl>

namespace kelvane {

bool SystemDesktopLauncher::openFolder(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemDesktopLauncher::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace kelvane
