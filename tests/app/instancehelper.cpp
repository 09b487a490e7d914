// SPDX-License-Identifier: MIT
// A stand-in copy of the program for the single-instance tests.
//   instancehelper <folder> [--on-go] [--end-with <status>]
// Tries the instance lock in folder and prints "won" or "lost". With --on-go
// it first prints "ready" and waits for a line, so that many copies can be
// set off together. A winner holds the lock until a line or the end of its
// input; with --end-with it ends at once through the real platform instead,
// printing "ending" unflushed first.
#include "recordingplatform.h"

#include "app/desktopplatform.h"
#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return 2;
    const qsizetype endWith = arguments.indexOf(QStringLiteral("--end-with"));

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

    if (endWith > 0 && endWith + 1 < arguments.size()) {
        Zentrova::Testing::MemorySettingsStore store;
        Zentrova::DesktopPlatform platform(instance, store);
        // Neither may show: the process ends without running exit handlers.
        std::atexit([] { std::puts("exit handlers ran"); });
        // Buffered output must still arrive.
        std::printf("ending\n");
        platform.endProcess(arguments.at(endWith + 1).toInt());
    }

    std::getline(std::cin, line);
    return 0;
}
