// kelvane-cli: the window's reading, checks, block insertion, rules and safe saving for whole
// folders of sounds, from a script.
#include "command_line.h"
#include "commands.h"
#include "kelvane_version.h"

#include <csignal>

#include <QCoreApplication>

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // A file-size limit must fail a save cleanly, not end the batch.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvane-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvane::kVersion));
    QTextStream out(stdout);
    QTextStream err(stderr);

    int status = 0;
    const auto invocation =
        kelvane::cli::readCommandLine(QCoreApplication::arguments(), out, err, status);
    if (!invocation)
        return status;
    kelvane::cli::stopOnInterrupt();
    kelvane::cli::Runner runner(out, err);
    return (runner.*(invocation->command->run))(invocation->options);
}
