// SPDX-License-Identifier: MIT
#include "ui/side/referralbox.h"

#include "web/referral.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace Zentrova {

namespace {

// Focus that comes and goes with the whole window (another program, a
// message box) is not the user moving between the boxes.
bool movesWithinWindow(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

} // namespace

ReferralLineEdit::ReferralLineEdit(const QString &placeholder, QWidget *parent)
    : QLineEdit(placeholder, parent), m_placeholder(placeholder)
{}

void ReferralLineEdit::focusInEvent(QFocusEvent *event)
{
    if (movesWithinWindow(event) && trimSpaces(text()) == m_placeholder)
        clear();
    QLineEdit::focusInEvent(event);
}

void ReferralLineEdit::focusOutEvent(QFocusEvent *event)
{
    if (movesWithinWindow(event) && trimSpaces(text()).isEmpty())
        setText(m_placeholder);
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
    if (movesWithinWindow(event) && trimSpaces(text()) == m_placeholder)
        clear();
    QPlainTextEdit::focusInEvent(event);
}

void ReferralTextEdit::focusOutEvent(QFocusEvent *event)
{
    if (movesWithinWindow(event) && trimSpaces(text()).isEmpty())
        setText(m_placeholder);
    QPlainTextEdit::focusOutEvent(event);
}

} // namespace Zentrova
