// The program's start: single instance, seeding, update reminder, main window.
#pragma once

#include <QString>

namespace Zentrova {

class FrmMain;
class Platform;
class SingleInstance;

inline const QString AlreadyRunningMessage = QStringLiteral("Application is already running");

// Runs once before any window is shown; instance has been tried already.
// Returns the main window, shown, or nullptr when another copy runs (the
// program has then been ended).
FrmMain *StartProgram(Platform &platform, const SingleInstance &instance);

} // namespace Zentrova
