#include "ui/main/tabstrip.h"

#include <QEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

#include <algorithm>

namespace Zentrova {

class TabStripBar final : public QTabBar
{
public:
    using QTabBar::QTabBar;

    int rowHeight = 0;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        if (rowHeight > 0)
            size.setHeight(std::min(size.height(), rowHeight));
        return size;
    }
};

TabStrip::TabStrip(QWidget *parent) : QWidget(parent), m_tabBar(new TabStripBar(this))
{
    m_tabBar->setObjectName(QStringLiteral("TS_tabs"));
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setFocusPolicy(Qt::TabFocus);
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabStrip::clicked);
    // Clicking the tab that is already selected changes nothing in the bar,
    // yet it is a click of the strip all the same.
    connect(m_tabBar, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == m_tabBar->currentIndex())
            emit clicked();
    });
}

void TabStrip::addTab(const QString &caption)
{
    m_tabBar->addTab(caption);
    placeTabBar();
}

void TabStrip::setTabRowHeight(int pixels)
{
    m_tabBar->rowHeight = pixels;
    placeTabBar();
}

QTabBar *TabStrip::tabBar() const
{
    return m_tabBar;
}

int TabStrip::selectedItem() const
{
    return m_tabBar->currentIndex() + 1;
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = m_tabBar->size();
    option.tabBarRect = m_tabBar->geometry();
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    option.rect = rect().adjusted(0, std::max(0, m_tabBar->height() - overlap), 0, 0);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

void TabStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeTabBar();
}

void TabStrip::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        placeTabBar();
}

void TabStrip::placeTabBar()
{
    const QSize hint = m_tabBar->sizeHint();
    m_tabBar->setGeometry(0, 0, std::min(hint.width(), width()), hint.height());
    update();
}

} // namespace Zentrova
