// SPDX-License-Identifier: MIT
// The keys that press the program's own buttons.
#pragma once

class QAbstractButton;
class QKeyEvent;

namespace Zentrova {

// Enter or Return, on either keyboard, with no other modifier.
bool isPlainEnter(const QKeyEvent *event);
// Space or a plain Enter, the keys that press a button.
bool isButtonKey(const QKeyEvent *event);

// Presses button for a plain Enter, as Space does, and returns whether it
// took the key. The program's own buttons take Enter in any window; Qt's
// take it only in dialogs.
bool clickOnEnter(QAbstractButton *button, QKeyEvent *event);
// Space or a plain Enter on button: the keyboard is in use in its window, so
// from now on the focus cue shows wherever the press takes the focus, as
// after Tab. Enter clicks the button, as Space does in every Qt button;
// returns whether it took the key.
bool takeButtonKey(QAbstractButton *button, QKeyEvent *event);

} // namespace Zentrova
