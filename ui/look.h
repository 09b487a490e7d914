// SPDX-License-Identifier: MIT
// Shared look of the program's windows: fonts, colours, geometry in twips,
// pictures and the focus cue.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QAbstractButton;
class QKeyEvent;
class QPainter;
class QWidget;

namespace Zentrova::Look {

// 15 twips make one pixel at 96 dots per inch; Qt scales device-independent
// pixels for denser screens itself.
inline constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    return (twips + (twips >= 0 ? TwipsPerPixel / 2 : -TwipsPerPixel / 2)) / TwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// Places a child at a rectangle given in twips relative to its parent.
void place(QWidget *widget, int left, int top, int width, int height);

// Verdana where installed, otherwise a close installed sans; pointSize as
// given (8.25, 9.75, ...).
QFont uiFont(qreal pointSize, bool bold = false, bool underline = false);
// The window font: 8.25 pt regular.
QFont windowFont();

// Solid background and text colours through the palette.
void setBackground(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);
// Gives a control drawn by the style (button, text box, tab bar) the
// desktop's colours back, whatever the coloured panel around it sets.
void useDesktopColours(QWidget *widget);
// Moves a fixed-size top-level window, frame included, to the centre of its
// screen; once a window manager has put its frame around the window, once more.
void centreOnScreen(QWidget *window);
// Marks a control as clickable: the pointing-hand cursor.
void setClickable(QWidget *widget);
// Whether a control should show that it has the focus: only once the keyboard
// has moved the focus in its window, as desktop programs do.
bool showsFocusCue(const QWidget *widget);
// Enter or Return, on either keyboard, with no other modifier.
bool isPlainEnter(const QKeyEvent *event);
// Presses button for a plain Enter, as Space does, and returns whether it
// took the key. The program's own buttons take Enter in any window; Qt's
// take it only in dialogs.
bool clickOnEnter(QAbstractButton *button, QKeyEvent *event);
// A dotted one-pixel rectangle just inside area. Drawn by hand: the style's
// own cue may come in a colour lost on the program's coloured windows.
void drawFocusCue(QPainter &painter, const QRect &area, const QColor &colour);

// Fits a label's, a button's or a framed box's text into its control: a text
// its font cannot hold shrinks a quarter point at a time, to nine tenths of
// the control's own size at most, where a reader sees no change of type. A
// text that fits keeps the control's font, so the English texts show as
// designed. The calls to action and the links are never fitted: their
// translations are worded to fit. Call it after each change of text; false when the text does not
// fit even at the floor. room is where the text must fit, the control's own
// size when not given.
bool fitText(QWidget *control, QSize room = {});

// A picture from the resources, its "@2x" version on dense screens.
QPixmap picture(const QString &resourcePath);
// The program's icon, in every size there is.
QIcon programIcon();

} // namespace Zentrova::Look
