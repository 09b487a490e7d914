// SPDX-License-Identifier: MIT
#include "platform/usersettingsstore.h"

namespace Zentrova {

UserSettingsStore UserSettingsStore::forApplication(const QString &applicationName)
{
    // The key QSettings(NativeFormat, UserScope, "Quorvane", applicationName)
    // uses; the uninstaller offers to remove it.
    return UserSettingsStore(QStringLiteral("HKEY_CURRENT_USER\\Software\\Quorvane\\") +
                                 applicationName,
                             QSettings::NativeFormat);
}

bool UserSettingsStore::isFile() const
{
    return m_format != QSettings::NativeFormat;
}

} // namespace Zentrova
