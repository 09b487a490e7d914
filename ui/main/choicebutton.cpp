// SPDX-License-Identifier: MIT
#include "ui/main/choicebutton.h"

#include "ui/buttonkeys.h"
#include "ui/captionframe.h"
#include "ui/cues.h"

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
    // A cast from the keyboard takes the focus along, and its cue with it.
    if (!takeButtonKey(this, event))
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
