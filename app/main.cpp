#include "error_display.h"
#include "kelvane_form.h"

#include <csignal>
#include <exception>

#include <QScreen>

int main(int argc, char *argv[])
{
    // A file-size limit must make a save fail cleanly, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    kelvane::KelvaneApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvane"));
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
