// SPDX-License-Identifier: MIT
#include "app/singleinstance.h"

#include "platform/stalelock.h"

#include <QDir>
#include <QFileInfo>

namespace Zentrova {

SingleInstance::SingleInstance(const QString &folder, const QString &name)
    : m_fileName(folder.isEmpty() ? QString() : QDir(folder).filePath(name)), m_lock(m_fileName)
{
    // The lock lives as long as the program; only a dead holder makes it stale.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryAcquire()
{
    m_anotherCopyRuns = false;
    m_problem.clear();
    if (m_lock.isLocked())
        return true;
    if (m_fileName.isEmpty()) {
        m_problem = QStringLiteral("no private folder for the lock that keeps a second copy "
                                   "from starting");
        return true;
    }

    // Something else by the lock's name (a folder) would refuse every start.
    const QFileInfo existing(m_fileName);
    if (existing.exists() && !existing.isFile()) {
        m_problem = QStringLiteral("%1 is in the way of the lock file, so a second copy "
                                   "would not be refused")
                        .arg(QDir::toNativeSeparators(m_fileName));
        return true;
    }

    // Qt takes over a lock whose holder has died, checking the process id and
    // its executable name.
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() != QLockFile::LockFailedError) {
        // The program runs all the same; only the rule of one copy is lost.
        m_problem = QStringLiteral("cannot create the lock file %1 (%2), so a second copy "
                                   "would not be refused")
                        .arg(QDir::toNativeSeparators(m_fileName),
                             m_lock.error() == QLockFile::PermissionError
                                 ? QStringLiteral("permission denied")
                                 : QStringLiteral("the folder is missing or full"));
        return true;
    }
    if (takeOverStaleLock(m_lock, m_fileName))
        return true;

    m_anotherCopyRuns = m_lock.error() == QLockFile::LockFailedError;
    return !m_anotherCopyRuns;
}

} // namespace Zentrova
