// kelvane-cli: the window's reading, checks, block insertion, rules and safe saving for whole
// folders of sounds, from a script.
#include "command_line.h"
#include "commands.h"
#include "kelvane_version.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <QCoreApplication>
#include <QIODevice>

namespace {

// The status to end with once standard output has had everything: a line that could not be
// written (a full disk, a closed pipe) is a failure, never a silent success.
int afterFlushing(QTextStream &out, QTextStream &err, int status)
{
    out.flush();
    QString reason;
    if (out.status() == QTextStream::WriteFailed)
        reason = out.device() ? out.device()->errorString() : QString();
    else if (errno = 0; std::fflush(stdout) != 0 || std::ferror(stdout) != 0)
        reason = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QString();
    else
        return status;
    err << "kelvane-cli: write error" << (reason.isEmpty() ? QString() : ": " + reason) << Qt::endl;
    return status == 0 ? 1 : status;
}

} // namespace

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
        return afterFlushing(out, err, status);
    kelvane::cli::stopOnInterrupt();
    kelvane::cli::Runner runner(out, err);
    return afterFlushing(out, err, (runner.*(invocation->command->run))(invocation->options));
}
