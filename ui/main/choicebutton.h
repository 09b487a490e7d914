// SPDX-License-Identifier: MIT
// A choice of the dice view: a captioned, etched frame that casts a reading
// when clicked, or when Space or Enter is pressed while it has the focus.
#pragma once

#include <QAbstractButton>

namespace Zentrova {

class ChoiceButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChoiceButton)

public:
    explicit ChoiceButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Zentrova
