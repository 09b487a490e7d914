// SPDX-License-Identifier: MIT
// A step under test that could wait for ever (for a lock, for a pipe's other
// end), run with a bound: its test fails in seconds, and the next one runs.
#pragma once

#include <QDeadlineTimer>
#include <QThread>

#include <chrono>
#include <functional>
#include <memory>

namespace Zentrova::Testing {

// Far above any wait of the program's own, far below CTest's time-out.
inline constexpr std::chrono::seconds StepBound{5};

// Runs step on a thread of its own and waits for it at most StepBound. A
// step still running by then waits for something that does not come:
// unblock takes that away (releases the lock, opens the pipe), so that the
// thread ends and the test can fail and go on. Returns whether step ended in
// time; step must not use QTest's checks, which belong to the test's thread.
inline bool endsInTime(const std::function<void()> &step, const std::function<void()> &unblock)
{
    const std::unique_ptr<QThread> thread(QThread::create(step));
    thread->start();
    if (thread->wait(QDeadlineTimer(StepBound)))
        return true;
    unblock();
    // QLockFile retries at intervals that grow to a few seconds.
    if (!thread->wait(QDeadlineTimer(std::chrono::seconds(30))))
        qFatal("A step under test still waits after what it waited for was taken away");
    return false;
}

} // namespace Zentrova::Testing
