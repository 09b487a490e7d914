// SPDX-License-Identifier: MIT
#include "ui/palette.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace Zentrova::Look {

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void useDesktopColours(QWidget *widget)
{
    const QPalette desktop = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourGroup = QPalette::ColorGroup(group);
            const auto colourRole = QPalette::ColorRole(role);
            palette.setBrush(colourGroup, colourRole, desktop.brush(colourGroup, colourRole));
        }
    }
    widget->setPalette(palette);
}

} // namespace Zentrova::Look
