#include "error_display.h"

#include <QMessageBox>

namespace kelvane {

QString withFinalPeriod(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > QChar(QLatin1Char('.')).unicode())
        return message + QLatin1Char('.');
    return message;
}

void showErrorDisplay(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle),
                    withFinalPeriod(message), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("errorDisplay"));
    box.exec();
}

} // namespace kelvane
