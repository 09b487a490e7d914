// SPDX-License-Identifier: MIT
#include "ui/main/mainwindow.h"

#include "platform/platform.h"
#include "platform/version.h"
#include "reading/cast.h"
#include "resources/pictures.h"
#include "ui/linkbutton.h"
#include "ui/look.h"
#include "ui/main/choicebutton.h"
#include "ui/main/diebutton.h"
#include "ui/main/readingpage.h"
#include "ui/main/readingtabs.h"
#include "ui/side/aboutdialog.h"
#include "ui/webpage.h"
#include "web/links.h"
#include "web/siteaddresses.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>
#include <array>

namespace Zentrova {

namespace {

const QColor ViewBackground(0x40, 0x00, 0x00);
const QColor ChoiceBackground(0xFF, 0x80, 0x80);

QLabel *textLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Look::uiFont(8.25, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Look::setTextColour(label, Qt::white);
    return label;
}

LinkButton *linkButton(QWidget *parent, const QString &name, const QString &text)
{
    auto *link = new LinkButton(text, parent);
    link->setObjectName(name);
    link->setFont(Look::uiFont(8.25, true, true));
    link->setAlignment(Qt::AlignCenter);
    link->setWordWrap(true);
    Look::setTextColour(link, Qt::white);
    link->setAccessibleName(text);
    link->setAccessibleDescription(QStringLiteral("Opens a web page"));
    return link;
}

QWidget *panel(QWidget *parent, const QString &name)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(name);
    Look::setBackground(widget, ViewBackground);
    return widget;
}

// A stacked container sizes only the widget in front; the others get the
// same rectangle now, so that every one of them sits where it belongs.
void addStacked(QStackedWidget *stack, QWidget *widget)
{
    stack->addWidget(widget);
    widget->setGeometry(QRect(QPoint(0, 0), stack->size()));
}

} // namespace

