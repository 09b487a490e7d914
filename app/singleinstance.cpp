// SPDX-License-Identifier: MIT
#include "app/singleinstance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

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
    if (takeOverLeftLock())
        return true;

    m_anotherCopyRuns = m_lock.error() == QLockFile::LockFailedError;
    return !m_anotherCopyRuns;
}

bool SingleInstance::takeOverLeftLock()
{
    // Left behind: a lock naming a live process of our name (process ids are
    // reused in sandboxes, so the dead holder's id may now be ours or a
    // sibling's), or an empty file from a copy killed while creating it.
    // Only one starting copy judges and removes it, and it keeps that right
    // until it holds the new lock, so a racing copy cannot remove the new one.
    QLockFile removal(m_fileName + QStringLiteral(".rmlock"));
    if (!removal.tryLock(0))
        return false;

    const QFileInfo info(m_fileName);
    if (info.exists()) {
        // A copy starting this very moment has a young, maybe still empty
        // file: removing it would let both copies win.
        const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
        if (qAbs(age) < MinimumAgeToRemoveMs)
            return false;
        // Fails while a running holder keeps its file locked.
        bool removed = m_lock.removeStaleLockFile() || removeOtherUsersLeftLock();
#ifdef Q_OS_WIN
        // Windows cannot remove a file that a racing copy has open to read
        // it, which it does only for a moment.
        for (int attempt = 0; !removed && attempt < 10; ++attempt) {
            QThread::msleep(20);
            removed = m_lock.removeStaleLockFile();
        }
#endif
        if (!removed)
            return false;
    }
    return m_lock.tryLock(0);
}

bool SingleInstance::removeOtherUsersLeftLock()
{
#ifdef Q_OS_UNIX
    // QLockFile tests a lock by opening it for writing, which another user's
    // lock refuses (a copy once started with sudo leaves a root-owned one):
    // test it for reading, as its holder locks it while running.
    QFile file(m_fileName);
    if (QFileInfo(file).isWritable() || !file.open(QIODevice::ReadOnly))
        return false;
    if (::flock(file.handle(), LOCK_EX | LOCK_NB) != 0)
        return false;
    return QFile::remove(m_fileName);
#else
    return false;
#endif
}

} // namespace Zentrova
