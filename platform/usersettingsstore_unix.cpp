// SPDX-License-Identifier: MIT
#include "platform/usersettingsstore.h"

#include <QStandardPaths>

namespace Zentrova {

UserSettingsStore UserSettingsStore::forApplication(const QString &applicationName)
{
    // Where QSettings files the native settings of an organisation named
    // applicationName. Not asked of QSettings: it would read the file on the
    // way, before the checks here.
    return UserSettingsStore(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
            applicationName + QStringLiteral(".conf"),
        QSettings::IniFormat);
}

bool UserSettingsStore::isFile() const
{
    return true;
}

} // namespace Zentrova
