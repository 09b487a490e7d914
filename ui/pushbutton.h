// SPDX-License-Identifier: MIT
// A push button that Enter presses as Space does, outside a dialog too.
// QPushButton takes Enter only as a dialog's default button (autoDefault),
// which also draws it as the default one. After either key, or the button's
// access key, the focus cue shows wherever the press takes the focus, as
// after Tab.
#pragma once

#include "ui/buttonkeys.h"

#include <QEvent>
#include <QPushButton>

namespace Zentrova {

class PushButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PushButton)

public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent *event) override
    {
        // The access key is the keyboard too.
        if (event->type() == QEvent::Shortcut)
            window()->setAttribute(Qt::WA_KeyboardFocusChange);
        return QPushButton::event(event);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!takeButtonKey(this, event))
            QPushButton::keyPressEvent(event);
    }
};

} // namespace Zentrova
