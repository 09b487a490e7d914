// SPDX-License-Identifier: MIT
#include "recordingplatform.h"

#include "platform/logging.h"

namespace Zentrova::Testing {

namespace {

WarningLog *currentLog = nullptr;

} // namespace

WarningLog::WarningLog()
{
    currentLog = this;
    m_previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (currentLog && qstrcmp(context.category, lcZentrova().categoryName()) == 0)
                currentLog->lines.append(text);
            else if (currentLog)
                currentLog->m_previous(type, context, text);
        });
}

WarningLog::~WarningLog()
{
    qInstallMessageHandler(m_previous);
    currentLog = nullptr;
}

double ScriptedRandom::next()
{
    if (m_values.isEmpty())
        return 0.0;
    const double value = m_values.at(std::min(m_next, m_values.size() - 1));
    ++m_next;
    return value;
}

void ScriptedRandom::setValues(QList<double> values)
{
    m_values = std::move(values);
    m_next = 0;
}

std::optional<QString> MemorySettingsStore::read(const QString &section, const QString &key)
{
    ++reads;
    if (failReads) {
        error = QStringLiteral("cannot read the memory store");
        return std::nullopt;
    }
    return values.value(path(section, key));
}

bool MemorySettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    ++writes;
    if (failWrites) {
        error = QStringLiteral("cannot write the memory store");
        return false;
    }
    values.insert(path(section, key), value);
    return true;
}

bool MemorySettingsStore::canWrite(const QString &, const QString &, const QString &)
{
    if (failWrites)
        error = QStringLiteral("cannot write the memory store");
    return !failWrites;
}

RecordingPlatform::RecordingPlatform()
{
    useSeed(20261208);
}

void RecordingPlatform::openWebAddress(const QUrl &address, std::function<void()> failed)
{
    opened.append(address);
    if (!browserOpens)
        failed();
}

MessageAnswer RecordingPlatform::showMessage(QWidget *parent, const Message &message)
{
    const RecordedMessage recorded{parent, message.text, message.icon, message.buttons,
                                   message.copyableText};
    messages.append(recorded);
    if (onMessage)
        onMessage(recorded);
    if (!answers.isEmpty())
        return answers.dequeue();
    return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

void RecordingPlatform::useSeed(quint64 seed)
{
    // The "clock" of a test platform is fixed too: reseeding repeats a draw.
    randomSource = std::make_unique<SeededRandom>(seed, [seed] { return seed + 1; });
}

void RecordingPlatform::useScript(QList<double> values)
{
    randomSource = std::make_unique<ScriptedRandom>(std::move(values));
}

QStringList RecordingPlatform::openedAddresses() const
{
    QStringList addresses;
    for (const QUrl &url : opened)
        addresses.append(QString::fromLatin1(url.toEncoded()));
    return addresses;
}

} // namespace Zentrova::Testing
