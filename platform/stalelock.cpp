// SPDX-License-Identifier: MIT
#include "platform/stalelock.h"

#include <QDateTime>
#include <QFileInfo>

namespace Zentrova {

bool takeOverStaleLock(QLockFile &lock, const QString &fileName)
{
    // Only one contender judges and removes the file, and it keeps that right
    // until it holds the new lock, so a racing one cannot remove the new one.
    QLockFile removal(fileName + QStringLiteral(".rmlock"));
    if (!removal.tryLock(0))
        return false;

    const QFileInfo info(fileName);
    if (info.exists()) {
        const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
        if (qAbs(age) < StaleLockAge.count())
            return false;
        if (!removeStaleLockFile(lock, fileName))
            return false;
    }
    return lock.tryLock(0);
}

} // namespace Zentrova
