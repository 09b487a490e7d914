// SPDX-License-Identifier: MIT
// A stand-in copy of the program for the single-instance tests.
//   instancehelper <folder> [--on-go]
// Tries the instance lock in folder and prints "won" or "lost". With --on-go
// it first prints "ready" and waits for a line, so that many copies can be
// set off together. A winner holds the lock until a line or the end of its
// input, and returns from main.

#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QStringList>

#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return 2;

    std::string line;
    if (arguments.contains(QStringLiteral("--on-go"))) {
        std::cout << "ready" << std::endl;
        std::getline(std::cin, line);
    }

    Zentrova::SingleInstance instance(arguments.at(1), QStringLiteral("zentrova.lock"));
    const bool won = instance.tryAcquire();
    std::cout << (won ? "won" : "lost") << std::endl;
    if (!won)
        return 1;

    std::getline(std::cin, line);
    return 0;
}
