// SPDX-License-Identifier: MIT
#include "ui/main/choicebutton.h"

#include "ui/captionframe.h"
#include "ui/look.h"

#include <QKeyEvent>
#include <QPainter>

namespace Zentrova {

ChoiceButton::ChoiceButton(const QString &caption, QWidget *parent) : QAbstractButton(parent)
{
    setText(caption);
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setFocusPolicy(Qt::TabFocus);
    Look::setClickable(this);
}

void ChoiceButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool space = event->key() == Qt::Key_Space;
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    // A cast from the keyboard takes the focus along, and its cue with it.
    if ((enter || space) && plain)
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
    if (enter && plain) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ChoiceButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect caption = drawCaptionFrame(painter, this, text());
    if (Look::showsFocusCue(this))
        Look::drawFocusCue(painter, caption, palette().color(QPalette::WindowText));
}

} // namespace Zentrova
