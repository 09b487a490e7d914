// SPDX-License-Identifier: MIT
// The real platform: default browser, message boxes, calendar, random source
// and the user's settings store.
#pragma once

#include "platform/platform.h"
#include "platform/seededrandom.h"

#include <QList>
#include <QPointer>

class QProcess;

namespace Zentrova {

class DesktopPlatform final : public Platform
{
    Q_DISABLE_COPY_MOVE(DesktopPlatform)

public:
    explicit DesktopPlatform(SettingsStore &settings);
    // Ends the openers still running, which hold a process each.
    ~DesktopPlatform() override;

    // Each system has its own (desktopplatform_unix.cpp, desktopplatform_win.cpp).
    void openWebAddress(const QUrl &address, std::function<void()> failed) override;
    MessageAnswer showMessage(QWidget *parent, const Message &message) override;
    QDate today() const override;
    RandomSource &random() override { return m_random; }
    SettingsStore &settings() override { return m_settings; }

    // How many openers are watched for their verdict at once; an address
    // handed over while that many wait is opened unwatched.
    static constexpr int MostWatchedOpeners = 4;
    // How long after its start an opener's failure still means the page did
    // not open.
    static constexpr int OpenerVerdictMs = 10000;

private:
    SettingsStore &m_settings;
    SeededRandom m_random;
    // The openers watched for their verdict, where the system gives one.
    QList<QPointer<QProcess>> m_openers;
};

} // namespace Zentrova
