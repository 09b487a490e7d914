// SPDX-License-Identifier: MIT
// What the probes share: starting the program they watch, and a connection
// to the X server that hears of every drawing into the windows created on it
// (run them on an X server of their own: any window on it counts).
#pragma once

#include <dirent.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace Probe {

using Clock = std::chrono::steady_clock;

// The program started, ended when the probe gives up on it.
inline pid_t watched = 0;

[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, what);
    if (watched > 0)
        kill(watched, SIGKILL);
    std::exit(2);
}

inline pid_t start(char **argv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    if (pid < 0)
        fail("cannot fork");
    watched = pid;
    return pid;
}

// Processor time used so far by all threads of the process, in milliseconds.
inline double processorMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return 0;
    double ns = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream file(tasks + "/" + entry->d_name + "/schedstat");
        double onCpu = 0;
        if (file >> onCpu)
            ns += onCpu;
    }
    closedir(dir);
    return ns / 1e6;
}

struct Drawing
{
    xcb_window_t window;
    xcb_rectangle_t area; // in the window's coordinates
    Clock::time_point at; // when the report came in
};

class DamageWatch
{
public:
    // level: XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY reports each window's first
    // drawing only; ..._RAW_RECTANGLES every drawing.
    explicit DamageWatch(xcb_damage_report_level_t level)
        : m_connection(xcb_connect(nullptr, nullptr)), m_level(level)
    {
        if (xcb_connection_has_error(m_connection))
            fail("cannot connect to the X server");
        m_damage = xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (!m_damage || !m_damage->present)
            fail("the X server has no DAMAGE extension");
        free(xcb_damage_query_version_reply(m_connection,
                                            xcb_damage_query_version(m_connection, 1, 1), nullptr));
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        free(xcb_request_check(m_connection, xcb_change_window_attributes_checked(
                                                 m_connection, m_root, XCB_CW_EVENT_MASK, &mask)));
    }
    ~DamageWatch() { xcb_disconnect(m_connection); }
    DamageWatch(const DamageWatch &) = delete;
    DamageWatch &operator=(const DamageWatch &) = delete;

    xcb_connection_t *connection() const { return m_connection; }
    xcb_window_t root() const { return m_root; }

    // The next drawing reported within the time given, if any.
    std::optional<Drawing> next(Clock::duration wait)
    {
        const auto deadline = Clock::now() + wait;
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                const std::optional<Drawing> drawing = take(event);
                free(event);
                if (drawing)
                    return drawing;
            }
            if (xcb_connection_has_error(m_connection))
                fail("lost the X server");
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return std::nullopt;
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, int(left.count()));
        }
    }

private:
    std::optional<Drawing> take(const xcb_generic_event_t *event)
    {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // Windows that cannot be drawn into (input-only) answer with an
            // error, which is ignored.
            const auto *created = reinterpret_cast<const xcb_create_notify_event_t *>(event);
            xcb_damage_create(m_connection, xcb_generate_id(m_connection), created->window,
                              m_level);
            xcb_flush(m_connection);
        } else if (type == m_damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto *damage = reinterpret_cast<const xcb_damage_notify_event_t *>(event);
            return Drawing{damage->drawable, damage->area, Clock::now()};
        }
        return std::nullopt;
    }

    xcb_connection_t *m_connection;
    xcb_damage_report_level_t m_level;
    const xcb_query_extension_reply_t *m_damage = nullptr;
    xcb_window_t m_root = 0;
};

} // namespace Probe
