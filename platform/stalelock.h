// SPDX-License-Identifier: MIT
// Taking over a lock file whose holder is gone where QLockFile cannot tell.
#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

namespace Zentrova {

// A lock file younger than this may be in use: a holder makes the file first
// and writes its name into it after, and QSettings holds its lock only while
// it writes a small file. Older, it is left behind unless a running holder
// keeps it locked. Far below the 30 s after which Qt counts a lock stale by
// default, well above the first moments of a slow start.
inline constexpr std::chrono::milliseconds StaleLockAge{5000};

// Takes lock, whose file is fileName, over from a holder that has left it
// behind; call it once lock.tryLock() has failed with LockFailedError. Left
// behind: a lock at least StaleLockAge old (either way: the clock may have
// been set back) that no running holder keeps locked. QLockFile misses some
// of these: a lock naming a live process of the same name (process ids are
// reused in sandboxes, so the dead holder's id may now be ours or a
// sibling's), an empty file from a holder killed while making it, and
// another user's lock, which it cannot open for writing. Returns whether
// lock is held now.
bool takeOverStaleLock(QLockFile &lock, const QString &fileName);

// Removes the lock file unless a running holder keeps it locked; false when
// it is still there. Each system has its own (stalelock_unix.cpp,
// stalelock_win.cpp).
bool removeStaleLockFile(QLockFile &lock, const QString &fileName);

} // namespace Zentrova
