// SPDX-License-Identifier: MIT
#include "ui/main/tabpane.h"

#include <QEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include <algorithm>

namespace Zentrova {

TabPane::TabPane(QTabBar *tabs, QWidget *parent) : QWidget(parent), m_tabs(tabs)
{
    m_tabs->setParent(this);
    placeTabs();
}

bool TabPane::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::LayoutRequest: // the tabs changed their size hint
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        placeTabs();
        break;
    default:
        break;
    }
    return handled;
}

void TabPane::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = m_tabs->size();
    option.tabBarRect = m_tabs->geometry();
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    option.rect = rect().adjusted(0, std::max(0, m_tabs->height() - overlap), 0, 0);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

void TabPane::placeTabs()
{
    const QSize hint = m_tabs->sizeHint();
    m_tabs->setGeometry(0, 0, std::min(hint.width(), width()), hint.height());
    update();
}

} // namespace Zentrova
