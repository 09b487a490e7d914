// SPDX-License-Identifier: MIT
#include "app/desktopplatform.h"
#include "app/shutdown.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "platform/nativesettingsstore.h"
#include "platform/version.h"
#include "ui/look.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The settings are filed under the executable's name, without extension.
    QApplication::setApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    QApplication::setApplicationVersion(Zentrova::ProgramVersion);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvane.Zentrova"));

    // Taken first and held for the whole run. The runtime folder belongs to the
    // user, so one user's copy never blocks another's.
    Zentrova::SingleInstance instance(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
        QApplication::applicationName() + QStringLiteral(".lock"));
    instance.tryAcquire();

    QApplication::setWindowIcon(Zentrova::Look::programIcon());

    Zentrova::NativeSettingsStore settings(
        Zentrova::NativeSettingsStore::userFileName(QApplication::applicationName()));
    Zentrova::DesktopPlatform platform(instance, settings);
    Zentrova::Shutdown shutdown(platform);
    if (!Zentrova::startProgram(platform, instance, shutdown))
        return 0;
    QApplication::exec();
    // Whatever stopped the event loop (the last window closed, the session
    // ended), the program ends the one way it always does.
    shutdown.endProgram();
    return 0;
}
