// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Starts a program and reports, from outside it, how long it took until its first
// top-level window was mapped on the X server, how long until the first drawing
// reached that window, and the program's peak resident memory.
// Usage: launch-timer [--settle MS] [--timeout MS] PROGRAM [ARGS...]
// Prints one line: "<ms to map> <ms to first drawing> <peak RSS in KiB>".
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Waits for an event that `wanted` accepts, or until the deadline passes; true when
// one came.
template <typename Wanted> bool waitFor(xcb_connection_t *c, double deadline, Wanted wanted)
{
    const int fd = xcb_get_file_descriptor(c);
    for (;;) {
        while (xcb_generic_event_t *e = xcb_poll_for_event(c)) {
            const bool found = wanted(e);
            std::free(e);
            if (found)
                return true;
        }
        if (xcb_connection_has_error(c))
            return false;
        const double left = deadline - nowMs();
        if (left <= 0)
            return false;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, int(left) + 1) < 0 && errno != EINTR)
            return false;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    int settleMs = 500;
    int timeoutMs = 20000;
    int first = 1;
    for (; first + 1 < argc; first += 2) {
        const std::string_view opt = argv[first];
        if (opt == "--settle")
            settleMs = std::atoi(argv[first + 1]);
        else if (opt == "--timeout")
            timeoutMs = std::atoi(argv[first + 1]);
        else
            break;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--settle MS] [--timeout MS] PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }

    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    const xcb_window_t root = it.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t *err = xcb_request_check(
        c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));
    if (err) {
        std::fprintf(stderr, "cannot watch the root window\n");
        return 2;
    }
    const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c, &xcb_damage_id);
    if (!ext || !ext->present) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    const uint8_t damageEvent = ext->first_event;
    std::free(xcb_damage_query_version_reply(
        c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0)
        return 2;
    if (pid == 0) {
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }

    // A top-level window (not a popup) appears on the root.
    xcb_window_t window = XCB_NONE;
    const bool mapped = waitFor(c, start + timeoutMs, [&](const xcb_generic_event_t *e) {
        const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(e);
        if ((e->response_type & 0x7f) != XCB_MAP_NOTIFY || map->event != root ||
            map->override_redirect)
            return false;
        window = map->window;
        return true;
    });
    const double mapMs = nowMs() - start;

    // Watch the window's drawing. The server first reports the whole window as
    // damaged when the watch is made; the next report is the program's own first
    // drawing, which it makes only after the server told it of the exposure.
    bool painted = false;
    if (mapped) {
        const xcb_damage_damage_t damage = xcb_generate_id(c);
        xcb_damage_create(c, damage, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(c);
        bool initialReported = false;
        painted = waitFor(c, start + timeoutMs, [&](const xcb_generic_event_t *e) {
            if ((e->response_type & 0x7f) != damageEvent + XCB_DAMAGE_NOTIFY)
                return false;
            if (initialReported)
                return true;
            const auto *d = reinterpret_cast<const xcb_damage_notify_event_t *>(e);
            initialReported = !(d->level & 0x80); // the last rectangle of the report
            return false;
        });
    }
    const double paintMs = nowMs() - start;
    if (painted && settleMs > 0)
        usleep(useconds_t(settleMs) * 1000);

    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    xcb_disconnect(c);
    if (!mapped || !painted) {
        std::fprintf(stderr, mapped ? "the window was never drawn\n" : "no window was mapped\n");
        return 1;
    }
    std::printf("%.1f %.1f %ld\n", mapMs, paintMs, usage.ru_maxrss);
    return 0;
}
