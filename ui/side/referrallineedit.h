// SPDX-License-Identifier: MIT
// A single-line entry box of the refer-a-friend form. It shows its
// placeholder as its own text while it holds nothing else: the placeholder
// goes when the box gains the focus and comes back when the box loses it empty.
#pragma once

#include <QLineEdit>

namespace Zentrova {

// The address boxes also refuse a typed space.
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

} // namespace Zentrova
