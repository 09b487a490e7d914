// SPDX-License-Identifier: MIT
// Fixed-size windows in the middle of their screen.
#pragma once

class QWidget;

namespace Zentrova::Look {

// Moves a fixed-size top-level window, frame included, to the centre of its
// screen; once a window manager has put its frame around the window, once more.
void centreOnScreen(QWidget *window);

} // namespace Zentrova::Look
