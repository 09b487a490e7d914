// SPDX-License-Identifier: MIT
// The real platform: default browser, message boxes, calendar, random source,
// the user's settings store and the end of the process.
#pragma once

#include "platform/platform.h"
#include "platform/seededrandom.h"

namespace Zentrova {

class SingleInstance;

// The text a message box shows: a lone carriage return starts a new line.
QString messageBoxText(const QString &text);

class DesktopPlatform final : public Platform
{
public:
    // instance is released when the process ends.
    explicit DesktopPlatform(SingleInstance &instance, SettingsStore &settings);

    void openWebAddress(const QUrl &address, std::function<void()> failed) override;
    MessageAnswer showMessage(QWidget *parent, const QString &text, const QString &caption,
                              MessageIcon icon, MessageButtons buttons) override;
    QWidget *activeWindow() const override;
    // One line on standard error, after the program's name.
    void reportProblem(const QString &text) override;
    QDate today() const override;
    RandomSource &random() override { return m_random; }
    SettingsStore &settings() override { return m_settings; }
    [[noreturn]] void endProcess(int status) override;

private:
    // How long after its start an opener's failure still means the page did
    // not open.
    static constexpr qint64 OpenerVerdictMs = 10000;

    SingleInstance &m_instance;
    SettingsStore &m_settings;
    SeededRandom m_random;
};

} // namespace Zentrova
