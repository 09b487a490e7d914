// SPDX-License-Identifier: MIT
// Enter presses the program's own buttons.
#pragma once

class QAbstractButton;
class QKeyEvent;

namespace Zentrova::Look {

// Enter or Return, on either keyboard, with no other modifier.
bool isPlainEnter(const QKeyEvent *event);
// Presses button for a plain Enter, as Space does, and returns whether it
// took the key. The program's own buttons take Enter in any window; Qt's
// take it only in dialogs.
bool clickOnEnter(QAbstractButton *button, QKeyEvent *event);

} // namespace Zentrova::Look
