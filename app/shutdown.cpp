#include "app/shutdown.h"

#include "platform/platform.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace modHelp {

void EndProgram(Zentrova::Platform &platform)
{
    // Closing a window below may run handling that calls back in here; the
    // outer call finishes the work and ends the process.
    if (platform.isEnding())
        return;
    platform.markEnding();

    // Closing one window may delete or open others: work from a snapshot.
    QList<QPointer<QWidget>> windows;
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    windows.reserve(topLevels.size());
    for (QWidget *window : topLevels)
        windows.append(window);

    for (const QPointer<QWidget> &window : windows) {
        if (!window)
            continue;
        // A window already inside its own closing handling is skipped by
        // close() itself; a failure while closing one must not keep the rest
        // open.
        try {
            window->close();
        } catch (...) {
        }
    }

    platform.settings().flush();
    platform.endProcess(0);
}

} // namespace modHelp
