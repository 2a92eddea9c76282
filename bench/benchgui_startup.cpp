// Time from starting the desktop program to its title window being mapped on the X
// server, and the program's resident memory then: the program is started afresh
// several times; the X server reports every top-level window that is mapped.

#include <xcb/xcb.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double residentMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    const char *program = argc > 1 ? argv[1] : SHAGAIKA_PROGRAM;
    const char *folder = argc > 2 ? argv[2] : SHAGAIKA_SOURCE_DIR "/examples/maze";
    const int runs = 7;

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X server (set DISPLAY)\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const Clock::time_point start = Clock::now();
        const pid_t child = fork();
        if (child == 0) {
            if (chdir(folder) != 0)
                _exit(127);
            // The window system's notes on standard error would mix with the figures.
            if (FILE *null = std::fopen("/dev/null", "w"))
                dup2(fileno(null), STDERR_FILENO);
            execl(program, program, static_cast<char *>(nullptr));
            _exit(127);
        }
        double seconds = -1;
        while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
            const bool mapped = (event->response_type & ~0x80) == XCB_MAP_NOTIFY;
            free(event);
            if (mapped) {
                seconds = std::chrono::duration<double>(Clock::now() - start).count();
                break;
            }
        }
        times.push_back(seconds);
        usleep(300000);
        if (run == 0)
            std::printf("resident memory with the title window open: %.1f MB\n", residentMegabytes(child));
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        // Drain the unmap and destroy notifications of this run.
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection))
            free(event);
    }
    xcb_disconnect(connection);

    std::sort(times.begin(), times.end());
    std::printf("start to title window mapped, %d runs: fastest %.3f s, median %.3f s, slowest %.3f s\n",
                runs, times.front(), times[times.size() / 2], times.back());
    return 0;
}
