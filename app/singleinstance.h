// SPDX-License-Identifier: MIT
// One running copy per user: a lock file held for the whole run.
#pragma once

#include <QLockFile>
#include <QString>

namespace Zentrova {

class SingleInstance final
{
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    // The lock is the file name in folder; folder should be private to the user.
    explicit SingleInstance(const QString &folder, const QString &name);

    // Takes the lock unless another copy holds it. Returns false only when
    // another copy runs; a lock that cannot be made at all lets this copy start.
    bool tryAcquire();
    bool anotherCopyRuns() const { return m_anotherCopyRuns; }
    // Why the lock could not be made, so that a second copy would not be
    // refused; empty when the lock is held or another copy runs.
    QString problem() const { return m_problem; }
    bool isHeld() const { return m_lock.isLocked(); }
    void release() { m_lock.unlock(); }

    QString fileName() const { return m_fileName; }

    // The folder for the lock of the current user's copies (singleinstance_unix.cpp,
    // singleinstance_win.cpp); empty when there is none.
    static QString userFolder();

private:
    QString m_fileName;
    QLockFile m_lock;
    bool m_anotherCopyRuns = false;
    QString m_problem;
};

} // namespace Zentrova
