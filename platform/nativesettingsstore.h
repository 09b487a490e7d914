// The per-user settings store of the desktop, through QSettings.
#pragma once

#include "platform/platform.h"

#include <QSettings>

namespace Zentrova {

class NativeSettingsStore final : public SettingsStore
{
public:
    // The platform's native store for the current user, under applicationName.
    explicit NativeSettingsStore(const QString &applicationName);
    // An INI file at filePath (for tests).
    explicit NativeSettingsStore(const QString &filePath, QSettings::Format format);

    std::optional<QString> read(const QString &section, const QString &key) override;
    bool write(const QString &section, const QString &key, const QString &value) override;
    void flush() override;

    QString location() const { return m_settings.fileName(); }

private:
    static QString path(const QString &section, const QString &key);

    QSettings m_settings;
};

} // namespace Zentrova
