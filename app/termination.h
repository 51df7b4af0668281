#pragma once

#include <QObject>

class QSocketNotifier;

namespace kelvane {

// Turns SIGTERM and SIGINT (a desktop session ending, Ctrl-C in a terminal, a service manager
// stopping us) into a clean end that waits on nobody: an open question is answered with its
// Cancel, nothing is saved, every file stays as it is on disk, and the event loops end. Asking
// "Save changes first?" here would keep the program running with nobody there to answer.
class TerminationRequests : public QObject
{
    Q_OBJECT

public:
    explicit TerminationRequests(QObject *parent = nullptr);
    ~TerminationRequests() override;

private:
    void closeWindows();

    QSocketNotifier *notifier_ = nullptr;
};

} // namespace kelvane
