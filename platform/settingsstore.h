// SPDX-License-Identifier: MIT
// The per-user key/value store, behind an interface so tests can use memory.
#pragma once

#include <QString>

#include <optional>

namespace Zentrova {

// Values are text.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text, empty when the key is absent; nullopt when the store
    // cannot be read.
    virtual std::optional<QString> read(const QString &section, const QString &key) = 0;
    // Writes and commits the value; false when it did not reach the store.
    virtual bool write(const QString &section, const QString &key, const QString &value) = 0;
    // Whether write() would succeed now, tried without changing the store.
    virtual bool canWrite(const QString &section, const QString &key, const QString &value) = 0;
    // Why the last read, write or check failed, naming the store.
    virtual QString errorString() const = 0;
};

} // namespace Zentrova
