#include "platform/nativesettingsstore.h"

#include <QStringList>

namespace Zentrova {

NativeSettingsStore::NativeSettingsStore(const QString &applicationName)
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, applicationName)
{}

NativeSettingsStore::NativeSettingsStore(const QString &filePath, QSettings::Format format)
    : m_settings(filePath, format)
{}

QString NativeSettingsStore::path(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

std::optional<QString> NativeSettingsStore::read(const QString &section, const QString &key)
{
    if (m_settings.status() != QSettings::NoError)
        return std::nullopt;
    const QVariant value = m_settings.value(path(section, key));
    if (!value.isValid())
        return QString();
    // An INI value holding a comma reads back as a list; give it back as the
    // text it was, so the caller can judge it.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

bool NativeSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    if (m_settings.status() != QSettings::NoError)
        return false;
    m_settings.setValue(path(section, key), value);
    // QSettings defers writing; a process that ends at once would lose it.
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

void NativeSettingsStore::flush()
{
    m_settings.sync();
}

} // namespace Zentrova
