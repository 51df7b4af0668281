#include "relative_path.h"

#include <QDir>

namespace kelvane {

QString pathBelow(const QString &folder, const QString &file)
{
    const QString path = QDir::fromNativeSeparators(file);
    QString prefix = QDir::fromNativeSeparators(folder);
    if (!prefix.endsWith(QLatin1Char('/')))
        prefix += QLatin1Char('/');
    return path.startsWith(prefix) ? path.mid(prefix.size()) : path;
}

} // namespace kelvane
