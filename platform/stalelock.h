// SPDX-License-Identifier: MIT
// Taking over a lock file whose holder is gone where QLockFile cannot tell.
#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

namespace Zentrova {

// A holder makes its lock file first and writes its name into it after: a
// file younger than this may belong to a holder still writing it.
inline constexpr std::chrono::milliseconds StaleLockAge{2000};

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
