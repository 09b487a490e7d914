// SPDX-License-Identifier: MIT
// The windows' geometry, designed in twips (1440 to the inch).
#pragma once

#include <QRect>
#include <QWidget>

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
inline void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

} // namespace Zentrova::Look
