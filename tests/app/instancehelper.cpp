// SPDX-License-Identifier: MIT
// A stand-in copy of the program for the tests that need a second process.
//   instancehelper <folder> [--on-go]
// Prints "trying", tries the instance lock in folder and prints "won",
// "won: <problem>" when the lock could not be made, or "lost". With --on-go it first prints
// "ready" and waits for a line, so that many copies can be set off together.
// A winner holds the lock until a line or the end of its input, and returns
// from main.
//   instancehelper --write-settings <file>
// Prints "trying", writes a date to the settings file and prints "written"
// or why not.

#include "app/singleinstance.h"
#include "platform/usersettingsstore.h"

#include <QCoreApplication>
#include <QStringList>

#include <iostream>
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
    if (arguments.contains(QStringLiteral("--on-go"))) {
        std::cout << "ready" << std::endl;
        std::getline(std::cin, line);
    }

    Zentrova::SingleInstance instance(arguments.at(1), QStringLiteral("zentrova.lock"));
    std::cout << "trying" << std::endl;
    const bool won = instance.tryAcquire();
    if (!won)
        std::cout << "lost" << std::endl;
    else if (instance.problem().isEmpty())
        std::cout << "won" << std::endl;
    else
        std::cout << "won: " << qPrintable(instance.problem()) << std::endl;
    if (!won)
        return 1;

    std::getline(std::cin, line);
    return 0;
}
