#include "ui/main/clickfeedback.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPen>

namespace Zentrova {

bool isActivationKey(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

void drawFocusCue(QPainter &painter, const QRect &area, const QColor &colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace Zentrova
