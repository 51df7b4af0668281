#pragma once

#include <sys/resource.h>

namespace kelvane {

// Lowers the calling thread's priority, so that work behind the window leaves the window and
// the display server their turn and the window never stutters meanwhile. On Linux, PRIO_PROCESS
// with 0 is the calling thread alone; threads it starts inherit the lower priority.
inline void yieldToTheWindow()
{
    setpriority(PRIO_PROCESS, 0, 10);
}

} // namespace kelvane
