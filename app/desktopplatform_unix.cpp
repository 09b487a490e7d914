// SPDX-License-Identifier: MIT
#include "app/desktopplatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace Zentrova {

void DesktopPlatform::openWebAddress(const QUrl &address, std::function<void()> failed)
{
    // QDesktopServices starts xdg-open detached and counts that as success,
    // so an opener that finds no browser would go unnoticed. Running it
    // ourselves lets its exit status tell.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(address))
            failed();
        return;
    }
    const QStringList arguments{QString::fromLatin1(address.toEncoded())};
    // Each watched opener holds a process and its descriptors until it ends,
    // and some never do: past a few, they go unwatched.
    m_openers.removeAll(nullptr);
    if (m_openers.size() >= MostWatchedOpeners) {
        if (!QProcess::startDetached(opener, arguments))
            failed();
        return;
    }
    // Named and owned by the application: it can be found there while it
    // lives, and goes with the application at the latest.
    auto *process = new QProcess(QCoreApplication::instance());
    process->setObjectName(QStringLiteral("webAddressOpener"));
    m_openers.append(process);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    // Some openers wait for the browser they start; an exit long after the
    // start says nothing of the page.
    auto *verdictTimer = new QTimer(process);
    verdictTimer->setSingleShot(true);
    verdictTimer->start(OpenerVerdictMs);
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed, verdictTimer](int exitCode, QProcess::ExitStatus status) {
                         const bool refused = status != QProcess::NormalExit || exitCode != 0;
                         if (refused && verdictTimer->isActive())
                             failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         failed();
                         process->deleteLater();
                     });
    process->start(opener, arguments);
}

} // namespace Zentrova
