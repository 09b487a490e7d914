// SPDX-License-Identifier: MIT
#include "ui/side/sidelook.h"

#include <QFontDatabase>
#include <QWidget>

#include <algorithm>

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
