// A label that acts as a link: underlined text, the pointing hand, clicked
// with the mouse or from the keyboard once Tab has brought the focus to it.
#pragma once

#include "ui/clickable.h"

#include <QLabel>

namespace Zentrova {

class LinkLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkLabel)

public:
    // In a window with a default button Enter belongs to that button, and the
    // link answers Space alone.
    enum class Keys { SpaceOrEnter, SpaceOnly };

    explicit LinkLabel(const QString &text = {}, QWidget *parent = nullptr,
                       Keys keys = Keys::SpaceOrEnter);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ClickTracker m_click;
    Keys m_keys;
};

} // namespace Zentrova
