// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include "app/shutdown.h"
#include "app/singleinstance.h"
#include "app/updatereminder.h"
#include "platform/logging.h"
#include "platform/platform.h"
#include "ui/main/brandbanner.h"
#include "ui/main/mainwindow.h"
#include "ui/side/farewellwindow.h"

#include <QCoreApplication>

namespace Zentrova {

namespace {

// The farewell window outlives the main window, so it has no parent.
void openFarewell(Platform &platform, Shutdown &shutdown, int supportMessage)
{
    auto *farewell = new FarewellWindow(platform, supportMessage);
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

    // The run's one random source: seeded here, it draws the promotional
    // banner below, then the dice of every cast, then, seeded again, the
    // farewell window's support message.
    RandomSource &random = platform.random();
    random.seedFromClock();
    runUpdateReminder(platform);

    auto *window = new MainWindow(platform);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &MainWindow::closed, window, [&platform, &shutdown, &random] {
        // Once the program is ending there is nothing to hand over to.
        if (shutdown.isEnding())
            return;
        // The support message is a fresh draw, whatever the casts drew.
        random.seedFromClock();
        openFarewell(platform, shutdown, FarewellWindow::supportMessageIndex(random.next()));
    });
    window->show();
    window->setBrandBanner(brandBannerFor(random.next()));
    return window;
}

} // namespace Zentrova
