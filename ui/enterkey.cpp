// SPDX-License-Identifier: MIT
#include "ui/enterkey.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace Zentrova::Look {

bool isPlainEnter(const QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && !(event->modifiers() & ~Qt::KeypadModifier);
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

} // namespace Zentrova::Look
