// SPDX-License-Identifier: MIT
#include "app/singleinstance.h"

#include <QStandardPaths>

namespace Zentrova {

QString SingleInstance::userFolder()
{
    // Windows has no runtime folder (Qt answers the home folder): the user's
    // own temporary folder, so one user's copy never blocks another's.
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}

} // namespace Zentrova
