// SPDX-License-Identifier: MIT
#include "app/desktopplatform.h"
#include "app/shutdown.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "app/translations.h"
#include "platform/usersettingsstore.h"
#include "platform/version.h"
#include "ui/pixmaps.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>

#include <memory>

namespace {

// --help and --version are answered before the program needs a display: an
// argument asking for either makes a console application.
std::unique_ptr<QCoreApplication> createApplication(int &argc, char *argv[])
{
    const QByteArrayList consoleOptions{"-h", "--help", "--help-all", "-?", "-v", "--version"};
    for (int i = 1; i < argc; ++i) {
        if (consoleOptions.contains(argv[i]))
            return std::make_unique<QCoreApplication>(argc, argv);
    }
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> app = createApplication(argc, argv);
    // The settings are filed under the executable's name, without extension.
    QCoreApplication::setApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    QCoreApplication::setApplicationVersion(Zentrova::ProgramVersion);
    Zentrova::installTranslations(*app);

    // Answers --help and --version, and refuses an option it does not know,
    // and ends the program there. QApplication has taken Qt's own options.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Astrology dice readings"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(*app);

    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvane.Zentrova"));
    // Taken first and held for the whole run.
    Zentrova::SingleInstance instance(Zentrova::SingleInstance::userFolder(),
                                      QCoreApplication::applicationName() +
                                          QStringLiteral(".lock"));
    instance.tryAcquire();

    QApplication::setWindowIcon(Zentrova::Look::programIcon());

    Zentrova::UserSettingsStore settings =
        Zentrova::UserSettingsStore::forApplication(QCoreApplication::applicationName());
    Zentrova::DesktopPlatform platform(settings);
    Zentrova::Shutdown shutdown;
    if (!Zentrova::startProgram(platform, instance, shutdown))
        return 0;
    return QApplication::exec();
}
