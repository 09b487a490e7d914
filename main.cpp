// SPDX-License-Identifier: MIT
#include "app/desktopplatform.h"
#include "app/shutdown.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "platform/nativesettingsstore.h"
#include "platform/version.h"
#include "ui/look.h"

#include <QApplication>
#include <QCommandLineParser>
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

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Astrology dice readings"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    // Taken first and held for the whole run. The runtime folder belongs to the
    // user, so one user's copy never blocks another's.
    Zentrova::SingleInstance instance(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
        QApplication::applicationName() + QStringLiteral(".lock"));
    instance.tryAcquire();

    QApplication::setWindowIcon(Zentrova::Look::programIcon());

    Zentrova::NativeSettingsStore settings(
        Zentrova::NativeSettingsStore::userFileName(QApplication::applicationName()));
    Zentrova::DesktopPlatform platform(settings);
    Zentrova::Shutdown shutdown;
    if (!Zentrova::startProgram(platform, instance, shutdown))
        return 0;
    return QApplication::exec();
}
