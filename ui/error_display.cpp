#include "error_display.h"

#include <exception>

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

KelvaneApplication::KelvaneApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{}

bool KelvaneApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        showErrorDisplay(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showErrorDisplay(QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace kelvane
