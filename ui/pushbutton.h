// SPDX-License-Identifier: MIT
// A push button that Enter presses as Space does, outside a dialog too.
// QPushButton takes Enter only as a dialog's default button (autoDefault),
// which also draws it as the default one.
#pragma once

#include "ui/enterkey.h"

#include <QKeyEvent>
#include <QPushButton>

namespace Zentrova {

class PushButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PushButton)

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!Look::clickOnEnter(this, event))
            QPushButton::keyPressEvent(event);
    }
};

} // namespace Zentrova
