#include "termination.h"

#include <csignal>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

namespace kelvane {

namespace {

// The signal handler may only write to a descriptor; the event loop reads the other end.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

TerminationRequests::TerminationRequests(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationRequests::closeWindows);
    struct sigaction action
    {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

TerminationRequests::~TerminationRequests()
{
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}

void TerminationRequests::closeWindows()
{
    char byte = 0;
    [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
    // Each question open is cancelled, innermost first; then every event loop, the main one
    // included, ends without closing the windows, so none asks again.
    while (QWidget *modal = QApplication::activeModalWidget()) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog)
            break;
        dialog->reject();
        if (QApplication::activeModalWidget() == modal)
            modal->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace kelvane
