// SPDX-License-Identifier: MIT
#include "app/singleinstance.h"

#include <QStandardPaths>

namespace Zentrova {

QString SingleInstance::userFolder()
{
    // The runtime folder belongs to the user, so one user's copy never blocks
    // another's.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

} // namespace Zentrova
