#include "ui/clickable.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

namespace Zentrova {

void ClickTracker::press(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

bool ClickTracker::release(QMouseEvent *event, const QRect &area)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       area.contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    return click;
}

bool isActivationKey(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier) || event->isAutoRepeat())
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

} // namespace Zentrova
