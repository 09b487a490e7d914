// SPDX-License-Identifier: MIT
// A platform for tests: records what the program asks of the outside world
// and answers from a script.
#pragma once

#include "platform/platform.h"
#include "platform/seededrandom.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QQueue>
#include <QWidget>

namespace Zentrova::Testing {

// Returns the scripted values in turn, then repeats the last one.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(QList<double> values = {0.0}) : m_values(std::move(values)) {}
    double next() override;
    void seedFromClock() override { ++seedings; }
    void setValues(QList<double> values);

    int seedings = 0;

private:
    QList<double> m_values;
    qsizetype m_next = 0;
};

class MemorySettingsStore final : public SettingsStore
{
public:
    std::optional<QString> read(const QString &section, const QString &key) override;
    bool write(const QString &section, const QString &key, const QString &value) override;
    bool canWrite(const QString &, const QString &, const QString &) override;
    QString errorString() const override { return error; }

    static QString path(const QString &section, const QString &key)
    {
        return section + QLatin1Char('/') + key;
    }

    QMap<QString, QString> values;
    bool failReads = false;
    bool failWrites = false;
    QString error;
    int reads = 0;
    int writes = 0;
};

// Collects what the program tells on its own logging category while it lives.
class WarningLog final
{
    Q_DISABLE_COPY_MOVE(WarningLog)

public:
    WarningLog();
    ~WarningLog();

    QStringList lines;

private:
    QtMessageHandler m_previous;
};

struct RecordedMessage
{
    QPointer<QWidget> parent;
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QString copyableText;
};

class RecordingPlatform final : public Platform
{
public:
    RecordingPlatform();

    void openWebAddress(const QUrl &address, std::function<void()> failed) override;
    MessageAnswer showMessage(QWidget *parent, const Message &message) override;
    QDate today() const override { return todayDate; }
    RandomSource &random() override { return *randomSource; }
    SettingsStore &settings() override { return store; }

    // Uses a seeded generator (the default) or a script of draws.
    void useSeed(quint64 seed);
    void useScript(QList<double> values);

    // The addresses handed to the browser, in their encoded form.
    QStringList openedAddresses() const;

    // Every address handed over, whether or not a browser took it.
    QList<QUrl> opened;
    bool browserOpens = true;
    QList<RecordedMessage> messages;
    // Answers given to message boxes in turn; when none is left, OK boxes are
    // answered Ok and Yes/No boxes No.
    QQueue<MessageAnswer> answers;
    // Called while a message box is "open", as a real box runs its own loop.
    std::function<void(const RecordedMessage &)> onMessage;
    QDate todayDate{2026, 12, 8};
    MemorySettingsStore store;

private:
    std::unique_ptr<RandomSource> randomSource;
};

} // namespace Zentrova::Testing
