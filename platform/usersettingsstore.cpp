// SPDX-License-Identifier: MIT
#include "platform/usersettingsstore.h"

#include "platform/stalelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTemporaryFile>

#include <chrono>
#include <filesystem>
#include <system_error>

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

QString sizeLimit()
{
    return QStringLiteral("%1 MiB").arg(UserSettingsStore::MaxFileSize / (1024 * 1024));
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

std::optional<QByteArray> UserSettingsStore::readPlainText(const QString &action)
{
    const QFileInfo info(m_location);
    if (!isFile() || !info.exists())
        return QByteArray();
    // A pipe would never end, and a huge file would take memory and time.
    if (!info.isFile()) {
        fail(action, notARegularFile(info));
        return std::nullopt;
    }
    const QString tooLarge = QStringLiteral("it is larger than ") + sizeLimit();
    if (info.size() > MaxFileSize) {
        fail(action, tooLarge);
        return std::nullopt;
    }
    QFile file(m_location);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(action, file.errorString());
        return std::nullopt;
    }
    QByteArray text = file.read(MaxFileSize + 1);
    if (text.size() > MaxFileSize) {
        fail(action, tooLarge);
        return std::nullopt;
    }
    if (holdsEncodedData(text)) {
        fail(action, QStringLiteral("it holds data encoded for QSettings (an \"@\"), "
                                    "where only a date belongs"));
        return std::nullopt;
    }
    return text;
}

std::optional<QString> UserSettingsStore::read(const QString &section, const QString &key)
{
    const QString action = QStringLiteral("read");
    if (!readPlainText(action))
        return std::nullopt;
    const QSettings settings(m_location, m_format);
    // A damaged file (a FormatError) still gives what can be read.
    if (settings.status() == QSettings::AccessError) {
        fail(action, QStringLiteral("access denied"));
        return std::nullopt;
    }
    m_error.clear();
    return settings.value(settingsKey(section, key)).toString();
}

bool UserSettingsStore::makeFolder(const QString &action)
{
    // QDir::mkpath says only whether it failed; std::filesystem says why.
    std::error_code error;
    std::filesystem::create_directories(
        std::filesystem::path(QFileInfo(m_location).absolutePath().toStdU16String()), error);
    return !error || fail(action, QString::fromLocal8Bit(error.message()));
}

bool UserSettingsStore::takeLock(QLockFile &lock, const QString &fileName, const QString &action)
{
    // A lock QLockFile could never take (a folder, a pipe) is not tried at
    // all: it would read a pipe without end.
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        return fail(action, QStringLiteral("its lock %1 cannot be taken: %2")
                                .arg(QDir::toNativeSeparators(fileName), notARegularFile(info)));
    if (lock.tryLock(LockWait) ||
        (lock.error() == QLockFile::LockFailedError && takeOverStaleLock(lock, fileName)))
        return true;
    return fail(action, QStringLiteral("its lock %1 %2")
                            .arg(QDir::toNativeSeparators(fileName),
                                 lock.error() == QLockFile::LockFailedError
                                     ? QStringLiteral("is held by another process")
                                     : QStringLiteral("cannot be made")));
}

std::optional<QByteArray> UserSettingsStore::textWith(const QString &section, const QString &key,
                                                      const QString &value, const QString &action)
{
    const std::optional<QByteArray> current = readPlainText(action);
    if (!current)
        return std::nullopt;
    // QSettings writes files only: it sets the entry in a copy beside the file.
    // QTemporaryFile keeps its handle open until it is destroyed, and on
    // Windows that handle keeps QSettings from renaming its new file over the
    // copy: the copy is closed for good first, and removed here.
    QString copyName;
    {
        QTemporaryFile copy(m_location + QStringLiteral(".XXXXXX"));
        if (!copy.open() || copy.write(*current) != current->size() || !copy.flush()) {
            fail(action, copy.errorString());
            return std::nullopt;
        }
        copy.setAutoRemove(false);
        copyName = copy.fileName();
    }
    const auto removeCopy = qScopeGuard([&copyName] { QFile::remove(copyName); });
    bool synced = false;
    {
        QSettings settings(copyName, m_format);
        settings.setAtomicSyncRequired(false);
        settings.setValue(settingsKey(section, key), value);
        settings.sync();
        synced = settings.status() != QSettings::AccessError;
    }
    // QSettings keeps only its first error: in a copy it found damaged, a
    // write that failed later goes untold. What it wrote is read back.
    if (!synced ||
        QSettings(copyName, m_format).value(settingsKey(section, key)).toString() != value) {
        fail(action, QStringLiteral("QSettings could not write a copy beside it"));
        return std::nullopt;
    }
    QFile written(copyName);
    if (!written.open(QIODevice::ReadOnly)) {
        fail(action, written.errorString());
        return std::nullopt;
    }
    return written.readAll();
}

bool UserSettingsStore::save(const QString &section, const QString &key, const QString &value,
                             Commit commit)
{
    const QString action = QStringLiteral("write");
    if (!isFile()) {
        m_error.clear();
        if (commit == Commit::No)
            return true;
        QSettings settings(m_location, m_format);
        settings.setValue(settingsKey(section, key), value);
        settings.sync();
        return settings.status() != QSettings::AccessError ||
               fail(action, QStringLiteral("access denied"));
    }

    const std::optional<QByteArray> current = readPlainText(action);
    if (!current || !makeFolder(action))
        return false;
    // A new file beside the old one, as the write makes it, with the old
    // one's text, which the new one keeps: it fails where the write would (no
    // right to write the folder or the file, a full disk), with the system's
    // reason, before the lock is tried. Never committed.
    {
        QSaveFile trial(m_location);
        if (!trial.open(QIODevice::WriteOnly) || trial.write(*current) != current->size() ||
            !trial.flush())
            return fail(action, trial.errorString());
    }

    // QSettings' own lock, held while the file is read and replaced.
    const QString lockName = m_location + QStringLiteral(".lock");
    QLockFile lock(lockName);
    if (!takeLock(lock, lockName, action))
        return false;
    const std::optional<QByteArray> text = textWith(section, key, value, action);
    if (!text)
        return false;
    // QSettings writes some values longer than it read them (a long list
    // gains a space after each comma): a file that would pass the limit is
    // left as it is, still readable.
    if (text->size() > MaxFileSize)
        return fail(action, QStringLiteral("it would grow larger than ") + sizeLimit());
    if (commit == Commit::Yes) {
        // A new file renamed over the old one: a failed write leaves the old one whole.
        QSaveFile file(m_location);
        if (!file.open(QIODevice::WriteOnly) || file.write(*text) != text->size() || !file.commit())
            return fail(action, file.errorString());
    }
    m_error.clear();
    return true;
}

bool UserSettingsStore::canWrite(const QString &section, const QString &key, const QString &value)
{
    return save(section, key, value, Commit::No);
}

bool UserSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    return save(section, key, value, Commit::Yes);
}

} // namespace Zentrova
