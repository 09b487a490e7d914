// SPDX-License-Identifier: MIT
// The per-user settings store of the desktop: an INI file that QSettings
// reads, and that is rewritten here in one atomic step.
#pragma once

#include "platform/settingsstore.h"

#include <QByteArray>

namespace Zentrova {

// The INI text ini with section/key set to value and everything else kept as
// it was, byte for byte. All three must be plain (see isPlainIniText).
QByteArray iniWithValue(const QByteArray &ini, const QString &section, const QString &key,
                        const QString &value);

// The text of section/key in the INI text ini, as QSettings reads a plain
// value: the last copy, quotes and comment removed; nullopt when absent.
std::optional<QString> iniValue(const QByteArray &ini, const QString &section, const QString &key);

// Text that an INI file holds as it is, without quoting or escapes.
bool isPlainIniText(const QString &text);

// The file is read and written here, not through QSettings: its sync()
// waits for "<file>.lock" without a bound, so a lock left behind (or a folder
// of that name) would stall the start for good. No lock is taken: the new
// file is written beside the old one and renamed over it, so a reader sees
// the old or the new file, never half of one.
class NativeSettingsStore final : public SettingsStore
{
public:
    // The INI file at fileName, which need not exist yet.
    explicit NativeSettingsStore(const QString &fileName) : m_fileName(fileName) {}

    // Where QSettings keeps the native settings of applicationName for the
    // current user.
    static QString userFileName(const QString &applicationName);

    std::optional<QString> read(const QString &section, const QString &key) override;
    bool write(const QString &section, const QString &key, const QString &value) override;
    bool canWrite(const QString &section, const QString &key, const QString &value) override;
    QString errorString() const override { return m_error; }

    QString location() const { return m_fileName; }

private:
    // Writes the file with section/key set to value; keeps it only when keep.
    bool save(const QString &section, const QString &key, const QString &value, bool keep);
    bool fail(const QString &action, const QString &reason);

    QString m_fileName;
    QString m_error;
};

} // namespace Zentrova
