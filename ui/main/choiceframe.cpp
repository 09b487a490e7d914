#include "ui/main/choiceframe.h"

#include "ui/clickable.h"
#include "ui/look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace Zentrova {

ChoiceFrame::ChoiceFrame(const QString &caption, QWidget *parent) : CaptionFrame(caption, parent)
{
    setFocusPolicy(Qt::TabFocus);
}

// A plain group box lets mouse presses through to its parent; this one keeps
// them so that the release comes back here as a click.
void ChoiceFrame::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void ChoiceFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, rect()))
        Q_EMIT clicked();
}

void ChoiceFrame::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

// A plain group box turns Space into a click of its check box, which it
// lacks here; every activation key casts, once per press.
bool ChoiceFrame::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isActivationKey(key)) {
            if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
                emit clicked();
            return true;
        }
    }
    return CaptionFrame::event(event);
}

void ChoiceFrame::paintEvent(QPaintEvent *event)
{
    CaptionFrame::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        Look::drawFocusCue(painter, captionRect(), palette().color(QPalette::WindowText));
    }
}

} // namespace Zentrova
