// SPDX-License-Identifier: MIT
#include "ui/main/mainwindow.h"

#include "platform/platform.h"
#include "platform/version.h"
#include "reading/cast.h"
#include "reading/readingtables.h"
#include "resources/pictures.h"
#include "ui/centring.h"
#include "ui/fonts.h"
#include "ui/linkbutton.h"
#include "ui/main/choicebutton.h"
#include "ui/main/diebutton.h"
#include "ui/main/readingpage.h"
#include "ui/main/readingtabbar.h"
#include "ui/main/tabpane.h"
#include "ui/openwebpage.h"
#include "ui/palette.h"
#include "ui/pixmaps.h"
#include "ui/pushbutton.h"
#include "ui/side/aboutdialog.h"
#include "ui/textfit.h"
#include "ui/twips.h"
#include "web/links.h"
#include "web/siteaddresses.h"

#include <QAction>
#include <QApplication>
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

// A link's text is also its name for screen readers.
LinkButton *linkButton(QWidget *parent, const QString &name, const QString &text)
{
    auto *link = new LinkButton(text, parent);
    link->setObjectName(name);
    link->setFont(Look::uiFont(8.25, true, true));
    link->setAlignment(Qt::AlignCenter);
    link->setWordWrap(true);
    Look::setTextColour(link, Qt::white);
    link->setAccessibleName(text);
    link->setAccessibleDescription(MainWindow::tr("Opens a web page"));
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
    showDiceView();
    // The focus starts on the window itself, on no control, so that the
    // first Tab brings it to the first choice.
    setFocus(Qt::OtherFocusReason);
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

    m_homePageLink = linkButton(client, QStringLiteral("homePageLink"),
                                //: %1 is the web site host name, e.g. www.example.org (a link text)
                                tr("The Most Popular Online Mystic Discussion Forum. Click Here To "
                                   "Visit %1 Now.")
                                    .arg(siteHost(MainSiteAddress)));
    Look::place(m_homePageLink, 1207, 30, 5190, 435);
    connect(m_homePageLink, &LinkButton::clicked, this, [this] { openLink(Link::HomePage); });

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
        tr("Zentrova shows you how the different dice patterns relate to the twelve signs of the "
           "zodiac, planets and houses. Click here to get your reading now!"));
    invitation->setWordWrap(true);
    Look::place(invitation, 862, 240, 5880, 615);
    QLabel *hint = textLabel(m_diceView, QStringLiteral("diceHintLabel"),
                             tr("Click on the Dice for An Zentrova Reading"));
    Look::place(hint, 1695, 1215, 4215, 195);

    struct Choice
    {
        Reading reading;
        const char *name;
        const char *caption;
        const char *description;
        int left, top, width;
    };
    static constexpr std::array<Choice, 4> choices{{
        {Reading::Planet, "planetChoice", QT_TR_NOOP("Planet"),
         QT_TR_NOOP("Casts a planet reading"), 2222, 1680, 1000},
        {Reading::Zodiac, "zodiacChoice", QT_TR_NOOP("Zodiac"),
         QT_TR_NOOP("Casts a zodiac sign reading"), 3302, 1680, 1000},
        {Reading::House, "houseChoice", QT_TR_NOOP("House"), QT_TR_NOOP("Casts a house reading"),
         4382, 1680, 1000},
        {Reading::Comprehensive, "comprehensiveChoice", QT_TR_NOOP("Comprehensive"),
         QT_TR_NOOP("Casts a comprehensive reading"), 2220, 2760, 3165},
    }};
    struct Die
    {
        const char *name;
        const char *accessibleName;
        int left;
    };
    // The dice of each choice, in the order of the choices above.
    static constexpr std::array<std::array<Die, 3>, 4> dice{{
        {{{"planetDie", QT_TR_NOOP("Planet die"), 180}}},
        {{{"zodiacDie", QT_TR_NOOP("Zodiac die"), 180}}},
        {{{"houseDie", QT_TR_NOOP("House die"), 180}}},
        {{{"comprehensivePlanetDie", QT_TR_NOOP("Comprehensive reading, planet die"), 180},
          {"comprehensiveZodiacDie", QT_TR_NOOP("Comprehensive reading, zodiac die"), 1252},
          {"comprehensiveHouseDie", QT_TR_NOOP("Comprehensive reading, house die"), 2325}}},
    }};

    for (std::size_t index = 0; index < choices.size(); ++index) {
        const Choice &choice = choices[index];
        const Reading reading = choice.reading;
        const QString caption = tr(choice.caption);
        const QString description = tr(choice.description);
        auto *button = new ChoiceButton(caption, m_diceView);
        button->setObjectName(QLatin1String(choice.name));
        button->setFont(Look::uiFont(8.25, true));
        Look::setBackground(button, ChoiceBackground);
        Look::setTextColour(button, Qt::black);
        button->setAccessibleName(caption);
        button->setAccessibleDescription(description);
        Look::place(button, choice.left, choice.top, choice.width, 1000);
        connect(button, &QAbstractButton::clicked, this, [this, reading] { castReading(reading); });
        m_choices[std::size_t(reading)] = button;

        for (const Die &die : dice[index]) {
            if (!die.name)
                continue;
            auto *face = new DieButton(m_diceFaces.at(1), button);
            face->setObjectName(QLatin1String(die.name));
            face->setAccessibleName(tr(die.accessibleName));
            face->setAccessibleDescription(description);
            Look::place(face, die.left, 240, 660, 660);
            connect(face, &QAbstractButton::clicked, this,
                    [this, reading] { castReading(reading); });
        }
    }
}