MainWindow::MainWindow(Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_diceFaces(&Pictures::dice),
      m_planetPictures(&Pictures::planet), m_zodiacSignPictures(&Pictures::zodiac)
{
    buildWindow();
    buildDiceView();
    buildReadingView();
    buildBrandBand();
    buildMenus();
    buildTabOrder();

    adjustSize();
    Look::centreOnScreen(this);
    resetDiceView();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow()
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(titleWithVersion());
    setWindowIcon(Look::programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(Look::windowFont());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Look::px(7605), Look::px(5655));
    Look::setBackground(client, Qt::black);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_forumLink = linkButton(client, QStringLiteral("forumLink"),
                             QStringLiteral("The Most Popular Online Mystic Discussion Forum. "
                                            "Click Here To Visit ") +
                                 siteHost(MainSiteAddress) + QStringLiteral(" Now."));
    Look::place(m_forumLink, 1207, 30, 5190, 435);
    connect(m_forumLink, &LinkButton::clicked, this, &MainWindow::openHomePage);

    m_views = new QStackedWidget(client);
    m_views->setObjectName(QStringLiteral("views"));
    Look::place(m_views, 45, 480, 7550, 4300);
    m_diceView = panel(m_views, QStringLiteral("diceView"));
    m_readingView = panel(m_views, QStringLiteral("readingView"));
    addStacked(m_views, m_diceView);
    addStacked(m_views, m_readingView);
}

void MainWindow::buildDiceView()
{
    QLabel *invitation = textLabel(
        m_diceView, QStringLiteral("invitationLabel"),
        QStringLiteral("Zentrova shows you how the different dice patterns relate to the twelve "
                       "signs of the zodiac, planets and houses. Click here to get your reading "
                       "now!"));
    invitation->setWordWrap(true);
    Look::place(invitation, 862, 240, 5880, 615);
    QLabel *hint = textLabel(m_diceView, QStringLiteral("diceHintLabel"),
                             QStringLiteral("Click on the Dice for An Zentrova Reading"));
    Look::place(hint, 1695, 1215, 4215, 195);

    m_choices = new QButtonGroup(this);
    connect(m_choices, &QButtonGroup::idClicked, this,
            [this](int reading) { castReading(Reading(reading)); });

    struct Choice
    {
        Reading reading;
        const char *name;
        const char *caption;
        const char *description;
        int left, top, width;
    };
    static constexpr std::array<Choice, 4> choices{{
        {Reading::Planet, "planetChoice", "Planet", "Casts a planet reading", 2222, 1680, 1000},
        {Reading::Zodiac, "zodiacChoice", "Zodiac", "Casts a zodiac sign reading", 3302, 1680,
         1000},
        {Reading::House, "houseChoice", "House", "Casts a house reading", 4382, 1680, 1000},
        {Reading::Comprehensive, "comprehensiveChoice", "Comprehensive",
         "Casts a comprehensive reading", 2220, 2760, 3165},
    }};
    struct Die
    {
        const char *name;
        const char *accessibleName;
        int left;
    };
    // The dice of each choice, in the order of the choices above.
    static constexpr std::array<std::array<Die, 3>, 4> dice{{
        {{{"planetDie", "Planet die", 180}}},
        {{{"zodiacDie", "Zodiac die", 180}}},
        {{{"houseDie", "House die", 180}}},
        {{{"comprehensivePlanetDie", "Comprehensive reading, planet die", 180},
          {"comprehensiveZodiacDie", "Comprehensive reading, zodiac die", 1252},
          {"comprehensiveHouseDie", "Comprehensive reading, house die", 2325}}},
    }};

    for (std::size_t index = 0; index < choices.size(); ++index) {
        const Choice &choice = choices[index];
        auto *button = new ChoiceButton(QLatin1String(choice.caption), m_diceView);
        button->setObjectName(QLatin1String(choice.name));
        button->setFont(Look::uiFont(8.25, true));
        Look::setBackground(button, ChoiceBackground);
        Look::setTextColour(button, Qt::black);
        button->setAccessibleName(QLatin1String(choice.caption));
        button->setAccessibleDescription(QLatin1String(choice.description));
        Look::place(button, choice.left, choice.top, choice.width, 1000);
        m_choices->addButton(button, int(choice.reading));

        for (const Die &die : dice[index]) {
            if (!die.name)
                continue;
            auto *face = new DieButton(m_diceFaces.at(1), button);
            face->setObjectName(QLatin1String(die.name));
            face->setAccessibleName(QLatin1String(die.accessibleName));
            face->setAccessibleDescription(QLatin1String(choice.description));
            Look::place(face, die.left, 240, 660, 660);
            m_choices->addButton(face, int(choice.reading));
        }
    }
    m_planetChoice = m_choices->button(int(Reading::Planet));
}

void MainWindow::buildReadingView()
{
    m_readingTabs = new ReadingTabBar(Look::px(450 - 120));
    m_readingTabs->setObjectName(QStringLiteral("readingTabs"));
    m_readingTabs->setFont(Look::uiFont(8.25, true));
    m_readingTabs->setAccessibleName(QStringLiteral("Reading pages"));
    Look::useDesktopColours(m_readingTabs);
    for (const QString &title :
         {QStringLiteral("Planets"), QStringLiteral("Zodiac Sign"), QStringLiteral("Houses")})
        m_readingTabs->addTab(title);
    m_readingTabPane = new TabPane(m_readingTabs, m_readingView);
    m_readingTabPane->setObjectName(QStringLiteral("readingTabPane"));
    Look::useDesktopColours(m_readingTabPane);
    Look::place(m_readingTabPane, 45, 120, 7425, 3700);
    connect(m_readingTabs, &QTabBar::currentChanged, this, &MainWindow::showSelectedPage);
    // Clicking the selected tab changes nothing in the bar, yet brings its
    // page: after a comprehensive cast the planet page is in front whatever
    // tab is selected.
    connect(m_readingTabs, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == m_readingTabs->currentIndex())
            showSelectedPage();
    });

    m_readingPages = new QStackedWidget(m_readingView);
    m_readingPages->setObjectName(QStringLiteral("readingPages"));
    Look::place(m_readingPages, 120, 450, 7250, 3250);
    const QRect significance = Look::twipsRect(120, 480, 6000, 2250);
    m_planetPage = new ReadingPage(QStringLiteral("Planet"), significance,
                                   Look::twipsRect(6345, 1560, 660, 660), m_readingPages);
    m_planetPage->setObjectName(QStringLiteral("planetPage"));
    m_zodiacPage =
        new ReadingPage(QStringLiteral("Zodiac sign"), Look::twipsRect(120, 480, 5640, 2490),
                        Look::twipsRect(6000, 1560, 1005, 1005), m_readingPages);
    m_zodiacPage->setObjectName(QStringLiteral("zodiacPage"));
    m_housePage = new ReadingPage(QStringLiteral("House"), significance, {}, m_readingPages);
    m_housePage->setObjectName(QStringLiteral("housePage"));
    // Placeholders, never seen: a cast replaces them before the view shows.
    m_planetPage->showRow(QStringLiteral("Planet Name"),
                          QStringLiteral("The planet's significance for you."));
    m_zodiacPage->showRow(QStringLiteral("Zodiac Sign Name"),
                          QStringLiteral("The zodiac sign's significance for you."));
    m_housePage->showRow(QStringLiteral("Houses Name"),
                         QStringLiteral("The house's significance for you."));
    for (ReadingPage *page : {m_planetPage, m_zodiacPage, m_housePage})
        addStacked(m_readingPages, page);

    m_castAgainButton = new QPushButton(QStringLiteral("&Cast Zentrova Again"), m_readingView);
    m_castAgainButton->setObjectName(QStringLiteral("castAgainButton"));
    m_castAgainButton->setFont(Look::uiFont(8.25, true));
    Look::useDesktopColours(m_castAgainButton);
    Look::place(m_castAgainButton, 1380, 3840, 4845, 375);
    connect(m_castAgainButton, &QPushButton::clicked, this, &MainWindow::returnToDice);
}

