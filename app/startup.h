// SPDX-License-Identifier: MIT
// The program's start: single instance, seeding, update reminder, main window.
#pragma once

#include <QString>

namespace Zentrova {

class MainWindow;
class Platform;
class Shutdown;
class SingleInstance;

inline const QString AlreadyRunningMessage = QStringLiteral("Application is already running");

// Runs once before any window is shown; instance has been tried already.
// Returns the main window, shown, or nullptr when another copy runs (the
// program has then been ended). Closing the main window hands over to the
// farewell window, and closing that ends the program through shutdown.
MainWindow *startProgram(Platform &platform, const SingleInstance &instance, Shutdown &shutdown);

} // namespace Zentrova