void MainWindow::buildReadingView()
{
    m_readingTabs = new ReadingTabBar(Look::px(450 - 120));
    m_readingTabs->setObjectName(QStringLiteral("readingTabs"));
    m_readingTabs->setFont(Look::uiFont(8.25, true));
    m_readingTabs->setAccessibleName(tr("Reading pages"));
    Look::useDesktopColours(m_readingTabs);
    // In the order of Table.
    for (const QString &title : {tr("Planets"), tr("Zodiac Sign"), tr("Houses")})
        m_readingTabs->addTab(title);
    m_readingTabPane = new TabPane(m_readingTabs, m_readingView);
    m_readingTabPane->setObjectName(QStringLiteral("readingTabPane"));
    Look::useDesktopColours(m_readingTabPane);
    Look::place(m_readingTabPane, 45, 120, 7425, 3700);
    connect(m_readingTabs, &QTabBar::currentChanged, this, &MainWindow::showSelectedPage);
    // After a comprehensive cast the planet page is in front whatever tab is
    // selected: choosing the selected tab again brings its page.
    connect(m_readingTabs, &ReadingTabBar::selectedTabChosen, this, &MainWindow::showSelectedPage);

    m_readingPages = new QStackedWidget(m_readingView);
    m_readingPages->setObjectName(QStringLiteral("readingPages"));
    Look::place(m_readingPages, 120, 450, 7250, 3250);
    const QRect significance = Look::twipsRect(120, 480, 6000, 2250);
    auto *planetPage = new ReadingPage(Table::Planets, significance,
                                       Look::twipsRect(6345, 1560, 660, 660), m_readingPages);
    planetPage->setObjectName(QStringLiteral("planetPage"));
    auto *zodiacPage = new ReadingPage(Table::ZodiacSigns, Look::twipsRect(120, 480, 5640, 2490),
                                       Look::twipsRect(6000, 1560, 1005, 1005), m_readingPages);
    zodiacPage->setObjectName(QStringLiteral("zodiacPage"));
    auto *housePage = new ReadingPage(Table::Houses, significance, {}, m_readingPages);
    housePage->setObjectName(QStringLiteral("housePage"));
    // Placeholders, never seen: a cast replaces them before the view shows.
    planetPage->showRow(tr("Planet Name"), tr("The planet's significance for you."));
    zodiacPage->showRow(tr("Zodiac Sign Name"), tr("The zodiac sign's significance for you."));
    housePage->showRow(tr("Houses Name"), tr("The house's significance for you."));
    m_pages = {planetPage, zodiacPage, housePage};
    for (ReadingPage *page : m_pages)
        addStacked(m_readingPages, page);

    m_castAgainButton = new PushButton(tr("&Cast Zentrova Again"), m_readingView);
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
        tr("Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
           "your site's name &  link here. See \"Help\" for details. Click Here for more info on "
           "co-branding."));
    m_fullBrandingLink = linkButton(
        m_brandLinks, QStringLiteral("fullBrandingLink"),
        tr("Home Business Opportunity. Start your own Internet business and make money online. Get "
           "this software fully branded for your website. Click here for more details."));
    for (LinkButton *link : {m_coBrandingLink, m_fullBrandingLink}) {
        Look::setBackground(link, Qt::black);
        addStacked(m_brandLinks, link);
    }
    // Of two links in one place the later one lies on top until the start-up
    // draw decides.
    m_brandLinks->setCurrentWidget(m_fullBrandingLink);
    connect(m_coBrandingLink, &LinkButton::clicked, this, [this] { openLink(Link::CoBranding); });
    connect(m_fullBrandingLink, &LinkButton::clicked, this,
            [this] { openLink(Link::FullBranding); });
}

