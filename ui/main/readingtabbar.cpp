// SPDX-License-Identifier: MIT
#include "ui/main/readingtabbar.h"

#include "ui/buttonkeys.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace Zentrova {

ReadingTabBar::ReadingTabBar(int rowHeight, QWidget *parent)
    : QTabBar(parent), m_rowHeight(rowHeight)
{
    setDrawBase(false);
    setExpanding(false);
    setFocusPolicy(Qt::TabFocus);
    // A click is reported before it changes the selection: a click on
    // another tab is not taken for one on the selected tab.
    connect(this, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == currentIndex())
            emit selectedTabChosen();
    });
}

QSize ReadingTabBar::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    size.setHeight(std::min(size.height(), m_rowHeight));
    return size;
}

void ReadingTabBar::keyPressEvent(QKeyEvent *event)
{
    if (isButtonKey(event) && currentIndex() >= 0) {
        event->accept();
        emit selectedTabChosen();
        return;
    }
    QTabBar::keyPressEvent(event);
}

// QTabBar reports a press of any button as a click on the tab.
void ReadingTabBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    QTabBar::mousePressEvent(event);
}

void ReadingTabBar::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

} // namespace Zentrova
