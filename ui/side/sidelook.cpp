// SPDX-License-Identifier: MIT
#include "ui/side/sidelook.h"

#include <QFontDatabase>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWidget>

#include <algorithm>

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

namespace Zentrova::SideLook {

void sizeToText(QWidget *label, int rightEdge)
{
    const QPoint corner = label->pos();
    const int room = rightEdge - corner.x();
    label->adjustSize();
    // Our fallback fonts run wider than the designed ones: a text that would
    // cross the edge is set a little narrower first.
    QFont font = label->font();
    for (int stretch = 95; label->width() > room && stretch >= 75; stretch -= 5) {
        font.setStretch(stretch);
        label->setFont(font);
        label->adjustSize();
    }
    const int left = std::max(0, std::min(corner.x(), rightEdge - label->width()));
    label->move(left, corner.y());
}

QFont desktopSansFont(qreal pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace Zentrova::SideLook
