#include "error_display.h"
#include "kelvane_application.h"
#include "kelvane_form.h"
#include "termination.h"

#include <csignal>
#include <exception>

#include <QIcon>
#include <QScreen>

int main(int argc, char *argv[])
{
    // A file-size limit must make a save fail cleanly, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    kelvane::KelvaneApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvane"));
    QApplication::setDesktopFileName(QStringLiteral("org.kelvane.Kelvane"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kelvane.Kelvane")));
    kelvane::TerminationRequests termination;
    try {
        kelvane::TKelvaneForm form;
        form.move(form.screen()->availableGeometry().center() - form.rect().center());
        form.show();
        QApplication::exec();
    } catch (const std::exception &error) {
        kelvane::showErrorDisplay(QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
