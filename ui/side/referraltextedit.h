// SPDX-License-Identifier: MIT
// The multi-line message box of the refer-a-friend form. Like the form's
// single-line boxes it shows its placeholder as its own text while it holds
// nothing else.
#pragma once

#include <QPlainTextEdit>

namespace Zentrova {

// Its text keeps line breaks as CR LF, the form in which the request carries them.
class ReferralTextEdit final : public QPlainTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReferralTextEdit)

public:
    ReferralTextEdit(const QString &placeholder, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_placeholder;
};

} // namespace Zentrova
