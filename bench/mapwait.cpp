// Starts a program and reports how long it takes until its first window is
// mapped, and its resident memory once shown. Listening to the X server's
// own MapNotify costs nothing while the program starts, where polling with
// a tool every few milliseconds would.
//   korvid-mapwait SETTLE-MS PROGRAM [ARGS...]
// prints "<milliseconds to map> <resident KiB after SETTLE-MS more>".
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long residentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE-MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection,
                      xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK, &mask));

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::_Exit(127);
    }
    if (child < 0) { // no child: nothing to wait for, and nothing to stop
        std::perror("fork");
        xcb_disconnect(connection);
        return 1;
    }

    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    bool mapped = false;
    while (!mapped) {
        const auto waited = std::chrono::steady_clock::now() - start;
        const int left =
            10000 - static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(waited).count());
        if (left <= 0 || poll(&fd, 1, left) <= 0)
            break;
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            mapped = mapped || (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            std::free(event);
        }
        if (xcb_connection_has_error(connection))
            break;
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;

    int status = 1;
    if (mapped) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        const long rss = residentKib(child);
        std::printf("%.3f %ld\n", std::chrono::duration<double, std::milli>(elapsed).count(), rss);
        status = rss > 0 ? 0 : 1;
    } else {
        std::fprintf(stderr, "%s: %s mapped no window within 10 s\n", argv[0], argv[2]);
    }
    // `child` is a process of ours, never 0 or -1, which would signal a
    // whole process group or every process the user owns.
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return status;
}
