// SPDX-License-Identifier: MIT
// Starts a program and measures, from outside it and without any hook inside
// it, the time from process start to its first paint, and its peak resident
// memory. Usage: startup_probe xcb|offscreen SETTLE_MS PROGRAM [ARGUMENTS...]
// Prints "<milliseconds> <peak KiB> <processor milliseconds>" and ends the
// program. Run PROGRAM as valgrind --tool=callgrind ... to count the
// instructions up to the first paint instead.
//
// xcb: the first paint is the first drawing into any of the program's
// windows, as the X server's DAMAGE extension reports it (run it on an X
// server of its own: any window on it counts).
// offscreen: nothing leaves the process, so the first paint is taken to be
// the moment its main thread first waits in the event loop (poll with a
// timeout other than zero): showing and painting the first window happen
// before the event loop is ever idle. The thread is sampled every 0.25 ms.
// Peak memory is the program's ru_maxrss after SETTLE_MS more milliseconds.
// On a shared machine the time also counts waiting for a processor, so the
// processor time that all the program's threads had used by the first paint
// is printed too, from /proc/<pid>/task/*/schedstat.
#include "probe.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Probe::Clock;
using Probe::fail;
// Long enough for a start under valgrind.
constexpr auto Patience = std::chrono::seconds(120);

// The clock starts just before the fork: what the program's own start costs
// (loading, linking, Qt, the first window) all counts.
pid_t start(char **argv, Clock::time_point &started)
{
    started = Clock::now();
    return Probe::start(argv);
}

bool running(pid_t pid)
{
    return waitpid(pid, nullptr, WNOHANG) == 0;
}

// Waits until the X server reports drawing into a window that appeared after
// the start; gives the time of that report.
std::optional<Clock::time_point> firstDamage(char **argv, pid_t &pid, Clock::time_point &started)
{
    Probe::DamageWatch watch(XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    pid = start(argv, started);
    const auto deadline = Clock::now() + Patience;
    while (Clock::now() < deadline && running(pid)) {
        if (const std::optional<Probe::Drawing> drawing = watch.next(std::chrono::milliseconds(10)))
            return drawing->at;
    }
    return std::nullopt;
}

// Whether the thread waits in poll() or ppoll() with a timeout other than
// zero, from /proc/<pid>/task/<pid>/syscall: "<number> <arguments...>".
bool waitsForEvents(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) +
                       "/syscall");
    std::string line;
    if (!std::getline(file, line))
        return false;
    std::istringstream fields(line);
    long number = -1;
    std::string fds, count, timeout;
    if (!(fields >> number >> fds >> count >> timeout))
        return false;
    return (number == SYS_poll || number == SYS_ppoll) && timeout != "0x0";
}

std::optional<Clock::time_point> firstIdle(char **argv, pid_t &pid, Clock::time_point &started)
{
    pid = start(argv, started);
    const auto deadline = Clock::now() + Patience;
    while (Clock::now() < deadline && running(pid)) {
        if (waitsForEvents(pid))
            return Clock::now();
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4)
        fail("usage: startup_probe xcb|offscreen SETTLE_MS PROGRAM [ARGUMENTS...]");
    const std::string platform = argv[1];
    const int settleMs = std::atoi(argv[2]);
    char **program = argv + 3;

    pid_t pid = 0;
    Clock::time_point started;
    std::optional<Clock::time_point> painted;
    if (platform == "xcb")
        painted = firstDamage(program, pid, started);
    else if (platform == "offscreen")
        painted = firstIdle(program, pid, started);
    else
        fail("the platform is xcb or offscreen");

    const double processor = painted ? Probe::processorMs(pid) : 0;
    if (painted)
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    // SIGTERM lets a program run under valgrind write its counts on the way
    // out; one that lingers is killed.
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    const auto deadline = Clock::now() + Patience;
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!painted)
        fail("the program showed nothing in time");

    const double ms = std::chrono::duration<double, std::milli>(*painted - started).count();
    std::printf("%.1f %ld %.1f\n", ms, usage.ru_maxrss, processor);
    return 0;
}
