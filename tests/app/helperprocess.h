// SPDX-License-Identifier: MIT
// The stand-in copy of the program (instancehelper.cpp) run from a test,
// with bounded waits, and where the test needs it as another user.
#pragma once

#include <QDir>
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
    // The answer of a copy once it has said it tries the lock: it takes
    // moments, and a copy that waits for the lock instead fails the test in
    // seconds.
    QString lockResult()
    {
        const QString trying = nextLine();
        if (trying != QLatin1String("trying"))
            return trying;
        return nextLine(std::chrono::seconds(3),
                        QStringLiteral("<instancehelper still waits for the lock 3 s after "
                                       "trying it>"));
    }
    void send(const QByteArray &line) { m_process.write(line + '\n'); }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
};

// Makes the lock file another user's for a copy started behind the command
// this returns. For a copy of this user, that is a read-only file. Root
// writes any file, so there it is a copy run as the unprivileged user
// "nobody", in a folder opened to all; nullopt where root cannot start one.
inline std::optional<QStringList> asAnotherUser(const QString &lockFile)
{
    const auto readable = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
    if (!QFile::setPermissions(lockFile, readable))
        return std::nullopt;
    if (!QFileInfo(lockFile).isWritable())
        return QStringList();

    const QStringList nobody{QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
                             QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups")};
    const QString folder = QFileInfo(lockFile).absolutePath();
    const auto all = readable | QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup |
                     QFile::WriteOther | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup |
                     QFile::ExeOther;
    if (!QFile::setPermissions(folder, all) ||
        QProcess::execute(nobody.constFirst(),
                          nobody.mid(1) + QStringList{QStringLiteral("test"), QStringLiteral("-x"),
                                                      QStringLiteral(INSTANCE_HELPER)}) != 0)
        return std::nullopt;
    return nobody;
}

} // namespace Zentrova::Testing
