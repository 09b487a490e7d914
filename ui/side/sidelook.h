// SPDX-License-Identifier: MIT
// Label sizing and fonts shared by the farewell and about windows.
#pragma once

#include <QFont>

class QWidget;

namespace Zentrova::SideLook {

// Sizes a label or link to its text from its placed top-left corner, keeping it left
// of rightEdge (pixels in the parent): a text too wide for the room is set
// narrower, and moved left if that is not enough.
void sizeToText(QWidget *label, int rightEdge);

// The desktop's own sans-serif at the given size, for a large title that no
// designed face is asked for.
QFont desktopSansFont(qreal pointSize);

} // namespace Zentrova::SideLook
