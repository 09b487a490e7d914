#include "ui/main/choiceframe.h"

#include "ui/main/clickfeedback.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace Zentrova {

ChoiceFrame::ChoiceFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
    setFocusPolicy(Qt::TabFocus);
}

// A plain group box lets mouse presses through to its parent; this one keeps
// them so that the release comes back here as a click.
void ChoiceFrame::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ChoiceFrame::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void ChoiceFrame::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void ChoiceFrame::keyPressEvent(QKeyEvent *event)
{
    if (isActivationKey(event)) {
        emit clicked();
        return;
    }
    QGroupBox::keyPressEvent(event);
}

void ChoiceFrame::paintEvent(QPaintEvent *event)
{
    QGroupBox::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusCue(painter, rect().adjusted(2, 2, -2, -2), palette().color(QPalette::WindowText));
    }
}

} // namespace Zentrova
