// SPDX-License-Identifier: MIT
// How the refer-a-friend boxes show their placeholders as their own text.
#pragma once

#include "web/referral.h"

#include <QFocusEvent>

namespace Zentrova {

// As the focus enters box, a placeholder it shows goes; as the focus leaves
// it empty, the placeholder comes back. Focus that comes and goes with the
// whole window (another program, a message box) is not the user moving
// between the boxes, and changes nothing.
template <typename Box>
void showPlaceholderByFocus(Box *box, const QFocusEvent *event, const QString &placeholder)
{
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    const QString text = trimSpaces(box->text());
    if (event->gotFocus() && text == placeholder)
        box->clear();
    else if (event->lostFocus() && text.isEmpty())
        box->setText(placeholder);
}

} // namespace Zentrova
