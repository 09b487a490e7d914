// SPDX-License-Identifier: MIT
// The entry boxes of the refer-a-friend form. Each shows its placeholder as
// its own text while it holds nothing else: the placeholder goes when the box
// gains the focus and comes back when the box loses it empty.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

namespace Zentrova {

// A single-line box; the address boxes also refuse a typed space.
class ReferralLineEdit final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReferralLineEdit)

public:
    ReferralLineEdit(const QString &placeholder, QWidget *parent = nullptr);

    // A typed space is dropped and spaceRefused() emitted. Pasted text is
    // taken as it is.
    void setRefusesSpaces(bool refuses) { m_refusesSpaces = refuses; }

signals:
    void spaceRefused();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_placeholder;
    bool m_refusesSpaces = false;
};

// The multi-line message box. Its text keeps line breaks as CR LF, the form
// in which the request carries them.
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
