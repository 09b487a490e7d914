// SPDX-License-Identifier: MIT
// A stand-in copy of the program for the tests that need a second process.
//   instancehelper <folder>
// Prints "trying", tries the instance lock in folder and prints "won",
// "won: <problem>" when the lock could not be made, or "lost". A winner holds
// the lock until a line or the end of its input, and returns from main.
//   instancehelper --rounds
// Prints "ready", then takes each line it reads for a folder: lets go of the
// lock it won in the round before and tries the one in that folder as above.
// Many copies started once can so be set off together round after round
// (starting a process takes long under Wine).
//   instancehelper --write-settings <file>
// Prints "trying", writes a date to the settings file and prints "written"
// or why not.

#include "app/singleinstance.h"
#include "platform/usersettingsstore.h"

#include <QCoreApplication>
#include <QStringList>

#include <iostream>
#include <memory>
#include <string>

namespace {

int writeSettings(const QString &fileName)
{
    Zentrova::UserSettingsStore store(fileName);
    std::cout << "trying" << std::endl;
    const bool written = store.write(QStringLiteral("Settings"), QStringLiteral("Duration"),
                                     QStringLiteral("2026-12-08"));
    std::cout << (written ? "written" : qPrintable(store.errorString())) << std::endl;
    return written ? 0 : 1;
}

// Tries the instance lock in folder and says how that went; the instance
// holds the lock when it was won, nullptr when another copy holds it.
std::unique_ptr<Zentrova::SingleInstance> tryInstance(const QString &folder)
{
    auto instance =
        std::make_unique<Zentrova::SingleInstance>(folder, QStringLiteral("zentrova.lock"));
    std::cout << "trying" << std::endl;
    if (!instance->tryAcquire()) {
        std::cout << "lost" << std::endl;
        return nullptr;
    }
    if (instance->problem().isEmpty())
        std::cout << "won" << std::endl;
    else
        std::cout << "won: " << qPrintable(instance->problem()) << std::endl;
    return instance;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return 2;
    if (arguments.at(1) == QLatin1String("--write-settings"))
        return arguments.size() < 3 ? 2 : writeSettings(arguments.at(2));

    std::string line;
    if (arguments.at(1) == QLatin1String("--rounds")) {
        std::cout << "ready" << std::endl;
        std::unique_ptr<Zentrova::SingleInstance> instance;
        while (std::getline(std::cin, line)) {
            instance.reset();
            instance = tryInstance(QString::fromStdString(line));
        }
        return 0;
    }

    const std::unique_ptr<Zentrova::SingleInstance> instance = tryInstance(arguments.at(1));
    if (!instance)
        return 1;
    std::getline(std::cin, line);
    return 0;
}
