// SPDX-License-Identifier: MIT
#include "app/shutdown.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace Zentrova {

void Shutdown::endProgram()
{
    // Closing a window below may run handling that calls back in here; the
    // outer call finishes the work.
    if (m_ending)
        return;
    m_ending = true;

    // Closing one window may delete or open others: work from a snapshot.
    QList<QPointer<QWidget>> windows;
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    windows.reserve(topLevels.size());
    for (QWidget *window : topLevels)
        windows.append(window);

    for (const QPointer<QWidget> &window : windows) {
        if (!window)
            continue;
        // close() passes over a window already inside its own closing handling.
        window->close();
    }

    QCoreApplication::exit(0);
}

} // namespace Zentrova
