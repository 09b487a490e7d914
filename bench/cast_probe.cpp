// SPDX-License-Identifier: MIT
// Starts Zentrova and times, from outside it and without any hook inside it,
// how long a click on one of the dice view's choices takes to bring the
// reading's first paint. Usage:
//   cast_probe planet|zodiac|house|comprehensive CASTS PROGRAM [ARGUMENTS...]
// Prints a line for each cast, the first cast after the start first:
// "<milliseconds> <processor milliseconds>", the second the processor time all
// the program's threads used meanwhile (the machine may be shared, and waiting
// for a processor counts in the first). Then it ends the program.
//
// Run it on an X server of its own without a window manager. It waits for the
// main window's first paint, gives it the input focus as a window manager
// would, then for each cast clicks the choice with the XTEST extension and
// takes the time from the click to the first drawing into the views area that
// the X server's DAMAGE extension reports; "Cast Zentrova Again" brings the
// dice view back for the next cast. The places to click follow the window's
// layout (ui/main/mainwindow.cpp); the colour under the choice is checked
// before and after each cast, so a changed layout fails instead of timing
// something else.
#include "probe.h"

#include <signal.h>
#include <sys/wait.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using Probe::Clock;
using Probe::fail;
using namespace std::chrono_literals;

// Twips, as the main window places its widgets: 15 make a pixel.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

struct Point
{
    int x, y;
};

// The client area under the menu bar, the views in it, the choices in the
// views (each clicked below its dice), and the "Cast Zentrova Again" button.
constexpr int ClientWidth = px(7605), ClientHeight = px(5655);
constexpr xcb_rectangle_t Views{px(45), px(480), px(7550), px(4300)};
struct Choice
{
    const char *name;
    xcb_rectangle_t area; // in the client area
    Point spot() const { return {area.x + area.width / 2, area.y + px(950)}; }
};
constexpr xcb_rectangle_t choiceArea(int left, int top, int width)
{
    return {short(Views.x + px(left)), short(Views.y + px(top)), uint16_t(px(width)),
            uint16_t(px(1000))};
}
constexpr Choice Choices[] = {
    {"planet", choiceArea(2222, 1680, 1000)},
    {"zodiac", choiceArea(3302, 1680, 1000)},
    {"house", choiceArea(4382, 1680, 1000)},
    {"comprehensive", choiceArea(2220, 2760, 3165)},
};
constexpr Point CastAgain{Views.x + px(1380 + 4845 / 2), Views.y + px(3840 + 375 / 2)};
constexpr uint32_t ChoiceColour = 0xFF8080;

// No drawing for this long: the window has finished what it was doing.
constexpr auto Quiet = 100ms;
constexpr auto Patience = 20s;

class Session
{
public:
    explicit Session(char **program) : m_watch(XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES)
    {
        const xcb_query_extension_reply_t *xtest =
            xcb_get_extension_data(m_watch.connection(), &xcb_test_id);
        if (!xtest || !xtest->present)
            fail("the X server has no XTEST extension");
        m_pid = Probe::start(program);
        const auto deadline = Clock::now() + Patience;
        while (!m_window) {
            if (Clock::now() > deadline || waitpid(m_pid, nullptr, WNOHANG) != 0)
                fail("the program showed no window in time");
            if (const auto drawing = m_watch.next(10ms))
                m_window = drawing->window;
        }
        settle();
        placeClient();
        // A window manager gives a new window the focus; without one it
        // would come with the first click and repaint the window with it.
        xcb_set_input_focus(connection(), XCB_INPUT_FOCUS_POINTER_ROOT, m_window, XCB_CURRENT_TIME);
        settle();
    }
    ~Session()
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    struct Timing
    {
        double ms, processorMs;
    };

    // From the click on the choice to the reading's first paint.
    Timing cast(const Choice &choice)
    {
        const Point spot = choice.spot();
        if (colourAt(spot) != ChoiceColour)
            fail("no choice where the layout puts it: has the main window changed?");
        move(spot);
        settle();
        const double processorBefore = Probe::processorMs(m_pid);
        const auto clicked = click(spot);
        // The button draws itself pressed and released before the cast, and
        // other widgets may redraw with it; the reading is the first drawing
        // into the views beyond the button.
        const xcb_rectangle_t views = inWindow(Views), button = inWindow(choice.area);
        std::optional<Probe::Drawing> painted;
        while (!painted || !overlaps(views, painted->area) || contains(button, painted->area)) {
            painted = m_watch.next(clicked + Patience - Clock::now());
            if (!painted)
                fail("the click brought no drawing in time");
        }
        const double processor = Probe::processorMs(m_pid) - processorBefore;
        settle();
        if (colourAt(spot) == ChoiceColour)
            fail("the click did not bring the reading");

        move(CastAgain);
        settle();
        click(CastAgain);
        const auto deadline = Clock::now() + Patience;
        do {
            if (Clock::now() > deadline)
                fail("Cast Zentrova Again did not bring the dice view back");
            settle();
        } while (colourAt(spot) != ChoiceColour);
        return {std::chrono::duration<double, std::milli>(painted->at - clicked).count(),
                processor};
    }

private:
    xcb_connection_t *connection() const { return m_watch.connection(); }

