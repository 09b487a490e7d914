// SPDX-License-Identifier: MIT
// The current user's settings store, kept by QSettings: an INI file, or on
// Windows a registry key.
#pragma once

#include "platform/settingsstore.h"

#include <QSettings>

namespace Zentrova {

// QSettings with guards where a settings file could stall the start: it reads
// whatever lies at the path in full, and its write waits for "<file>.lock"
// without a bound. So only a regular file of at most MaxFileSize is handed to
// it, and a write first tries the lock with a short wait, and a copy of the
// file beside it, which also tells why a write cannot happen (QSettings'
// status does not).
class UserSettingsStore final : public SettingsStore
{
public:
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // The settings at location in format: an INI file, which need not exist
    // yet. On Windows, QSettings::NativeFormat takes a registry key such as
    // HKEY_CURRENT_USER\Software\Quorvane\zentrova, which needs no guards.
    explicit UserSettingsStore(const QString &location,
                               QSettings::Format format = QSettings::IniFormat)
        : m_location(location), m_format(format)
    {}

    // The store where QSettings keeps the native settings of applicationName
    // for the current user: a file, or on Windows a registry key. Each system
    // has its own (usersettingsstore_unix.cpp, usersettingsstore_win.cpp).
    static UserSettingsStore forApplication(const QString &applicationName);

    // The file, or the registry key.
    QString location() const { return m_location; }

    std::optional<QString> read(const QString &section, const QString &key) override;
    bool write(const QString &section, const QString &key, const QString &value) override;
    bool canWrite(const QString &section, const QString &key, const QString &value) override;
    QString errorString() const override { return m_error; }

private:
    // Whether the store is a file, not the registry; each system has its own.
    bool isFile() const;
    // Whether QSettings may open the file: it is absent, or a small regular
    // file of plain text.
    bool checkFile(const QString &action);
    // Whether write() would succeed now, tried without changing the store.
    bool tryWrite(const QString &section, const QString &key, const QString &value);
    bool fail(const QString &action, const QString &reason);

    QString m_location;
    QSettings::Format m_format;
    QString m_error;
};

} // namespace Zentrova
