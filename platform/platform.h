// SPDX-License-Identifier: MIT
// The program's one seam to the outside world: web browser, message boxes,
// calendar, random source and settings store.
#pragma once

#include "platform/randomsource.h"
#include "platform/settingsstore.h"

#include <QDate>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace Zentrova {

// The caption of every message box.
inline const QString ProgramTitle = QStringLiteral("Zentrova");

enum class MessageIcon { Information, Warning, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message
{
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    // Text for the user to copy (an address), shown whole below the message.
    QString copyableText;
};

class Platform
{
public:
    virtual ~Platform() = default;

    // Hands the address to the default browser and returns at once. failed
    // runs, at once or a moment later, when no browser took the address.
    virtual void openWebAddress(const QUrl &address, std::function<void()> failed) = 0;
    // Shows a modal message box over parent (or over the screen) and returns
    // the button pressed.
    virtual MessageAnswer showMessage(QWidget *parent, const Message &message) = 0;
    virtual QDate today() const = 0;
    virtual RandomSource &random() = 0;
    virtual SettingsStore &settings() = 0;
};

} // namespace Zentrova
