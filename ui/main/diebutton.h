// SPDX-License-Identifier: MIT
// A die of the dice view: its face in a flat one-pixel border, casting a
// reading when clicked.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace Zentrova {

class DieButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DieButton)

public:
    explicit DieButton(const QPixmap &face, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_face;
};

} // namespace Zentrova
