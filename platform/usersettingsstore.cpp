// SPDX-License-Identifier: MIT
#include "platform/usersettingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <chrono>

namespace Zentrova {

namespace {

// Far below what a user notices at the start, long enough for a running
// copy to finish its write.
constexpr std::chrono::milliseconds LockWait{200};

QString notARegularFile(const QFileInfo &info)
{
    return info.isDir() ? QStringLiteral("it is a folder")
                        : QStringLiteral("it is not a regular file");
}

QString settingsKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

// The digit's value in base (8 or 16), or -1 when it is none.
int digitValue(char digit, int base)
{
    int value = base;
    if (digit >= '0' && digit <= '9')
        value = digit - '0';
    else if (digit >= 'a' && digit <= 'f')
        value = digit - 'a' + 10;
    else if (digit >= 'A' && digit <= 'F')
        value = digit - 'A' + 10;
    return value < base ? value : -1;
}

// Whether any at sign would reach QSettings, written as it is or as an
// escape: "\x40", "\100", or longer ones, of which Qt keeps the last 16 bits
// ("\x10040"). A value starting with one ("@Variant(", "@ByteArray(",
// "@Rect(" ...) is decoded as data when QSettings loads the file, and a list
// nested deep enough overflows the stack. The file only ever holds a date,
// so an at sign anywhere is enough.
bool holdsEncodedData(QByteArrayView ini)
{
    for (qsizetype i = 0; i < ini.size(); ++i) {
        if (ini.at(i) == '@')
            return true;
        if (ini.at(i) != '\\' || i + 1 == ini.size())
            continue;
        qsizetype next = i + 1;
        const int base = ini.at(next) == 'x' ? 16 : 8;
        if (base == 16)
            ++next;
        char16_t escaped = 0;
        qsizetype digits = 0;
        for (int digit = 0; next < ini.size() && (digit = digitValue(ini.at(next), base)) >= 0;
             ++next, ++digits)
            escaped = char16_t(escaped * base + digit);
        if (digits > 0 && escaped == u'@')
            return true;
        // Past the escape: its digits, or the one character it stands for.
        i = digits > 0 || base == 16 ? next - 1 : i + 1;
    }
    return false;
}

} // namespace

bool UserSettingsStore::fail(const QString &action, const QString &reason)
{
    m_error = QStringLiteral("cannot %1 %2: %3")
                  .arg(action, QDir::toNativeSeparators(m_location), reason);
    return false;
}

bool UserSettingsStore::checkFile(const QString &action)
{
    const QFileInfo info(m_location);
    if (!isFile() || !info.exists())
        return true;
    // A pipe would never end, and a huge file would take memory and time.
    if (!info.isFile())
        return fail(action, notARegularFile(info));
    if (info.size() > MaxFileSize)
        return fail(action,
                    QStringLiteral("it is larger than %1 MiB").arg(MaxFileSize / (1024 * 1024)));
    QFile file(m_location);
    if (!file.open(QIODevice::ReadOnly))
        return fail(action, file.errorString());
    if (holdsEncodedData(file.read(MaxFileSize)))
        return fail(action, QStringLiteral("it holds data encoded for QSettings (an \"@\"), "
                                           "where only a date belongs"));
    return true;
}

std::optional<QString> UserSettingsStore::read(const QString &section, const QString &key)
{
    const QString action = QStringLiteral("read");
    if (!checkFile(action))
        return std::nullopt;
    const QSettings settings(m_location, m_format);
    // A damaged file (a FormatError) still gives what can be read.
    if (settings.status() == QSettings::AccessError) {
        QFile file(m_location);
        fail(action,
             file.open(QIODevice::ReadOnly) ? QStringLiteral("access denied") : file.errorString());
        return std::nullopt;
    }
    m_error.clear();
    return settings.value(settingsKey(section, key)).toString();
}

bool UserSettingsStore::tryWrite(const QString &section, const QString &key, const QString &value)
{
    const QString action = QStringLiteral("write");
    if (!checkFile(action))
        return false;
    if (!isFile()) {
        m_error.clear();
        return true;
    }

    // QSettings makes the folder of a first file; a folder that cannot be
    // made shows in the copy's error below.
    QDir().mkpath(QFileInfo(m_location).absolutePath());
    QFile current(m_location);
    if (current.exists() && !current.open(QIODevice::ReadOnly))
        return fail(action, current.errorString());
    // A copy of the file with the entry added, written as QSettings writes (a
    // new file beside it, never over it) and never committed: it fails where
    // the real write would, with the system's reason (a full disk, no right
    // to write the folder or the file).
    QByteArray copy = current.isOpen() ? current.readAll() : QByteArray();
    copy += "\n[" + section.toUtf8() + "]\n" + key.toUtf8() + '=' + value.toUtf8() + '\n';
    QSaveFile trial(m_location);
    if (!trial.open(QIODevice::WriteOnly) || trial.write(copy) != copy.size() || !trial.flush())
        return fail(action, trial.errorString());

    // QSettings' own lock, tried with a bounded wait and released for
    // QSettings to take. A lock it could never take (a folder, a pipe) is not
    // tried at all: QLockFile would read a pipe without end.
    const QString lockName = m_location + QStringLiteral(".lock");
    const QFileInfo lockInfo(lockName);
    if (lockInfo.exists() && !lockInfo.isFile())
        return fail(action,
                    QStringLiteral("its lock %1 cannot be taken: %2")
                        .arg(QDir::toNativeSeparators(lockName), notARegularFile(lockInfo)));
    QLockFile lock(lockName);
    if (!lock.tryLock(LockWait)) {
        return fail(action, QStringLiteral("its lock %1 %2")
                                .arg(QDir::toNativeSeparators(lockName),
                                     lock.error() == QLockFile::LockFailedError
                                         ? QStringLiteral("is held by another process")
                                         : QStringLiteral("cannot be made")));
    }
    m_error.clear();
    return true;
}

bool UserSettingsStore::canWrite(const QString &section, const QString &key, const QString &value)
{
    return tryWrite(section, key, value);
}

bool UserSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    if (!tryWrite(section, key, value))
        return false;
    QSettings settings(m_location, m_format);
    // A new file renamed over the old one: a failed write leaves the old one whole.
    settings.setAtomicSyncRequired(true);
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
    if (settings.status() == QSettings::AccessError)
        return fail(QStringLiteral("write"), QStringLiteral("QSettings could not save it"));
    return true;
}

} // namespace Zentrova
