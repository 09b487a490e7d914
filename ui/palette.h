// SPDX-License-Identifier: MIT
// The windows' colours, set through the controls' palettes.
#pragma once

#include <QColor>

class QWidget;

namespace Zentrova::Look {

// Solid background and text colours through the palette.
void setBackground(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);
// Gives a control drawn by the style (button, text box, tab bar) the
// desktop's colours back, whatever the coloured panel around it sets.
void useDesktopColours(QWidget *widget);

} // namespace Zentrova::Look
