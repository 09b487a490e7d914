// SPDX-License-Identifier: MIT
#include "ui/buttonkeys.h"

#include "ui/look.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace Zentrova {

bool isButtonKey(const QKeyEvent *event)
{
    const bool space = event->key() == Qt::Key_Space && !(event->modifiers() & ~Qt::KeypadModifier);
    return space || Look::isPlainEnter(event);
}

bool takeButtonKey(QAbstractButton *button, QKeyEvent *event)
{
    if (isButtonKey(event))
        button->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    return Look::clickOnEnter(button, event);
}

} // namespace Zentrova
