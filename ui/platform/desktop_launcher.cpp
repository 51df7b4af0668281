#include "desktop_launcher.h"

#include <memory>

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kelvane {

namespace {

// A viewer that ran this long did open the document, whatever its exit status: xdg-open
// waits for some viewers to end and reports their status as its own.
constexpr qint64 kOpenerAnswersWithin = 15'000;

} // namespace

bool SystemDesktopLauncher::openFolder(const QString &path)
{
#ifdef Q_OS_WIN
    // "/e," opens Explorer in a window of its own with the folder tree; the "/n," the status bar
    // names too is left out, as Wine's Explorer then ignores the folder. Explorer reads its
    // command line itself: a folder with a space or a comma goes in quotes (no Windows name holds
    // one), and a quoted folder never ends in a backslash, which would take the closing quote for
    // a character.
    QString folder = QDir::toNativeSeparators(QDir::cleanPath(path));
    if (folder.contains(QLatin1Char(' ')) || folder.contains(QLatin1Char(','))) {
        if (folder.endsWith(QLatin1Char('\\')))
            folder += QLatin1Char('.'); // a drive's root
        folder = QLatin1Char('"') + folder + QLatin1Char('"');
    }
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer.exe"));
    explorer.setNativeArguments(QStringLiteral("/e,") + folder);
    return explorer.startDetached();
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

void SystemDesktopLauncher::openDocument(const QString &path, std::function<void()> failed)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            failed();
        return;
    }
    // Never deleted while the viewer runs: deleting a process kills it, and the viewer must
    // outlive the window.
    auto *process = new QProcess;
    // Its complaints are answered by `failed`, not printed under the program's own output.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, clock, failed](int status, QProcess::ExitStatus how) {
                         if ((status != 0 || how != QProcess::NormalExit) &&
                             clock->elapsed() < kOpenerAnswersWithin)
                             failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             failed();
                             process->deleteLater();
                         }
                     });
    process->start(opener, {path});
}

} // namespace kelvane
