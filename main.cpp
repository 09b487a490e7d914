// SPDX-License-Identifier: MIT
#include "app/desktopplatform.h"
#include "app/shutdown.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "app/translations.h"
#include "platform/usersettingsstore.h"
#include "platform/version.h"
#include "ui/look.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>

#include <optional>

namespace {

void nameProgram()
{
    // The settings are filed under the executable's name, without extension.
    QCoreApplication::setApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    QCoreApplication::setApplicationVersion(Zentrova::ProgramVersion);
}

// Answers --help and --version, before the program needs a display; nullopt
// when the program should start. Other options are Qt's own, for
// QApplication to take.
std::optional<int> answerConsoleOptions(int &argc, char **argv)
{
    // A start without arguments, as from the desktop's menu, goes straight on.
    if (argc < 2)
        return std::nullopt;
    QCoreApplication console(argc, argv);
    nameProgram();
    Zentrova::installTranslations(console);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Astrology dice readings"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    QTextStream out(stdout);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        out << parser.helpText();
    else if (parser.isSet(version))
        out << QCoreApplication::applicationName() << ' ' << Zentrova::ProgramVersion << '\n';
    else
        return std::nullopt;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = answerConsoleOptions(argc, argv))
        return *status;

    QApplication app(argc, argv);
    nameProgram();
    Zentrova::installTranslations(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvane.Zentrova"));

    // Taken first and held for the whole run. The runtime folder belongs to the
    // user, so one user's copy never blocks another's. Windows has none (Qt
    // answers the home folder): there the user's own temporary folder.
#ifdef Q_OS_WIN
    constexpr auto lockLocation = QStandardPaths::TempLocation;
    constexpr auto settingsFormat = QSettings::NativeFormat; // the registry
#else
    constexpr auto lockLocation = QStandardPaths::RuntimeLocation;
    constexpr auto settingsFormat = QSettings::IniFormat;
#endif
    Zentrova::SingleInstance instance(QStandardPaths::writableLocation(lockLocation),
                                      QApplication::applicationName() + QStringLiteral(".lock"));
    instance.tryAcquire();

    QApplication::setWindowIcon(Zentrova::Look::programIcon());

    Zentrova::UserSettingsStore settings(
        Zentrova::UserSettingsStore::userFileName(QApplication::applicationName()), settingsFormat);
    Zentrova::DesktopPlatform platform(settings);
    Zentrova::Shutdown shutdown;
    if (!Zentrova::startProgram(platform, instance, shutdown))
        return 0;
    return QApplication::exec();
}
