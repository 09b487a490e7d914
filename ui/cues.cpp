// SPDX-License-Identifier: MIT
#include "ui/cues.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

namespace Zentrova::Look {

void setClickable(QWidget *widget)
{
    widget->setCursor(Qt::PointingHandCursor);
}

bool showsFocusCue(const QWidget *widget)
{
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void drawFocusCue(QPainter &painter, const QRect &area, const QColor &colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace Zentrova::Look
