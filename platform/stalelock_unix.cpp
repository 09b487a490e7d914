// SPDX-License-Identifier: MIT
#include "platform/stalelock.h"

#include <QFile>
#include <QFileInfo>

#include <sys/file.h>

namespace Zentrova {

bool removeStaleLockFile(QLockFile &lock, const QString &fileName)
{
    // A running holder keeps its lock file flock()ed. QLockFile tests that by
    // opening the file for writing, which another user's lock refuses (a
    // copy once started with sudo leaves a root-owned one): test it for
    // reading then.
    if (lock.removeStaleLockFile())
        return true;
    QFile file(fileName);
    if (QFileInfo(file).isWritable() || !file.open(QIODevice::ReadOnly))
        return false;
    if (::flock(file.handle(), LOCK_EX | LOCK_NB) != 0)
        return false;
    return QFile::remove(fileName);
}

} // namespace Zentrova
