// SPDX-License-Identifier: MIT
#include "platform/stalelock.h"

#include <QThread>

namespace Zentrova {

bool removeStaleLockFile(QLockFile &lock, const QString &)
{
    // Windows cannot remove a file that a racing copy has open to read it,
    // which it does only for a moment.
    bool removed = lock.removeStaleLockFile();
    for (int attempt = 0; !removed && attempt < 10; ++attempt) {
        QThread::msleep(20);
        removed = lock.removeStaleLockFile();
    }
    return removed;
}

} // namespace Zentrova
