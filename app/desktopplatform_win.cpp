// SPDX-License-Identifier: MIT
#include "app/desktopplatform.h"

#include <QDesktopServices>

namespace Zentrova {

void DesktopPlatform::openWebAddress(const QUrl &address, std::function<void()> failed)
{
    // On Windows QDesktopServices asks the shell, whose answer tells a failure.
    if (!QDesktopServices::openUrl(address))
        failed();
}

} // namespace Zentrova
