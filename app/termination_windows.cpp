#include "termination.h"

namespace kelvane {

// Windows asks a window to close with WM_CLOSE, and at log-off with WM_QUERYENDSESSION, which
// Qt turns into the close event the window answers already: there is no signal to catch.
TerminationRequests::TerminationRequests(QObject *parent)
    : QObject(parent)
{}

TerminationRequests::~TerminationRequests() = default;

void TerminationRequests::closeWindows() {}

} // namespace kelvane
