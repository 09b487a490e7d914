// SPDX-License-Identifier: MIT
// The tabs of a comprehensive reading: a tab row no taller than the room
// above the pages.
#pragma once

#include <QTabBar>

namespace Zentrova {

// Only a left click or the keyboard picks a tab; other buttons and the wheel
// leave the selection and the pages alone.
class ReadingTabBar final : public QTabBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReadingTabBar)

public:
    explicit ReadingTabBar(int rowHeight, QWidget *parent = nullptr);

signals:
    // The selected tab was chosen again, by a left click on it or by Space
    // or Enter while the bar has the focus. The selection does not change,
    // yet a page other than the tab's may be in front.
    void selectedTabChosen();

protected:
    QSize tabSizeHint(int index) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_rowHeight;
};

} // namespace Zentrova
