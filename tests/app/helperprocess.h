// SPDX-License-Identifier: MIT
// The stand-in copy of the program (instancehelper.cpp) run from a test,
// with bounded waits, and the lock files it meets: aged, or another user's.
#pragma once

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <chrono>
#include <optional>

namespace Zentrova::Testing {

class HelperProcess final
{
    Q_DISABLE_COPY_MOVE(HelperProcess)

public:
    // Starts instancehelper with arguments, behind the command prefix (such
    // as the one of asAnotherUser()).
    explicit HelperProcess(const QStringList &arguments, const QStringList &prefix = {})
    {
        const QStringList command = prefix + QStringList{QStringLiteral(INSTANCE_HELPER)};
        m_process.setProgram(command.constFirst());
        m_process.setArguments(command.mid(1) + arguments);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
    }
    // A copy still running is killed: one that waits for a lock would never
    // end, and one holding the lock needs no orderly end here.
    ~HelperProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // The next line it prints, or a line saying what it waited for that did
    // not come.
    QString nextLine(std::chrono::milliseconds bound = std::chrono::seconds(10),
                     const QString &silence = QStringLiteral("<instancehelper printed nothing>"))
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(int(bound.count())))
                return silence;
        }
        return QString::fromLatin1(m_process.readLine()).trimmed();
    }
    // The answer of a copy once it has said it is trying the lock: that
    // takes moments, and a copy that waits for a lock instead fails the test
    // in seconds.
    QString answer()
    {
        const QString trying = nextLine();
        if (trying != QLatin1String("trying"))
            return trying;
        return nextLine(std::chrono::seconds(3),
                        QStringLiteral("<instancehelper still waits for the lock 3 s after "
                                       "trying it>"));
    }
    void send(const QByteArray &line) { m_process.write(line + '\n'); }
    // Whether it has ended, waiting up to bound. It may have ended while its
    // last line was read, and then waitForFinished() would say false.
    bool waitForEnd(int bound = 5000)
    {
        return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(bound);
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
};

// Moves the file's modification time seconds into the past instead of
// waiting, or with negative seconds into the future.
inline bool age(const QString &path, qint64 seconds)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                            QFileDevice::FileModificationTime);
}

// Makes the file or folder at path another user's for a copy started behind
// the command this returns. For a copy of this user, that is one it may read
// but not write. Root writes anything, so there it is a copy run as the
// unprivileged user "nobody", with the folder around path opened to all;
// nullopt where root cannot start one.
inline std::optional<QStringList> asAnotherUser(const QString &path)
{
    const QFileInfo info(path);
    auto readable = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
    if (info.isDir())
        readable |= QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
    if (!QFile::setPermissions(path, readable))
        return std::nullopt;
    if (!QFileInfo(path).isWritable())
        return QStringList();

    const QStringList nobody{QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
                             QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups")};
    const auto all = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther |
                     QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther |
                     QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
    const QStringList helperRuns{QStringLiteral("test"), QStringLiteral("-x"),
                                 QStringLiteral(INSTANCE_HELPER)};
    if (!QFile::setPermissions(info.absolutePath(), all) ||
        QProcess::execute(nobody.constFirst(), nobody.mid(1) + helperRuns) != 0)
        return std::nullopt;
    return nobody;
}

} // namespace Zentrova::Testing
