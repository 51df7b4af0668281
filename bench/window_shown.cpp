// Starts a program and measures the time until it maps its first top-level window on the X
// display, from the X server's own MapNotify event rather than by polling (a poller started
// every few milliseconds competes with the program for the CPU), then its peak memory.
// Usage: window_shown PROGRAM [ARGUMENTS...]   Prints "MILLISECONDS PEAK_KIB", or fails.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

long peakKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_discard_reply(x, xcb_get_input_focus(x).sequence);
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double ms = -1;
    while (xcb_generic_event_t *event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                            !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
        std::free(event);
        if (mapped) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // settled: then its peak
    const long kib = peakKib(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    if (ms < 0)
        return 1;
    std::printf("%.2f %ld\n", ms, kib);
    return 0;
}
