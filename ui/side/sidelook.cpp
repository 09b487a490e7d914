#include "ui/side/sidelook.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>

#include <algorithm>

namespace Zentrova::SideLook {

void sizeToText(QLabel *label, int rightEdge)
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

void keepStandardText(QWidget *widget)
{
    const QPalette standard = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, role, standard.color(group, role));
    }
    widget->setPalette(palette);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->geometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace Zentrova::SideLook
