// SPDX-License-Identifier: MIT
// A pane framed as a tab widget frames its pages, with a tab row along its
// top edge. The pages are not the pane's children; they lie over it.
#pragma once

#include <QWidget>

class QTabBar;

namespace Zentrova {

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
