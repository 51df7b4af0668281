#pragma once

#include "start_request.h"

#include <memory>

namespace kelvane {

class DesktopLauncher;
class KelvaneWindow;

// The window as the command line asks for it: the folder listed, the sound loaded, or the
// working directory with the reason in the status bar.
std::unique_ptr<KelvaneWindow> makeStartWindow(const StartRequest &request,
                                               DesktopLauncher *launcher = nullptr);

} // namespace kelvane
