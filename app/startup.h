// SPDX-License-Identifier: MIT
// The program's start: single instance, seeding, update reminder, main window.
#pragma once

namespace Zentrova {

class MainWindow;
class Platform;
class Shutdown;
class SingleInstance;

// Runs once before any window is shown; instance has been tried already.
// Returns the main window, shown, or nullptr when another copy runs (the
// user has then been told, and the program should end). Closing the main
// window hands over to the farewell window, and closing that ends the
// program through shutdown.
MainWindow *startProgram(Platform &platform, const SingleInstance &instance, Shutdown &shutdown);

} // namespace Zentrova