void MainWindow::buildBrandBand()
{
    auto *band = new QFrame(centralWidget());
    band->setObjectName(QStringLiteral("brandBand"));
    band->setFrameStyle(QFrame::Box | QFrame::Plain);
    band->setLineWidth(1);
    Look::setBackground(band, Qt::black);
    Look::setTextColour(band, QColor(0x80, 0x80, 0x80));
    Look::place(band, 45, 4785, 7550, 855);
    m_brandBand = band;

    m_brandLinks = new QStackedWidget(band);
    m_brandLinks->setObjectName(QStringLiteral("brandLinks"));
    Look::place(m_brandLinks, 120, 165, 7305, 615);

    m_coBrandingLink = linkButton(
        m_brandLinks, QStringLiteral("coBrandingLink"),
        QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                       "your site. Put your site's name &  link here. See \"Help\" for details. "
                       "Click Here for more info on co-branding."));
    m_fullBrandingLink = linkButton(
        m_brandLinks, QStringLiteral("fullBrandingLink"),
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website. Click "
                       "here for more details."));
    for (LinkButton *link : {m_coBrandingLink, m_fullBrandingLink}) {
        Look::setBackground(link, Qt::black);
        addStacked(m_brandLinks, link);
    }
    // Of two links in one place the later one lies on top until the start-up
    // draw decides.
    m_brandLinks->setCurrentWidget(m_fullBrandingLink);
    connect(m_coBrandingLink, &LinkButton::clicked, this, &MainWindow::openCoBrandingPage);
    connect(m_fullBrandingLink, &LinkButton::clicked, this, &MainWindow::openFullBrandingPage);
}

