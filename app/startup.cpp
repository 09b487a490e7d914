// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include "app/shutdown.h"
#include "app/singleinstance.h"
#include "app/updatereminder.h"
#include "platform/logging.h"
#include "platform/platform.h"
#include "ui/main/mainwindow.h"
#include "ui/side/farewellwindow.h"

#include <QCoreApplication>

namespace Zentrova {

namespace {

void showFarewell(Platform &platform, Shutdown &shutdown)
{
    // Once the program is ending there is nothing to hand over to. The
    // farewell window outlives the main window, so it has no parent.
    if (shutdown.isEnding())
        return;
    // Its support message is a fresh draw, whatever the casts drew.
    platform.random().seedFromClock();
    auto *farewell = new FarewellWindow(platform);
    QObject::connect(farewell, &FarewellWindow::quitRequested, farewell,
                     [&shutdown] { shutdown.endProgram(); });
    farewell->show();
}

} // namespace

MainWindow *startProgram(Platform &platform, const SingleInstance &instance, Shutdown &shutdown)
{
    if (instance.anotherCopyRuns()) {
        // The running copy is left as it is: not activated, not raised.
        platform.showMessage(nullptr, {QCoreApplication::translate(
                                           "Zentrova::Startup", "Application is already running"),
                                       MessageIcon::Information,
                                       MessageButtons::Ok,
                                       {}});
        return nullptr;
    }

    if (!instance.problem().isEmpty())
        qCWarning(lcZentrova).noquote() << instance.problem();

    platform.random().seedFromClock();
    runUpdateReminder(platform);

    auto *window = new MainWindow(platform);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &MainWindow::closed, window,
                     [&platform, &shutdown] { showFarewell(platform, shutdown); });
    window->show();
    window->chooseBrandBanner();
    return window;
}

} // namespace Zentrova
