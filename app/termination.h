#pragma once

#include <QObject>

class QSocketNotifier;

namespace kelvane {

// Turns SIGTERM and SIGINT (a desktop session ending, Ctrl-C in a terminal) into a normal close
// of the window, so pending changes are still offered for saving and the program ends cleanly.
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
