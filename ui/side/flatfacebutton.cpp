// SPDX-License-Identifier: MIT
#include "ui/side/flatfacebutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace Zentrova {

void FlatFaceButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.features &= ~QStyleOptionButton::DefaultButton;
    // As QPushButton draws itself, with the face filled in between.
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(rect().adjusted(2, 2, -2, -2), isDown() ? face.darker(110) : face);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace Zentrova
