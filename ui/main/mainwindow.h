// SPDX-License-Identifier: MIT
// The main window: the dice view, the result view with its tabs, the link
// line, the promotional band and the menus.
#pragma once

#include "reading/reading.h"
#include "ui/main/brandbanner.h"
#include "ui/main/pictureset.h"

#include <QMainWindow>

#include <array>

class QAbstractButton;
class QPushButton;
class QStackedWidget;

namespace Zentrova {

class LinkButton;
class Platform;
class ReadingPage;
class ReadingTabBar;
enum class Link;

class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // Opens on the dice view, nothing cast.
    explicit MainWindow(Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Brings one of the two promotional links to the front for the whole
    // run; start-up draws which, once, right after showing the window.
    void setBrandBanner(BrandBanner banner);

signals:
    // The window has been closed; the program goes on to its farewell.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void returnToDice();
    void showSelectedPage();

    void showAbout();

private:
    void buildWindow();
    void buildDiceView();
    void buildReadingView();
    void buildBrandBand();
    void buildMenus();
    void buildTabOrder();
    void castReading(Reading reading);
    void castDice();
    void showDiceView();
    void openLink(Link link);

    Platform &m_platform;

    PictureSet m_diceFaces;
    PictureSet m_planetPictures;
    PictureSet m_zodiacSignPictures;

    LinkButton *m_homePageLink = nullptr;
    QStackedWidget *m_views = nullptr;
    QWidget *m_diceView = nullptr;
    QWidget *m_readingView = nullptr;

    // In the order of Reading.
    std::array<QAbstractButton *, 4> m_choices{};

    QWidget *m_readingTabPane = nullptr;
    ReadingTabBar *m_readingTabs = nullptr;
    QStackedWidget *m_readingPages = nullptr;
    // In the order of Table, which is also the order of the tabs.
    std::array<ReadingPage *, 3> m_pages{};
    QPushButton *m_castAgainButton = nullptr;
    // The choice that cast the reading shown, for the way back.
    QAbstractButton *m_castFrom = nullptr;

    QWidget *m_brandBand = nullptr;
    QStackedWidget *m_brandLinks = nullptr;
    LinkButton *m_coBrandingLink = nullptr;
    LinkButton *m_fullBrandingLink = nullptr;
};

} // namespace Zentrova
