// SPDX-License-Identifier: MIT
// The tabs of a comprehensive reading: a tab row no taller than the room
// above the pages, over a pane framed as a tab widget frames its pages. The
// pages are not the pane's children; they lie over it.
#pragma once

#include <QTabBar>
#include <QWidget>

namespace Zentrova {

// Only a left click or the keyboard picks a tab; other buttons and the wheel
// leave the selection and the pages alone.
class ReadingTabBar final : public QTabBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReadingTabBar)

public:
    explicit ReadingTabBar(int rowHeight, QWidget *parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_rowHeight;
};

class TabPane final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabPane)

public:
    // Takes tabs as its child, along its top edge.
    explicit TabPane(QTabBar *tabs, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void placeTabs();

    QTabBar *m_tabs;
};

} // namespace Zentrova
