#include "error_display.h"
#include "folder_listing.h"
#include "kelvane_application.h"
#include "kelvane_version.h"
#include "kelvane_window.h"
#include "start_request.h"
#include "start_window.h"
#include "termination.h"
#include "window_language.h"

#include <csignal>
#include <cstdio>
#include <exception>

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QTimer>

#ifdef Q_OS_WIN
#include "wine_text.h"
#else
#include <fontconfig/fontconfig.h>
#endif

namespace {

int print(const QString &text, std::FILE *stream, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // A file-size limit must make a save fail cleanly, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication::setApplicationName(QStringLiteral("kelvane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvane::kVersion));
    // --help and --version answer without a display: no window toolkit is started for them.
    QString language;
    {
        const QCoreApplication early(argc, argv);
        const auto asked = kelvane::readStartArguments(QCoreApplication::arguments(), false);
        if (asked.action == kelvane::StartRequest::Print)
            return print(asked.printed, stdout, 0);
        language = asked.language;
        // The second core reads the font configuration while the toolkit starts, then the folder
        // while the window is made: the window's first text needs the one (fontconfig parses its
        // XML files, the largest single cost of the start), the file list the other. Fontconfig
        // is thread-safe; should the toolkit ask for it first, it reads its own. Windows has its
        // fonts at no such cost.
        kelvane::listFolderAhead(asked.folder.isEmpty()
                                     ? QDir::currentPath()
                                     : QFileInfo(asked.folder).canonicalFilePath(),
                                 [] {
#ifndef Q_OS_WIN
                                     FcInit();
#endif
                                 });
    }
#ifdef Q_OS_WIN
    kelvane::drawEveryTextUnderWine();
#endif
    kelvane::KelvaneApplication app(argc, argv);
    // The language first: the start's own messages are in it too.
    kelvane::useLanguage(kelvane::chooseLanguage(language));
    const auto request = kelvane::readStartArguments(QCoreApplication::arguments(), true);
    if (request.action == kelvane::StartRequest::BadUsage)
        return print(request.printed, stderr, 2);
    QApplication::setDesktopFileName(QStringLiteral("org.kelvane.Kelvane"));
    kelvane::TerminationRequests termination;
    try {
        const auto form = kelvane::makeStartWindow(request);
        form->move(form->screen()->availableGeometry().center() - form->rect().center());
        form->show();
        // The icon is looked up in the desktop's icon theme once the window is up: the lookup
        // is a good part of the start, and the desktop takes the icon when it changes.
        QTimer::singleShot(0, [] {
            QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kelvane.Kelvane")));
        });
        QApplication::exec();
    } catch (const std::exception &error) {
        kelvane::showErrorDisplay(QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