void MainWindow::buildMenus()
{
    // The menu bar keeps the desktop's menu font, not the window's.
    QFont menuFont = QApplication::font(menuBar());
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    menuBar()->setFont(menuFont);

    // Exit and About carry their roles, so that other desktops move them
    // where their users look for them; every other entry stays where it is.
    const auto addAction = [this](QWidget *menu, const QString &name, const QString &text,
                                  const auto &slot, QAction::MenuRole role = QAction::NoRole) {
        auto *action = new QAction(text, menu);
        action->setObjectName(name);
        action->setMenuRole(role);
        menu->addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };

    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    addAction(
        fileMenu, QStringLiteral("actionExit"), tr("E&xit"), [this] { close(); },
        QAction::QuitRole);

    QMenu *helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    addAction(helpMenu, QStringLiteral("actionOnlineHelp"), tr("&Online Help"),
              [this] { openLink(Link::OnlineHelp); });
    addAction(helpMenu, QStringLiteral("actionVisitUsOnline"), tr("&Visit Us Online"),
              [this] { openLink(Link::HomePage); });
    helpMenu->addSeparator();
    addAction(helpMenu, QStringLiteral("actionCheckForUpdate"), tr("Check for Software &Update"),
              [this] { openLink(Link::Download); });
    helpMenu->addSeparator();
    addAction(
        helpMenu, QStringLiteral("actionAbout"), tr("&About Software"), [this] { showAbout(); },
        QAction::AboutRole);

    addAction(menuBar(), QStringLiteral("actionDonate"), tr("&Donate"),
              [this] { openLink(Link::Donate); });
}

void MainWindow::buildTabOrder()
{
    // The tabs come right after the button that leaves the reading, before
    // the links outside the views.
    QList<QWidget *> order(m_choices.begin(), m_choices.end());
    order << m_castAgainButton << m_readingTabs << m_homePageLink << m_coBrandingLink
          << m_fullBrandingLink;
    for (qsizetype index = 1; index < order.size(); ++index)
        setTabOrder(order.at(index - 1), order.at(index));
}

void MainWindow::showDiceView()
{
    for (ReadingPage *page : m_pages)
        page->resetHalves(m_diceFaces.at(1));
    m_views->setCurrentWidget(m_diceView);
}

void MainWindow::setBrandBanner(BrandBanner banner)
{
    m_brandLinks->setCurrentWidget(banner == BrandBanner::FullBranding ? m_fullBrandingLink
                                                                       : m_coBrandingLink);
}

void MainWindow::castReading(Reading reading)
{
    // A cast takes the keyboard along to the result view unless it is on a
    // link outside the views, and the way back returns it to the choice
    // that cast the reading, clicked or pressed.
    QWidget *focus = QApplication::focusWidget();
    const bool takeFocus = !focus || focus == this || m_diceView->isAncestorOf(focus);
    castDice();
    m_readingPages->setCurrentWidget(m_pages[std::size_t(pageInFront(reading))]);
    m_readingTabPane->setVisible(showsTabs(reading));
    m_castFrom = m_choices[std::size_t(reading)];
    if (takeFocus)
        m_castAgainButton->setFocus(Qt::OtherFocusReason);
}

void MainWindow::castDice()
{
    const std::array<DieFace, DiceInCast> cast = drawCast(m_platform.random());
    const std::array<const PictureSet *, DiceInCast> pictures{&m_planetPictures,
                                                              &m_zodiacSignPictures, nullptr};
    for (std::size_t die = 0; die < cast.size(); ++die) {
        // Die values run from 1 to 10; rows and pictures are counted from 1.
        const int value = cast[die].value();
        const ReadingRow row = readingRow(Table(die), value);
        m_pages[die]->showDie(cast[die], m_diceFaces);
        m_pages[die]->showRow(row.name, row.significance,
                              pictures[die] ? pictures[die]->at(value) : QPixmap());
    }
    m_views->setCurrentWidget(m_readingView);
}

void MainWindow::returnToDice()
{
    const bool focusInReading = m_readingView->isAncestorOf(QApplication::focusWidget());
    showDiceView();
    if (focusInReading && m_castFrom)
        m_castFrom->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showSelectedPage()
{
    const int index = std::clamp(m_readingTabs->currentIndex(), 0, int(m_pages.size()) - 1);
    m_readingPages->setCurrentWidget(m_pages[std::size_t(index)]);
}

void MainWindow::showAbout()
{
    AboutDialog about(m_platform, this);
    about.exec();
}

void MainWindow::openLink(Link link)
{
    openWebPage(m_platform, this, linkAddress(link));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Whoever opened the window hands over to the farewell window.
    event->accept();
    Q_EMIT closed();
}

} // namespace Zentrova
