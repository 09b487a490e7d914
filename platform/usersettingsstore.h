// SPDX-License-Identifier: MIT
// The current user's settings store, kept by QSettings: an INI file, or on
// Windows a registry key.
#pragma once

#include "platform/settingsstore.h"

#include <QSettings>

class QLockFile;

namespace Zentrova {

// QSettings with guards where a settings file could stall or end the start.
// It reads whatever lies at the path in full, decodes values written as data
// ("@Variant(...)"), and its write waits for "<file>.lock" without a bound.
// So only a regular file of plain text of at most MaxFileSize is handed to
// it. A write takes the lock with a short wait and replaces the file with
// what QSettings writes in a copy, when that stays within MaxFileSize; a
// trial file beside it first tells why a write cannot happen (QSettings'
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
    enum class Commit { No, Yes };

    // Whether the store is a file, not the registry; each system has its own.
    bool isFile() const;
    // The file's text, empty when there is none; nullopt when QSettings must
    // not be given the file: it is not a small regular file of plain text.
    std::optional<QByteArray> readPlainText(const QString &action);
    bool makeFolder(const QString &action);
    bool takeLock(QLockFile &lock, const QString &fileName, const QString &action);
    // The file's text with the entry set, as QSettings writes it.
    std::optional<QByteArray> textWith(const QString &section, const QString &key,
                                       const QString &value, const QString &action);
    // Writes the entry; without committing, tries all but replacing the file.
    bool save(const QString &section, const QString &key, const QString &value, Commit commit);
    bool fail(const QString &action, const QString &reason);

    QString m_location;
    QSettings::Format m_format;
    QString m_error;
};

} // namespace Zentrova
