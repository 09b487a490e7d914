// SPDX-License-Identifier: MIT
#include "ui/side/referraltextedit.h"

#include "ui/side/placeholderfocus.h"

namespace Zentrova {

ReferralTextEdit::ReferralTextEdit(const QString &placeholder, QWidget *parent)
    : QPlainTextEdit(parent), m_placeholder(placeholder)
{
    // Tab moves on to the next control, as in the other boxes.
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setText(placeholder);
}

QString ReferralTextEdit::text() const
{
    // The document keeps line breaks as block and line separators.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    raw.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return raw;
}

void ReferralTextEdit::setText(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(plain);
}

void ReferralTextEdit::focusInEvent(QFocusEvent *event)
{
    showPlaceholderByFocus(this, event, m_placeholder);
    QPlainTextEdit::focusInEvent(event);
}

void ReferralTextEdit::focusOutEvent(QFocusEvent *event)
{
    showPlaceholderByFocus(this, event, m_placeholder);
    QPlainTextEdit::focusOutEvent(event);
}

} // namespace Zentrova
