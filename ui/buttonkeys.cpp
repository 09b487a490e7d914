// SPDX-License-Identifier: MIT
#include "ui/buttonkeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace Zentrova {

bool isPlainEnter(const QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && !(event->modifiers() & ~Qt::KeypadModifier);
}

bool isButtonKey(const QKeyEvent *event)
{
    const bool space = event->key() == Qt::Key_Space && !(event->modifiers() & ~Qt::KeypadModifier);
    return space || isPlainEnter(event);
}

bool clickOnEnter(QAbstractButton *button, QKeyEvent *event)
{
    if (!isPlainEnter(event))
        return false;
    if (!event->isAutoRepeat())
        button->click();
    event->accept();
    return true;
}

bool takeButtonKey(QAbstractButton *button, QKeyEvent *event)
{
    if (isButtonKey(event))
        button->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    return clickOnEnter(button, event);
}

} // namespace Zentrova
