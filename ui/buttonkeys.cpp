// SPDX-License-Identifier: MIT
#include "ui/buttonkeys.h"

#include "ui/look.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace Zentrova {

bool takeButtonKey(QAbstractButton *button, QKeyEvent *event)
{
    const bool space = event->key() == Qt::Key_Space && !(event->modifiers() & ~Qt::KeypadModifier);
    if (space || Look::isPlainEnter(event))
        button->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    return Look::clickOnEnter(button, event);
}

} // namespace Zentrova
