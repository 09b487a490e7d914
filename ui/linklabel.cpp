#include "ui/linklabel.h"

#include "ui/look.h"

#include <QKeyEvent>
#include <QPainter>

namespace Zentrova {

LinkLabel::LinkLabel(const QString &text, QWidget *parent, Keys keys)
    : QLabel(text, parent), m_keys(keys)
{
    setTextFormat(Qt::PlainText);
    // Tab reaches it; a mouse click opens the page without taking the focus.
    setFocusPolicy(Qt::TabFocus);
    Look::setClickable(this);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, rect()))
        Q_EMIT clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const bool activates =
        isActivationKey(event) && (m_keys == Keys::SpaceOrEnter || event->key() == Qt::Key_Space);
    if (activates) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    event->ignore();
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusCue(painter, rect(), palette().color(QPalette::WindowText));
    }
}

} // namespace Zentrova
