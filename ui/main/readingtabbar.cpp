// SPDX-License-Identifier: MIT
#include "ui/main/readingtabbar.h"

#include <QMouseEvent>

#include <algorithm>

namespace Zentrova {

ReadingTabBar::ReadingTabBar(int rowHeight, QWidget *parent)
    : QTabBar(parent), m_rowHeight(rowHeight)
{
    setDrawBase(false);
    setExpanding(false);
    setFocusPolicy(Qt::TabFocus);
}

QSize ReadingTabBar::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    size.setHeight(std::min(size.height(), m_rowHeight));
    return size;
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
