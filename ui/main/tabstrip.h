// A tab strip: a row of tabs over a framed pane. The pages are not its
// children; they lie over its client area and the owner brings one forward.
#pragma once

#include <QTabBar>
#include <QWidget>

namespace Zentrova {

class TabStripBar;

class TabStrip final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabStrip)

public:
    explicit TabStrip(QWidget *parent = nullptr);

    void addTab(const QString &caption);
    // The tab row is no taller than this, so that the pages can lie just below it.
    void setTabRowHeight(int pixels);
    QTabBar *tabBar() const;
    // The selected tab, counted from 1.
    int selectedItem() const;

signals:
    // Another tab was selected, or the selected one was clicked again.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void placeTabBar();

    TabStripBar *m_tabBar = nullptr;
};

} // namespace Zentrova
