// SPDX-License-Identifier: MIT
#include "ui/captionframe.h"

#include <QPainter>

#include <algorithm>

namespace Zentrova {

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent) {}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawCaptionFrame(painter, this, title());
}

// qDrawShadeRect draws its light lines one pixel shorter at three corners;
// the grey box with a white one set one pixel in is the etched look wanted.
QRect drawCaptionFrame(QPainter &painter, const QWidget *widget, const QString &caption)
{
    const QFontMetrics metrics(widget->font());
    const QRect area = widget->rect();
    const QRect border = area.adjusted(0, metrics.height() / 2, -1, -1);
    painter.save();
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    const int width = metrics.horizontalAdvance(caption) + 4;
    // Set in from the left, as far as a long caption leaves room for.
    const int left = std::clamp(area.width() - width, 0, 6);
    const QRect captionArea(left, 0, width, metrics.height());
    painter.fillRect(captionArea, widget->palette().brush(QPalette::Window));
    painter.setPen(widget->palette().color(QPalette::WindowText));
    painter.drawText(captionArea, Qt::AlignCenter | Qt::TextSingleLine, caption);
    painter.restore();
    return captionArea;
}

} // namespace Zentrova
