// SPDX-License-Identifier: MIT
#include "platform/nativesettingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace Zentrova {

namespace {

// A line's name part: the section of "[name]", or the key of "key=value".
QByteArray sectionName(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    const qsizetype end = trimmed.indexOf(']');
    if (!trimmed.startsWith('[') || end < 0)
        return {};
    return trimmed.mid(1, end - 1).trimmed();
}

QByteArray keyName(const QByteArray &line)
{
    const qsizetype equals = line.indexOf('=');
    return equals < 0 ? QByteArray() : line.left(equals).trimmed();
}

QString notAFile(const QFileInfo &info)
{
    return info.isDir() ? QStringLiteral("it is a folder")
                        : QStringLiteral("it is not a regular file");
}

bool continuesOnNextLine(const QByteArray &line)
{
    return line.endsWith('\\') || line.endsWith("\\\r");
}

} // namespace

std::optional<QString> iniValue(const QByteArray &ini, const QString &section, const QString &key)
{
    const QByteArray wantedSection = section.toUtf8();
    const QByteArray wantedKey = key.toUtf8();
    const QList<QByteArray> lines = ini.split('\n');
    std::optional<QByteArray> found;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray name = sectionName(lines.at(i));
        if (!name.isEmpty()) {
            inSection = name == wantedSection;
            continue;
        }
        if (!inSection || keyName(lines.at(i)) != wantedKey)
            continue;
        // The last copy wins, as in QSettings.
        QByteArray value = lines.at(i).mid(lines.at(i).indexOf('=') + 1).trimmed();
        while (value.endsWith('\\') && i + 1 < lines.size()) {
            value.chop(1);
            value += lines.at(++i).trimmed();
        }
        found = value;
    }
    if (!found)
        return std::nullopt;
    QByteArray value = *found;
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    else if (const qsizetype comment = value.indexOf(';'); comment >= 0)
        value = value.left(comment).trimmed();
    return QString::fromUtf8(value);
}

bool isPlainIniText(const QString &text)
{
    if (text != text.trimmed() || text.startsWith(QLatin1Char('@')))
        return false;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e || QStringLiteral("\"\\;,=#[]%").contains(c))
            return false;
    }
    return true;
}

QByteArray iniWithValue(const QByteArray &ini, const QString &section, const QString &key,
                        const QString &value)
{
    const QByteArray eol = ini.contains("\r\n") ? "\r\n" : "\n";
    const QByteArray wantedSection = section.toLatin1();
    const QByteArray wantedKey = key.toLatin1();
    const QByteArray entry = wantedKey + '=' + value.toLatin1();

    // Split and joined again at '\n', the text comes back byte for byte.
    const QList<QByteArray> lines = ini.split('\n');
    QList<QByteArray> out;
    out.reserve(lines.size() + 3);
    bool inSection = false;
    qsizetype firstHeader = -1;
    bool replaced = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const QByteArray name = sectionName(line);
        if (!name.isEmpty()) {
            inSection = name == wantedSection;
            if (inSection && firstHeader < 0)
                firstHeader = out.size();
        } else if (inSection && keyName(line) == wantedKey) {
            // Every copy of the key, with any continuation lines: whichever a
            // reader takes, it reads the new value.
            while (continuesOnNextLine(lines.at(i)) && i + 1 < lines.size())
                ++i;
            out.append(entry + (line.endsWith('\r') ? "\r" : ""));
            replaced = true;
            continue;
        }
        out.append(line);
    }

    if (replaced || firstHeader >= 0) {
        if (!replaced)
            out.insert(firstHeader + 1, entry + (eol == "\r\n" ? "\r" : ""));
        return out.join('\n');
    }

    QByteArray result = ini;
    if (!result.isEmpty()) {
        if (!result.endsWith('\n'))
            result += eol;
        result += eol;
    }
    return result + '[' + wantedSection + ']' + eol + entry + eol;
}

QString NativeSettingsStore::userFileName(const QString &applicationName)
{
    // Where QSettings files the native settings of an organisation named
    // applicationName. Not asked of QSettings: it would read the file on the
    // way, and a file that never ends (a pipe) would stall the start.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + applicationName + QStringLiteral(".conf");
}

bool NativeSettingsStore::fail(const QString &action, const QString &reason)
{
    m_error = QStringLiteral("cannot %1 %2: %3")
                  .arg(action, QDir::toNativeSeparators(m_fileName), reason);
    return false;
}

std::optional<QString> NativeSettingsStore::read(const QString &section, const QString &key)
{
    const QFileInfo info(m_fileName);
    if (!info.exists())
        return QString();
    if (!info.isFile()) {
        fail(QStringLiteral("read"), notAFile(info));
        return std::nullopt;
    }
    // Read here rather than through QSettings, whose cache of the file can
    // miss a change that keeps its size within the same millisecond.
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("read"), file.errorString());
        return std::nullopt;
    }
    const QByteArray ini = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail(QStringLiteral("read"), file.errorString());
        return std::nullopt;
    }
    // A damaged file still gives what can be read.
    return iniValue(ini, section, key).value_or(QString());
}

bool NativeSettingsStore::save(const QString &section, const QString &key, const QString &value,
                               bool keep)
{
    const QString write = QStringLiteral("write");
    if (!isPlainIniText(section) || !isPlainIniText(key) || !isPlainIniText(value))
        return fail(write, QStringLiteral("\"%1\" would need escaping").arg(value));

    const QFileInfo info(m_fileName);
    if (info.exists() && !info.isFile())
        return fail(write, notAFile(info));
    QByteArray current;
    if (info.exists()) {
        // What cannot be read cannot be kept: better no write than a lost file.
        QFile file(m_fileName);
        if (!file.open(QIODevice::ReadOnly))
            return fail(write, file.errorString());
        current = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return fail(write, file.errorString());
    }
    if (!QDir().mkpath(info.absolutePath()))
        return fail(write, QStringLiteral("its folder cannot be made"));

    // No direct-write fallback: writing over the file in place could leave
    // half of it on a full disk.
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(write, file.errorString());
    const QByteArray updated = iniWithValue(current, section, key, value);
    if (file.write(updated) != updated.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(write, reason);
    }
    if (!keep) {
        // The destructor removes the new file unless it was committed.
        file.cancelWriting();
        m_error.clear();
        return true;
    }
    if (!file.commit())
        return fail(write, file.errorString());
    m_error.clear();
    return true;
}

bool NativeSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    return save(section, key, value, true);
}

bool NativeSettingsStore::canWrite(const QString &section, const QString &key, const QString &value)
{
    return save(section, key, value, false);
}

} // namespace Zentrova
