// A die face in a flat one-pixel border: the dice of the dice view, which
// cast when clicked, and the half-dice of the result pages.
#pragma once

#include "ui/clickable.h"

#include <QLabel>

namespace Zentrova {

class DiePicture final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DiePicture)

public:
    explicit DiePicture(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ClickTracker m_click;
};

} // namespace Zentrova
