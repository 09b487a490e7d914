// SPDX-License-Identifier: MIT
#include "ui/side/referrallineedit.h"

#include "ui/side/placeholderfocus.h"

#include <QKeyEvent>

namespace Zentrova {

ReferralLineEdit::ReferralLineEdit(const QString &placeholder, QWidget *parent)
    : QLineEdit(placeholder, parent), m_placeholder(placeholder)
{}

void ReferralLineEdit::focusInEvent(QFocusEvent *event)
{
    showPlaceholderByFocus(this, event, m_placeholder);
    QLineEdit::focusInEvent(event);
}

void ReferralLineEdit::focusOutEvent(QFocusEvent *event)
{
    showPlaceholderByFocus(this, event, m_placeholder);
    QLineEdit::focusOutEvent(event);
}

void ReferralLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_refusesSpaces && event->text() == QLatin1String(" ")) {
        event->accept();
        emit spaceRefused();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace Zentrova
