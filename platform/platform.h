// SPDX-License-Identifier: MIT
// The program's one seam to the outside world: web browser, message boxes,
// calendar, random source, settings store and the end of the process.
#pragma once

#include "platform/randomsource.h"
#include "platform/settingsstore.h"

#include <QDate>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace Zentrova {

inline const QString ProgramTitle = QStringLiteral("Zentrova");

// A warning's text can be selected; its last paragraph, after a blank line,
// is something to copy (an address) and is shown whole in a field of its own.
enum class MessageIcon { Information, Warning, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Platform
{
public:
    virtual ~Platform() = default;

    // Hands the address to the default browser and returns at once. failed
    // runs, at once or a moment later, when no browser took the address.
    virtual void openWebAddress(const QUrl &address, std::function<void()> failed) = 0;
    // Shows a modal message box over parent (or over the screen) and returns
    // the button pressed.
    virtual MessageAnswer showMessage(QWidget *parent, const QString &text, const QString &caption,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // The window the user works in, if any: the natural parent of a message
    // that answers what they just did.
    virtual QWidget *activeWindow() const = 0;
    // Tells whoever reads standard error about a fault the program works
    // around; text is one line.
    virtual void reportProblem(const QString &text) = 0;
    virtual QDate today() const = 0;
    virtual RandomSource &random() = 0;
    virtual SettingsStore &settings() = 0;
    // Ends the process. The real platform never returns from it; a recording
    // platform does, so every caller must stop right after the call.
    virtual void endProcess(int status) = 0;
};

} // namespace Zentrova
