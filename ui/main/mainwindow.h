// SPDX-License-Identifier: MIT
// The main window: the dice view, the result view with its tabs, the link
// line, the promotional band and the menus.
#pragma once

#include "reading/readingtables.h"
#include "ui/main/pictureset.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QAbstractButton;
class QButtonGroup;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace Zentrova {

class LinkButton;
class Platform;
class ReadingPage;

// What the user asks to read: one die's page, or all three behind tabs.
enum class Reading { Planet, Zodiac, House, Comprehensive };

class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // Opens on the dice view, nothing cast.
    explicit MainWindow(Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Brings one of the two promotional links to the front for the whole
    // run; the start-up sequence calls it once, right after showing the window.
    void chooseBrandBanner();

signals:
    // The window has been closed; the program goes on to its farewell.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void resetDiceView();
    void castReading(Zentrova::Reading reading);
    void castDice();
    void returnToDice();
    void showSelectedPage();

    void showAbout();
    void openOnlineHelp();
    void openHomePage();
    void openDownloadPage();
    void openDonatePage();
    void openCoBrandingPage();
    void openFullBrandingPage();

private:
    void buildWindow();
    void buildDiceView();
    void buildReadingView();
    void buildBrandBand();
    void buildMenus();
    void buildTabOrder();
    void showDiceView();

    Platform &m_platform;

    PictureSet m_diceFaces;
    PictureSet m_planetPictures;
    PictureSet m_zodiacSignPictures;

    LinkButton *m_forumLink = nullptr;
    QStackedWidget *m_views = nullptr;
    QWidget *m_diceView = nullptr;
    QWidget *m_readingView = nullptr;

    QButtonGroup *m_choices = nullptr;
    QAbstractButton *m_planetChoice = nullptr;

    QWidget *m_readingTabPane = nullptr;
    QTabBar *m_readingTabs = nullptr;
    QStackedWidget *m_readingPages = nullptr;
    ReadingPage *m_planetPage = nullptr;
    ReadingPage *m_zodiacPage = nullptr;
    ReadingPage *m_housePage = nullptr;
    QPushButton *m_castAgainButton = nullptr;
    // The choice a keyboard cast came from, for the way back.
    QPointer<QWidget> m_castFrom;

    QWidget *m_brandBand = nullptr;
    QStackedWidget *m_brandLinks = nullptr;
    LinkButton *m_coBrandingLink = nullptr;
    LinkButton *m_fullBrandingLink = nullptr;
};

} // namespace Zentrova