    void settle()
    {
        while (m_watch.next(Quiet)) {
        }
    }

    // The client area is the bottom of the window, under the menu bar.
    void placeClient()
    {
        xcb_get_geometry_reply_t *geometry =
            xcb_get_geometry_reply(connection(), xcb_get_geometry(connection(), m_window), nullptr);
        if (!geometry || geometry->width != ClientWidth || geometry->height <= ClientHeight)
            fail("the main window's size does not fit its layout");
        m_client = {0, geometry->height - ClientHeight};
        free(geometry);
    }

    xcb_rectangle_t inWindow(xcb_rectangle_t inClient) const
    {
        inClient.x = short(inClient.x + m_client.x);
        inClient.y = short(inClient.y + m_client.y);
        return inClient;
    }

    static bool overlaps(const xcb_rectangle_t &a, const xcb_rectangle_t &b)
    {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
               b.y < a.y + a.height;
    }

    static bool contains(const xcb_rectangle_t &outer, const xcb_rectangle_t &inner)
    {
        return inner.x >= outer.x && inner.y >= outer.y &&
               inner.x + inner.width <= outer.x + outer.width &&
               inner.y + inner.height <= outer.y + outer.height;
    }

    Point onScreen(Point inClient) const
    {
        xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
            connection(),
            xcb_translate_coordinates(connection(), m_window, m_watch.root(),
                                      short(m_client.x + inClient.x),
                                      short(m_client.y + inClient.y)),
            nullptr);
        if (!reply)
            fail("cannot find the main window on the screen");
        const Point point{reply->dst_x, reply->dst_y};
        free(reply);
        return point;
    }

    void move(Point inClient)
    {
        const Point point = onScreen(inClient);
        xcb_test_fake_input(connection(), XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_watch.root(),
                            short(point.x), short(point.y), 0);
        xcb_flush(connection());
    }

    // Presses and releases the first button where the pointer is; gives the
    // time it was sent.
    Clock::time_point click(Point inClient)
    {
        const Point point = onScreen(inClient);
        for (const uint8_t type : {XCB_BUTTON_PRESS, XCB_BUTTON_RELEASE})
            xcb_test_fake_input(connection(), type, 1, XCB_CURRENT_TIME, m_watch.root(),
                                short(point.x), short(point.y), 0);
        const auto sent = Clock::now();
        xcb_flush(connection());
        return sent;
    }

    // The colour of a pixel of the client area, as 0xRRGGBB.
    uint32_t colourAt(Point inClient) const
    {
        xcb_get_image_reply_t *image =
            xcb_get_image_reply(connection(),
                                xcb_get_image(connection(), XCB_IMAGE_FORMAT_Z_PIXMAP, m_window,
                                              short(m_client.x + inClient.x),
                                              short(m_client.y + inClient.y), 1, 1, ~0u),
                                nullptr);
        if (!image || xcb_get_image_data_length(image) < 4)
            fail("cannot read the main window's pixels");
        uint32_t pixel = 0;
        std::memcpy(&pixel, xcb_get_image_data(image), sizeof pixel);
        free(image);
        return pixel & 0xFFFFFF;
    }

    Probe::DamageWatch m_watch;
    pid_t m_pid = 0;
    xcb_window_t m_window = 0;
    Point m_client{0, 0};
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4)
        fail("usage: cast_probe planet|zodiac|house|comprehensive CASTS PROGRAM [ARGUMENTS...]");
    const Choice *choice = nullptr;
    for (const Choice &candidate : Choices) {
        if (std::strcmp(argv[1], candidate.name) == 0)
            choice = &candidate;
    }
    const int casts = std::atoi(argv[2]);
    if (!choice || casts < 1)
        fail("the choice is planet, zodiac, house or comprehensive, and CASTS at least 1");

    std::vector<Session::Timing> timings;
    {
        Session session(argv + 3);
        for (int index = 0; index < casts; ++index)
            timings.push_back(session.cast(*choice));
    }
    for (const Session::Timing &timing : timings)
        std::printf("%.2f %.2f\n", timing.ms, timing.processorMs);
    return 0;
}
