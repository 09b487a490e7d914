// SPDX-License-Identifier: MIT
// What tells the user a control of the program's own acts: the pointing hand
// over it, and the focus cue drawn around it.
#pragma once

class QColor;
class QPainter;
class QRect;
class QWidget;

namespace Zentrova::Look {

// Marks a control as clickable: the pointing-hand cursor.
void setClickable(QWidget *widget);
// Whether a control should show that it has the focus: only once the keyboard
// has moved the focus in its window, as desktop programs do.
bool showsFocusCue(const QWidget *widget);
// A dotted one-pixel rectangle just inside area. Drawn by hand: the style's
// own cue may come in a colour lost on the program's coloured windows.
void drawFocusCue(QPainter &painter, const QRect &area, const QColor &colour);

} // namespace Zentrova::Look
