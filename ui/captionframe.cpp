#include "ui/captionframe.h"

#include <QPainter>

#include <algorithm>

namespace Zentrova {

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent) {}

QRect CaptionFrame::captionRect() const
{
    const QFontMetrics metrics(font());
    const int width = metrics.horizontalAdvance(title()) + 4;
    // Set in from the left, as far as a long caption leaves room for.
    const int left = std::clamp(rect().width() - width, 0, 6);
    return QRect(left, 0, width, metrics.height());
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    const QRect caption = captionRect();
    painter.fillRect(caption, palette().brush(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace Zentrova
