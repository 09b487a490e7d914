#include "ui/main/choiceframe.h"

#include "ui/clickable.h"

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
    return QGroupBox::event(event);
}

// Drawn by hand: an etched border with the caption set into its top line,
// which the styles' own group boxes on a coloured background show too faintly.
void ChoiceFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().brush(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());

    if (hasFocus())
        drawFocusCue(painter, caption, palette().color(QPalette::WindowText));
}

} // namespace Zentrova