void MainWindow::buildMenus()
{
    // The menu bar keeps the desktop's menu font, not the window's.
    QFont menuFont = QApplication::font(menuBar());
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    menuBar()->setFont(menuFont);

    const auto addAction = [this](QWidget *menu, const QString &name, const QString &text,
                                  void (MainWindow::*slot)()) {
        auto *action = new QAction(text, menu);
        action->setObjectName(name);
        menu->addAction(action);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    auto *exit = new QAction(QStringLiteral("E&xit"), fileMenu);
    exit->setObjectName(QStringLiteral("actionExit"));
    fileMenu->addAction(exit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    addAction(helpMenu, QStringLiteral("actionOnlineHelp"), QStringLiteral("&Online Help"),
              &MainWindow::openOnlineHelp);
    addAction(helpMenu, QStringLiteral("actionVisitUsOnline"), QStringLiteral("&Visit Us Online"),
              &MainWindow::openHomePage);
    helpMenu->addSeparator();
    addAction(helpMenu, QStringLiteral("actionCheckForUpdate"),
              QStringLiteral("Check for Software &Update"), &MainWindow::openDownloadPage);
    helpMenu->addSeparator();
    addAction(helpMenu, QStringLiteral("actionAbout"), QStringLiteral("&About Software"),
              &MainWindow::showAbout);

    addAction(menuBar(), QStringLiteral("actionDonate"), QStringLiteral("&Donate"),
              &MainWindow::openDonatePage);
}

void MainWindow::buildTabOrder()
{
    QList<QWidget *> order;
    for (QAbstractButton *button : m_choices->buttons()) {
        if (button->focusPolicy() & Qt::TabFocus)
            order << button;
    }
    order << m_readingTabs << m_castAgainButton << m_forumLink << m_coBrandingLink
          << m_fullBrandingLink;
    for (qsizetype index = 1; index < order.size(); ++index)
        setTabOrder(order.at(index - 1), order.at(index));
}

void MainWindow::resetDiceView()
{
    showDiceView();
    m_planetChoice->setFocus();
}

void MainWindow::showDiceView()
{
    for (ReadingPage *page : {m_planetPage, m_zodiacPage, m_housePage})
        page->resetHalves(m_diceFaces.at(1));
    m_views->setCurrentWidget(m_diceView);
}

void MainWindow::chooseBrandBanner()
{
    const int drawn = std::clamp(int(m_platform.random().next() * 6) + 1, 1, 6);
    m_brandLinks->setCurrentWidget(drawn % 2 == 0 ? m_fullBrandingLink : m_coBrandingLink);
}

void MainWindow::castReading(Reading reading)
{
    // A cast asked for from the keyboard takes the keyboard along to the
    // result view, and the way back returns it to the same choice.
    QWidget *focus = QApplication::focusWidget();
    const bool focusInDiceView = m_diceView->isAncestorOf(focus);
    castDice();
    switch (reading) {
    case Reading::Planet:
        m_readingPages->setCurrentWidget(m_planetPage);
        break;
    case Reading::Zodiac:
        m_readingPages->setCurrentWidget(m_zodiacPage);
        break;
    case Reading::House:
        m_readingPages->setCurrentWidget(m_housePage);
        break;
    case Reading::Comprehensive:
        m_readingPages->setCurrentWidget(m_planetPage);
        break;
    }
    m_readingTabPane->setVisible(reading == Reading::Comprehensive);
    if (focusInDiceView) {
        m_castFrom = focus;
        m_castAgainButton->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::castDice()
{
    const std::array<DieFace, DiceInCast> cast = drawCast(m_platform.random());
    m_planetPage->showDie(cast[0], m_diceFaces);
    m_zodiacPage->showDie(cast[1], m_diceFaces);
    m_housePage->showDie(cast[2], m_diceFaces);

    // Die values run from 1 to 10; rows and pictures are counted from 1.
    const int planet = cast[0].value();
    const int sign = cast[1].value();
    const int house = cast[2].value();
    const ReadingRow planetRow = readingRow(Table::Planets, planet);
    const ReadingRow signRow = readingRow(Table::ZodiacSigns, sign);
    const ReadingRow houseRow = readingRow(Table::Houses, house);
    m_planetPage->showRow(planetRow.name, planetRow.significance, m_planetPictures.at(planet));
    m_zodiacPage->showRow(signRow.name, signRow.significance, m_zodiacSignPictures.at(sign));
    m_housePage->showRow(houseRow.name, houseRow.significance);

    m_views->setCurrentWidget(m_readingView);
}

void MainWindow::returnToDice()
{
    const bool focusInReading = m_readingView->isAncestorOf(QApplication::focusWidget());
    showDiceView();
    if (focusInReading)
        (m_castFrom ? m_castFrom.get() : m_planetChoice)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showSelectedPage()
{
    switch (m_readingTabs->currentIndex()) {
    case 0:
        m_readingPages->setCurrentWidget(m_planetPage);
        break;
    case 1:
        m_readingPages->setCurrentWidget(m_zodiacPage);
        break;
    default:
        m_readingPages->setCurrentWidget(m_housePage);
        break;
    }
}

void MainWindow::showAbout()
{
    AboutDialog about(m_platform, this);
    about.exec();
}

void MainWindow::openOnlineHelp()
{
    openWebPage(m_platform, this, linkAddress(Link::OnlineHelp));
}

void MainWindow::openHomePage()
{
    openWebPage(m_platform, this, linkAddress(Link::HomePage));
}

void MainWindow::openDownloadPage()
{
    openWebPage(m_platform, this, linkAddress(Link::Download));
}

void MainWindow::openDonatePage()
{
    openWebPage(m_platform, this, linkAddress(Link::Donate));
}

void MainWindow::openCoBrandingPage()
{
    openWebPage(m_platform, this, linkAddress(Link::CoBranding));
}

void MainWindow::openFullBrandingPage()
{
    openWebPage(m_platform, this, linkAddress(Link::FullBranding));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Whoever opened the window hands over to the farewell window.
    event->accept();
    Q_EMIT closed();
}

} // namespace Zentrova
