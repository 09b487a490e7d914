// SPDX-License-Identifier: MIT
// The main window: casting from the dice view, the result pages and their
// tabs, the promotional band, the links, the menus, the keyboard, screen
// readers and the layout.
#include "findcontrol.h"
#include "layoutchecks.h"
#include "recordingplatform.h"

#include "platform/version.h"
#include "reading/readingtables.h"
#include "resources/pictures.h"
#include "ui/linkbutton.h"
#include "ui/main/brandbanner.h"
#include "ui/main/mainwindow.h"
#include "ui/main/readingpage.h"
#include "ui/pixmaps.h"
#include "web/links.h"
#include "web/siteaddresses.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

using namespace Zentrova;
using Zentrova::Testing::findControl;
using Zentrova::Testing::MarkingTranslator;
using Zentrova::Testing::RecordingPlatform;

namespace {

// A draw r in [0, 1) whose integer part of r * 6 is the given half.
double half(int pips)
{
    return pips / 6.0 + 0.01;
}

// The six draws of one cast, the same pair for all three dice.
QList<double> sameForAllDice(int half0, int half1)
{
    return {half(half0), half(half1), half(half0), half(half1), half(half0), half(half1)};
}

// What a link opens, as the browser is handed it.
QStringList addressesOf(Link link)
{
    return {QString::fromLatin1(linkAddress(link).toEncoded())};
}

// The letter a caption marks with "&" as its access key, in lower case; 0
// when it has none ("&&" shows an ampersand).
char accessKey(const QString &caption)
{
    for (qsizetype index = 0; index + 1 < caption.size(); ++index) {
        if (caption.at(index) != u'&')
            continue;
        if (caption.at(index + 1) != u'&')
            return caption.at(index + 1).toLower().toLatin1();
        ++index;
    }
    return 0;
}

const char *const Pages[] = {"planetPage", "zodiacPage", "housePage"};
// The clickable controls and what each does for a screen reader's press.
const char *const Choices[] = {"planetChoice",
                               "zodiacChoice",
                               "houseChoice",
                               "comprehensiveChoice",
                               "planetDie",
                               "zodiacDie",
                               "houseDie",
                               "comprehensivePlanetDie",
                               "comprehensiveZodiacDie",
                               "comprehensiveHouseDie"};

} // namespace

class TestMainWindow final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_onDiceViewWithOnePipHalvesAndFirstTab();
    void clickOnChoice_bringsItsPageAndCastsOnce_data();
    void clickOnChoice_bringsItsPageAndCastsOnce();
    void cast_showsHalvesAndSelectedRows_data();
    void cast_showsHalvesAndSelectedRows();
    void castAgain_resetsHalvesForTheNextCastAndKeepsReadingBehindDiceView();
    void everyClick_isANewCast();
    void cast_neverChangesSelectedTab_andChoosingItBringsItsPage_data();
    void cast_neverChangesSelectedTab_andChoosingItBringsItsPage();
    void otherButtonsAndWheel_onTabs_leaveThePageAlone();
    void singleReading_hidesTabs_comprehensiveShowsThemAgain();
    void brandBannerFor_throwsASixSidedDie_data();
    void brandBannerFor_throwsASixSidedDie();
    void brandBanner_showsExactlyOneLink_data();
    void brandBanner_showsExactlyOneLink();
    void linksAndMenus_openTheirPage_withoutChangingReading_data();
    void linksAndMenus_openTheirPage_withoutChangingReading();
    void closing_emitsClosedOnceAndKeepsTheReading_data();
    void closing_emitsClosedOnceAndKeepsTheReading();
    void about_isModalOverTheMainWindowUntilClosed();
    void window_isFixedAndCentred_controlsLieInsideTheirParentsApart();
    void texts_fitTheirControls();
    void everySignificance_fitsItsLabel_data();
    void everySignificance_fitsItsLabel();
    void significanceTooLongForItsPlace_scrolls();
    void linkLine_showsSiteAsConfigured_data();
    void linkLine_showsSiteAsConfigured();
    void keyboard_castsFromChoicesAndActivatesLinks_data();
    void keyboard_castsFromChoicesAndActivatesLinks();
    void keyboard_tabsThroughEveryControlAndSwitchesPages();
    void mouseCast_wayBackReturnsFocusToTheClickedChoice();
    void focusCue_showsOnlyAfterKeyboardUse_data();
    void focusCue_showsOnlyAfterKeyboardUse();
    void screenReader_seesAndPressesEveryClickableControl();
    void everyText_goesThroughTranslation();

private:
    template <typename T = QWidget> T *child(const QString &name) const
    {
        return findControl<T>(m_window.get(), name);
    }
    QLabel *pageLabel(const char *page, const char *label) const
    {
        return findControl<QLabel>(child(QLatin1String(page)), QLatin1String(label));
    }
    QWidget *viewInFront() const { return child<QStackedWidget>("views")->currentWidget(); }
    QWidget *pageInFront() const { return child<QStackedWidget>("readingPages")->currentWidget(); }
    void click(const QString &name) const;
    void clickTab(int index, Qt::MouseButton button = Qt::LeftButton) const;
    // Chooses an entry as a user does from the keyboard: Alt with its menu's
    // access key, then its own; an entry of the menu bar itself (menu empty)
    // takes Alt with its own. place counts from the top, separators included.
    void chooseEntry(const QString &menu, int place) const;
    QStringList resultTexts() const;

    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<MarkingTranslator> m_translator;
};

void TestMainWindow::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
    m_window = std::make_unique<MainWindow>(*m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_platform.reset();
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestMainWindow::click(const QString &name) const
{
    QWidget *target = child(name);
    QVERIFY2(target->isVisible(), qPrintable(name));
    // A choice is clicked on its own background, left of its dice.
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, target->height() / 2));
}

void TestMainWindow::clickTab(int index, Qt::MouseButton button) const
{
    auto *tabs = child<QTabBar>("readingTabs");
    QVERIFY(tabs->isVisible());
    QTest::mouseClick(tabs, button, {}, tabs->tabRect(index).center());
}

void TestMainWindow::chooseEntry(const QString &menu, int place) const
{
    QMenu *opened = menu.isEmpty() ? nullptr : child<QMenu>(menu);
    QAction *entry = (opened ? opened->actions() : m_window->menuBar()->actions()).value(place);
    QVERIFY2(entry && !entry->isSeparator() && !entry->menu(),
             qPrintable(QStringLiteral("%1 holds no entry at %2").arg(menu).arg(place)));
    const char key = accessKey(entry->text());
    QVERIFY2(key, qPrintable(entry->text()));
    if (!opened) {
        QTest::keyClick(m_window.get(), key, Qt::AltModifier);
        return;
    }
    const char menuKey = accessKey(opened->title());
    QVERIFY2(menuKey, qPrintable(opened->title()));
    QTest::keyClick(m_window.get(), menuKey, Qt::AltModifier);
    QTRY_VERIFY(opened->isVisible());
    QTest::keyClick(opened, key);
}

QStringList TestMainWindow::resultTexts() const
{
    QStringList texts;
    for (const char *page : Pages) {
        for (const char *label : {"nameLabel", "significanceLabel"})
            texts << pageLabel(page, label)->text();
    }
    return texts;
}

void TestMainWindow::opens_onDiceViewWithOnePipHalvesAndFirstTab()
{
    QCOMPARE(viewInFront(), child("diceView"));
    QCOMPARE(child<QTabBar>("readingTabs")->currentIndex(), 0);
    const QImage onePip = Look::picture(Pictures::dice(1)).toImage();
    QVERIFY(!onePip.isNull());
    for (const char *page : Pages) {
        for (const char *half : {"firstHalfDie", "secondHalfDie"}) {
            QLabel *face = pageLabel(page, half);
            QVERIFY(!face->isHidden());
            QCOMPARE(face->pixmap().toImage(), onePip);
        }
    }
}

void TestMainWindow::clickOnChoice_bringsItsPageAndCastsOnce_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("tabsShown");

    const char *const pages[] = {"planetPage", "zodiacPage", "housePage", "planetPage"};
    for (int index = 0; index < 10; ++index) {
        const int reading = index < 4 ? index : std::min(index - 4, 3);
        QTest::newRow(Choices[index]) << Choices[index] << pages[reading] << (reading == 3);
    }
}

void TestMainWindow::clickOnChoice_bringsItsPageAndCastsOnce()
{
    QFETCH(QString, control);
    QFETCH(QString, page);
    QFETCH(bool, tabsShown);

    // A first cast of blank halves reads row 1; any draw after it reads row
    // 10, so a click that cast twice would show the second.
    QList<double> draws = sameForAllDice(0, 0);
    draws << half(5);
    m_platform->useScript(draws);

    click(control);

    QCOMPARE(viewInFront(), child("readingView"));
    QCOMPARE(pageInFront(), child(page));
    QCOMPARE(child("readingTabs")->isVisible(), tabsShown);
    QCOMPARE(pageLabel("planetPage", "nameLabel")->text(), readingRow(Table::Planets, 1).name);
    // The result view now takes the clicks where the dice view was.
    auto *back = child<QPushButton>("castAgainButton");
    QCOMPARE(m_window->childAt(back->mapTo(m_window.get(), back->rect().center())), back);
}

void TestMainWindow::cast_showsHalvesAndSelectedRows_data()
{
    QTest::addColumn<int>("half0");
    QTest::addColumn<int>("half1");
    QTest::addColumn<int>("pips0"); // 0: hidden
    QTest::addColumn<int>("pips1");
    QTest::addColumn<int>("row");

    // The die's own rules are tst_cast's; these rows see them reach the pages.
    QTest::newRow("both blank") << 0 << 0 << 0 << 1 << 1;
    QTest::newRow("0,3") << 0 << 3 << 0 << 3 << 3;
    QTest::newRow("4,0") << 4 << 0 << 4 << 0 << 4;
    QTest::newRow("5,5") << 5 << 5 << 5 << 5 << 10;
}

void TestMainWindow::cast_showsHalvesAndSelectedRows()
{
    QFETCH(int, half0);
    QFETCH(int, half1);
    QFETCH(int, pips0);
    QFETCH(int, pips1);
    QFETCH(int, row);

    m_platform->useScript(sameForAllDice(half0, half1));
    click("comprehensiveChoice");

    for (const char *page : Pages) {
        const std::array<std::pair<const char *, int>, 2> halves{
            {{"firstHalfDie", pips0}, {"secondHalfDie", pips1}}};
        for (const auto &[name, pips] : halves) {
            QLabel *face = pageLabel(page, name);
            QCOMPARE(face->isHidden(), pips == 0);
            if (pips > 0)
                QCOMPARE(face->pixmap().toImage(), Look::picture(Pictures::dice(pips)).toImage());
        }
        // The name label sizes itself to its one line.
        QLabel *name = pageLabel(page, "nameLabel");
        QVERIFY(name->width() >= name->sizeHint().width());
    }

    QStringList expected;
    for (const Table table : {Table::Planets, Table::ZodiacSigns, Table::Houses})
        expected << readingRow(table, row).name << readingRow(table, row).significance;
    QCOMPARE(resultTexts(), expected);
    QCOMPARE(pageLabel("planetPage", "pictureLabel")->pixmap().toImage(),
             Look::picture(Pictures::planet(row)).toImage());
    QCOMPARE(pageLabel("zodiacPage", "pictureLabel")->pixmap().toImage(),
             Look::picture(Pictures::zodiac(row)).toImage());
    QVERIFY(!child("housePage")->findChild<QLabel *>(QStringLiteral("pictureLabel")));
}

void TestMainWindow::castAgain_resetsHalvesForTheNextCastAndKeepsReadingBehindDiceView()
{
    // Planet (0, 3), zodiac sign (4, 0), house blank: three halves hidden.
    m_platform->useScript({half(0), half(3), half(4), half(0), half(0), half(0)});
    click("comprehensiveChoice");
    QVERIFY(pageLabel("planetPage", "firstHalfDie")->isHidden());
    QVERIFY(pageLabel("zodiacPage", "secondHalfDie")->isHidden());
    QVERIFY(pageLabel("housePage", "firstHalfDie")->isHidden());
    const QStringList reading = resultTexts();

    click("castAgainButton");

    QCOMPARE(viewInFront(), child("diceView"));
    const QImage onePip = Look::picture(Pictures::dice(1)).toImage();
    for (const char *page : Pages) {
        for (const char *half : {"firstHalfDie", "secondHalfDie"}) {
            QVERIFY(!pageLabel(page, half)->isHidden());
            QCOMPARE(pageLabel(page, half)->pixmap().toImage(), onePip);
        }
    }
    QCOMPARE(resultTexts(), reading);
    QVERIFY(!child("readingView")->isVisible());

    // The next cast hides exactly its own zero halves.
    m_platform->useScript({half(2), half(0), half(0), half(1), half(5), half(5)});
    click("comprehensiveChoice");

    QCOMPARE(pageLabel("planetPage", "firstHalfDie")->isHidden(), false);
    QCOMPARE(pageLabel("planetPage", "secondHalfDie")->isHidden(), true);
    QCOMPARE(pageLabel("zodiacPage", "firstHalfDie")->isHidden(), true);
    QCOMPARE(pageLabel("zodiacPage", "secondHalfDie")->isHidden(), false);
    QCOMPARE(pageLabel("housePage", "firstHalfDie")->isHidden(), false);
    QCOMPARE(pageLabel("housePage", "secondHalfDie")->isHidden(), false);
}

void TestMainWindow::everyClick_isANewCast()
{
    QList<double> draws = sameForAllDice(0, 0);
    draws << sameForAllDice(5, 5);
    m_platform->useScript(draws);

    click("planetChoice");
    QCOMPARE(pageLabel("planetPage", "nameLabel")->text(), readingRow(Table::Planets, 1).name);
    click("castAgainButton");
    click("planetChoice");
    QCOMPARE(pageLabel("planetPage", "nameLabel")->text(), readingRow(Table::Planets, 10).name);
    QCOMPARE(pageInFront(), child("planetPage"));
}

void TestMainWindow::cast_neverChangesSelectedTab_andChoosingItBringsItsPage_data()
{
    QTest::addColumn<int>("key"); // pressed on the tabs; 0: a left click
    QTest::newRow("left click") << 0;
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
}

void TestMainWindow::cast_neverChangesSelectedTab_andChoosingItBringsItsPage()
{
    QFETCH(int, key);
    click("comprehensiveChoice");
    clickTab(2);
    QCOMPARE(pageInFront(), child("housePage"));
    clickTab(1);
    QCOMPARE(pageInFront(), child("zodiacPage"));
    clickTab(2);

    click("castAgainButton");
    click("comprehensiveChoice");
    auto *tabs = child<QTabBar>("readingTabs");
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(pageInFront(), child("planetPage"));

    if (key) {
        tabs->setFocus(Qt::TabFocusReason);
        QTest::keyClick(tabs, Qt::Key(key));
    } else {
        clickTab(2);
    }
    QCOMPARE(pageInFront(), child("housePage"));
    QCOMPARE(tabs->currentIndex(), 2);
    clickTab(0);
    QCOMPARE(pageInFront(), child("planetPage"));
    QCOMPARE(viewInFront(), child("readingView"));
}

void TestMainWindow::otherButtonsAndWheel_onTabs_leaveThePageAlone()
{
    click("comprehensiveChoice");
    clickTab(2);
    click("castAgainButton");
    click("comprehensiveChoice");
    // The houses tab is selected, the planet page in front.
    auto *tabs = child<QTabBar>("readingTabs");
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        clickTab(2, button);
        clickTab(1, button);
        QCOMPARE(pageInFront(), child("planetPage"));
        QCOMPARE(tabs->currentIndex(), 2);
    }
    QWheelEvent wheel(QPointF(tabs->tabRect(1).center()), tabs->mapToGlobal(QPointF(0, 0)), {},
                      QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(tabs, &wheel);
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(pageInFront(), child("planetPage"));
}

void TestMainWindow::singleReading_hidesTabs_comprehensiveShowsThemAgain()
{
    click("comprehensiveChoice");
    QVERIFY(child("readingTabs")->isVisible());
    click("castAgainButton");
    click("houseDie");
    QVERIFY(!child("readingTabs")->isVisible());
    QCOMPARE(pageInFront(), child("housePage"));
    click("castAgainButton");
    click("comprehensiveZodiacDie");
    QVERIFY(child("readingTabs")->isVisible());
    QCOMPARE(pageInFront(), child("planetPage"));
}

void TestMainWindow::brandBannerFor_throwsASixSidedDie_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<bool>("coBranding");

    // The draw throws 1 to 6: odd numbers bring the co-branding link.
    const double draws[] = {0.0, 0.2, 0.4, 0.5, 0.7, 0.9999};
    for (int number = 1; number <= 6; ++number)
        QTest::addRow("%d", number) << draws[number - 1] << (number % 2 == 1);
    QTest::newRow("a stray 1.0 throws a 6") << 1.0 << false;
}

void TestMainWindow::brandBannerFor_throwsASixSidedDie()
{
    QFETCH(double, draw);
    QFETCH(bool, coBranding);
    QCOMPARE(brandBannerFor(draw) == BrandBanner::CoBranding, coBranding);
}

void TestMainWindow::brandBanner_showsExactlyOneLink_data()
{
    QTest::addColumn<bool>("coBranding");
    QTest::newRow("co-branding") << true;
    QTest::newRow("full branding") << false;
}

void TestMainWindow::brandBanner_showsExactlyOneLink()
{
    QFETCH(bool, coBranding);

    m_window->setBrandBanner(coBranding ? BrandBanner::CoBranding : BrandBanner::FullBranding);

    QWidget *front = child(coBranding ? "coBrandingLink" : "fullBrandingLink");
    QWidget *behind = child(coBranding ? "fullBrandingLink" : "coBrandingLink");
    QVERIFY(front->isVisible());
    QVERIFY(!behind->isVisible());
    QCOMPARE(m_window->childAt(front->mapTo(m_window.get(), front->rect().center())), front);

    click(front->objectName());
    QCOMPARE(m_platform->openedAddresses(),
             addressesOf(coBranding ? Link::CoBranding : Link::FullBranding));
}

void TestMainWindow::linksAndMenus_openTheirPage_withoutChangingReading_data()
{
    QTest::addColumn<QString>("menu"); // "" for the menu bar; with place -1, a link
    QTest::addColumn<int>("place");    // from the top, separators included
    QTest::addColumn<Link>("operation");

    // The entries in their places: a separator above Check for Software
    // Update and another above About Software (5, the about window's test).
    QTest::newRow("Help > Online Help") << "helpMenu" << 0 << Link::OnlineHelp;
    QTest::newRow("Help > Visit Us Online") << "helpMenu" << 1 << Link::HomePage;
    QTest::newRow("Help > Check for Software Update") << "helpMenu" << 3 << Link::Download;
    QTest::newRow("Donate, after File and Help") << "" << 2 << Link::Donate;
    QTest::newRow("link line") << "homePageLink" << -1 << Link::HomePage;
}

void TestMainWindow::linksAndMenus_openTheirPage_withoutChangingReading()
{
    QFETCH(QString, menu);
    QFETCH(int, place);
    QFETCH(Link, operation);

    click("comprehensiveChoice");
    clickTab(1);
    const QStringList reading = resultTexts();

    if (place < 0)
        click(menu);
    else
        chooseEntry(menu, place);

    const QStringList expected = addressesOf(operation);
    QCOMPARE(m_platform->openedAddresses(), expected);
    QCOMPARE(expected.size(), 1);
    const QStringList sites{MainSiteAddress, HelpSiteAddress, ProductSiteAddress, HomePageAddress};
    QVERIFY(std::any_of(sites.begin(), sites.end(),
                        [&](const QString &site) { return expected.first().startsWith(site); }));
    QCOMPARE(viewInFront(), child("readingView"));
    QCOMPARE(pageInFront(), child("zodiacPage"));
    QVERIFY(child("readingTabs")->isVisible());
    QCOMPARE(resultTexts(), reading);
}

void TestMainWindow::closing_emitsClosedOnceAndKeepsTheReading_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("File > Exit") << QStringLiteral("menu");
    QTest::newRow("File > Exit by keyboard") << QStringLiteral("keys");
    QTest::newRow("close box") << QStringLiteral("close");
}

void TestMainWindow::closing_emitsClosedOnceAndKeepsTheReading()
{
    QFETCH(QString, how);
    click("comprehensiveChoice");
    const QStringList reading = resultTexts();
    QSignalSpy closed(m_window.get(), &MainWindow::closed);

    if (how == QLatin1String("menu")) {
        child<QAction>("actionExit")->trigger();
    } else if (how == QLatin1String("keys")) {
        QCOMPARE(child<QMenu>("fileMenu")->actions().size(), 1);
        chooseEntry("fileMenu", 0);
    } else {
        m_window->close();
    }

    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(closed.size(), 1);
    QVERIFY(m_platform->openedAddresses().isEmpty());
    QCOMPARE(resultTexts(), reading);
}

void TestMainWindow::about_isModalOverTheMainWindowUntilClosed()
{
    QWidget *planet = child("planetChoice");
    const QPoint planetInWindow = planet->mapTo(m_window.get(), QPoint(3, planet->height() / 2));
    QString seenName;
    bool stillOpenAfterLink = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *seen = QApplication::activeModalWidget();
        if (!seen)
            return;
        seenName = QLatin1String(seen->metaObject()->className());
        // Through the window system, where the modal window blocks this one.
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, planetInWindow);
        // Its links open their pages and leave it open.
        const QList<LinkButton *> links = seen->findChildren<LinkButton *>();
        if (!links.isEmpty())
            QTest::mouseClick(links.first(), Qt::LeftButton);
        stillOpenAfterLink = seen->isVisible() && QApplication::activeModalWidget() == seen;
        QTest::keyClick(seen, Qt::Key_Escape);
    });
    chooseEntry("helpMenu", 5);

    // The window lives only while it is shown.
    QCOMPARE(seenName, QStringLiteral("Zentrova::AboutDialog"));
    QVERIFY(stillOpenAfterLink);
    QCOMPARE(viewInFront(), child("diceView"));
    QCOMPARE(m_platform->openedAddresses().size(), 1);
    QVERIFY(!QApplication::activeModalWidget());

    // Once it is closed the main window takes clicks again.
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, planetInWindow);
    QCOMPARE(viewInFront(), child("readingView"));
}

void TestMainWindow::window_isFixedAndCentred_controlsLieInsideTheirParentsApart()
{
    const QStringList problems = Testing::fixedWindowProblems(m_window.get());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    // The pages lie over the tab pane, below its row of tabs.
    const auto overlapAllowed = [](const QWidget *a, const QWidget *b) {
        const QSet<QString> names{a->objectName(), b->objectName()};
        return names == QSet<QString>{"readingTabPane", "readingPages"};
    };
    const auto check = [&] {
        QList<QWidget *> shown;
        for (QWidget *widget : m_window->centralWidget()->findChildren<QWidget *>()) {
            if (widget->isVisible() && !widget->objectName().isEmpty() &&
                !widget->objectName().startsWith(QLatin1String("qt_")))
                shown << widget;
        }
        QVERIFY(shown.size() > 15);
        for (const QWidget *widget : shown) {
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                     qPrintable(widget->objectName()));
            for (const QWidget *other : shown) {
                if (other != widget && other->parentWidget() == widget->parentWidget() &&
                    !overlapAllowed(widget, other))
                    QVERIFY2(!widget->geometry().intersects(other->geometry()),
                             qPrintable(widget->objectName() + " " + other->objectName()));
            }
        }
    };
    check();
    click("comprehensiveChoice");
    check();
    // The two views share one rectangle exactly.
    QCOMPARE(child("diceView")->geometry(), child("readingView")->geometry());
    // The pages start just below the row of tabs.
    QWidget *pages = child("readingPages");
    const QRect tabs = child("readingTabs")->geometry();
    QCOMPARE(pages->y(), child("readingTabPane")->y() + tabs.bottom() + 1);
}

void TestMainWindow::texts_fitTheirControls()
{
    const auto fits = [](const QWidget *widget, const QString &text, bool wrap) {
        const QFontMetrics metrics(widget->font());
        const QRect needed =
            wrap ? metrics.boundingRect(QRect(0, 0, widget->width(), QWIDGETSIZE_MAX),
                                        Qt::TextWordWrap, text)
                 : metrics.boundingRect(text);
        return needed.width() <= widget->width() && needed.height() <= widget->height();
    };
    for (const QLabel *label : m_window->findChildren<QLabel *>()) {
        if (label->pixmap().isNull() && !label->text().isEmpty())
            QVERIFY2(fits(label, label->text(), label->wordWrap()),
                     qPrintable(label->objectName()));
    }
    for (const char *name : {"homePageLink", "coBrandingLink", "fullBrandingLink"}) {
        auto *link = child<QAbstractButton>(name);
        QVERIFY2(link->heightForWidth(link->width()) <= link->height(), name);
        QVERIFY(link->font().underline());
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
    for (int index = 0; index < 4; ++index) {
        auto *choice = child<QAbstractButton>(Choices[index]);
        QVERIFY2(fits(choice, choice->text(), false), Choices[index]);
        QCOMPARE(choice->cursor().shape(), Qt::PointingHandCursor);
    }
    auto *tabs = child<QTabBar>("readingTabs");
    for (int index = 0; index < tabs->count(); ++index)
        QVERIFY(tabs->tabRect(index).width() >=
                QFontMetrics(tabs->font()).horizontalAdvance(tabs->tabText(index)));
}

void TestMainWindow::everySignificance_fitsItsLabel_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("text");

    for (int row = 1; row <= TableRows; ++row) {
        QTest::addRow("planet %d", row)
            << "planetPage" << readingRow(Table::Planets, row).significance;
        QTest::addRow("zodiac sign %d", row)
            << "zodiacPage" << readingRow(Table::ZodiacSigns, row).significance;
        QTest::addRow("house %d", row)
            << "housePage" << readingRow(Table::Houses, row).significance;
    }
}

void TestMainWindow::everySignificance_fitsItsLabel()
{
    QFETCH(QString, page);
    QFETCH(QString, text);

    QVERIFY(!text.isEmpty());
    QLabel *shown = pageLabel(qPrintable(page), "significanceLabel");
    QVERIFY(shown->wordWrap());
    const QRect needed =
        QFontMetrics(shown->font())
            .boundingRect(QRect(0, 0, shown->width(), QWIDGETSIZE_MAX), Qt::TextWordWrap, text);
    QVERIFY2(
        needed.height() <= shown->height(),
        qPrintable(QStringLiteral("needs %1 px of %2").arg(needed.height()).arg(shown->height())));
}

void TestMainWindow::linkLine_showsSiteAsConfigured_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("shown");

    QTest::newRow("configured") << MainSiteAddress << QString();
    QTest::newRow("port and capitals") << "https://Www.Example.ORG:8080"
                                       << "Www.Example.ORG:8080";
    QTest::newRow("plain http") << "http://example.net"
                                << "example.net";
}

void TestMainWindow::linkLine_showsSiteAsConfigured()
{
    QFETCH(QString, address);
    QFETCH(QString, shown);

    if (shown.isEmpty()) {
        const QString text = child<QAbstractButton>("homePageLink")->text();
        QVERIFY2(text.contains(QLatin1Char(' ') + siteHost(address) + QLatin1Char(' ')),
                 qPrintable(text));
        QVERIFY(!text.contains(QLatin1String("://")));
    } else {
        QCOMPARE(siteHost(address), shown);
    }
}

void TestMainWindow::keyboard_castsFromChoicesAndActivatesLinks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("backKey"); // pressed on Cast Zentrova Again

    QTest::newRow("Planet, Space; back Alt+C")
        << "planetChoice" << int(Qt::Key_Space) << "planetPage"
        << (Qt::ALT | Qt::Key_C).toCombined();
    QTest::newRow("Zodiac, Return; back Return")
        << "zodiacChoice" << int(Qt::Key_Return) << "zodiacPage" << int(Qt::Key_Return);
    QTest::newRow("House, Enter; back Enter")
        << "houseChoice" << int(Qt::Key_Enter) << "housePage" << int(Qt::Key_Enter);
    QTest::newRow("Comprehensive, Space; back Space")
        << "comprehensiveChoice" << int(Qt::Key_Space) << "planetPage" << int(Qt::Key_Space);
    QTest::newRow("link line, Space") << "homePageLink" << int(Qt::Key_Space) << "" << 0;
    QTest::newRow("link line, Return") << "homePageLink" << int(Qt::Key_Return) << "" << 0;
}

void TestMainWindow::keyboard_castsFromChoicesAndActivatesLinks()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, page);
    QFETCH(int, backKey);

    QWidget *target = child(control);
    target->setFocus(Qt::TabFocusReason);
    QVERIFY(target->hasFocus());

    QTest::keyClick(target, Qt::Key(key));

    if (page.isEmpty()) {
        QCOMPARE(m_platform->openedAddresses(), addressesOf(Link::HomePage));
        QCOMPARE(viewInFront(), child("diceView"));
        return;
    }
    QCOMPARE(viewInFront(), child("readingView"));
    QCOMPARE(pageInFront(), child(page));
    QVERIFY(m_platform->openedAddresses().isEmpty());
    // The keyboard follows into the result view...
    QWidget *back = child("castAgainButton");
    QCOMPARE(QApplication::focusWidget(), back);
    // ...where Space, Enter and Return press the button and Alt+C, its access
    // key, gives it an animated click...
    const QKeyCombination combination = QKeyCombination::fromCombined(backKey);
    QTest::keyClick(combination.keyboardModifiers() ? static_cast<QWidget *>(m_window.get()) : back,
                    combination.key(), combination.keyboardModifiers());
    QTRY_COMPARE(viewInFront(), child("diceView"));
    // ...and back to the choice it came from.
    QCOMPARE(QApplication::focusWidget(), target);
}

void TestMainWindow::keyboard_tabsThroughEveryControlAndSwitchesPages()
{
    m_window->setBrandBanner(BrandBanner::CoBranding);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    const auto tabRound = [] {
        QStringList order;
        const QWidget *first = QApplication::focusWidget();
        do {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != first && order.size() < 20);
        return order;
    };
    // The window opens with the focus on no control: the first Tab brings
    // it to the first choice.
    QCOMPARE(QApplication::focusWidget(), m_window.get());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(tabRound(), (QStringList{"planetChoice", "zodiacChoice", "houseChoice",
                                      "comprehensiveChoice", "homePageLink", "coBrandingLink"}));

    QTest::keyClick(child("comprehensiveChoice"), Qt::Key_Space);
    QCOMPARE(tabRound(),
             (QStringList{"castAgainButton", "readingTabs", "homePageLink", "coBrandingLink"}));
    auto *tabs = child<QTabBar>("readingTabs");
    tabs->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tabs, Qt::Key_Right);
    QCOMPARE(pageInFront(), child("zodiacPage"));
    QTest::keyClick(tabs, Qt::Key_Right);
    QCOMPARE(pageInFront(), child("housePage"));
    QTest::keyClick(tabs, Qt::Key_Left);
    QCOMPARE(pageInFront(), child("zodiacPage"));
}

void TestMainWindow::mouseCast_wayBackReturnsFocusToTheClickedChoice()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const auto castAndComeBack = [this](const char *name) {
        click(name);
        QCOMPARE(QApplication::focusWidget(), child("castAgainButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(viewInFront(), child("diceView"));
    };
    // From the window's start, where no control has the focus...
    castAndComeBack("zodiacChoice");
    QCOMPARE(QApplication::focusWidget(), child("zodiacChoice"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child("houseChoice"));
    // ...and with the focus on another choice than the one clicked.
    castAndComeBack("planetDie");
    QCOMPARE(QApplication::focusWidget(), child("planetChoice"));
}

void TestMainWindow::focusCue_showsOnlyAfterKeyboardUse_data()
{
    QTest::addColumn<int>("backKey"); // pressed on Cast Zentrova Again; 0: a click
    QTest::newRow("clicked back") << 0;
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Alt+C") << (Qt::ALT | Qt::Key_C).toCombined();
}

void TestMainWindow::focusCue_showsOnlyAfterKeyboardUse()
{
    QFETCH(int, backKey);
    QWidget *planet = child("planetChoice");
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // As the window opens no control has the focus.
    QVERIFY(!planet->hasFocus());
    const QImage withoutFocus = planet->grab().toImage();

    // A mouse cast brings the focus to the button that leads back; the way
    // back, to the choice, with the cue only if the keyboard took it there.
    click("planetChoice");
    if (backKey) {
        const QKeyCombination keys = QKeyCombination::fromCombined(backKey);
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
    } else {
        click("castAgainButton");
    }
    QTRY_VERIFY(planet->hasFocus());
    QCOMPARE(planet->grab().toImage() != withoutFocus, backKey != 0);

    // Once the keyboard moves the focus the cue shows.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(planet->hasFocus());
    QVERIFY(planet->grab().toImage() != withoutFocus);
}

void TestMainWindow::screenReader_seesAndPressesEveryClickableControl()
{
    QStringList names(std::begin(Choices), std::end(Choices));
    names << "homePageLink"
          << "fullBrandingLink"; // in front until the start-up draw
    for (const QString &name : names) {
        QWidget *control = child(name);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(accessible, qPrintable(name));
        QCOMPARE(accessible->role(), QAccessible::Button);
        QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(name));
        QCOMPARE(accessible->text(QAccessible::Name), control->accessibleName());
        QVERIFY2(!accessible->text(QAccessible::Description).isEmpty(), qPrintable(name));
        QAccessibleActionInterface *actions = accessible->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

        // The press does what a click does: a cast, or a page opened.
        const qsizetype opened = m_platform->openedAddresses().size();
        actions->doAction(QAccessibleActionInterface::pressAction());
        if (name.endsWith(QLatin1String("Link"))) {
            QTRY_COMPARE(m_platform->openedAddresses().size(), opened + 1);
        } else {
            QTRY_COMPARE(viewInFront(), child("readingView"));
            child<QPushButton>("castAgainButton")->click();
        }
    }
}

void TestMainWindow::everyText_goesThroughTranslation()
{
    m_translator = std::make_unique<MarkingTranslator>();
    QCoreApplication::installTranslator(m_translator.get());
    m_window = std::make_unique<MainWindow>(*m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    const auto check = [this] {
        QStringList texts;
        for (const QWidget *widget : m_window->findChildren<QWidget *>()) {
            // The tabs' scroll buttons are Qt's to translate.
            if (qobject_cast<const QTabBar *>(widget->parentWidget()))
                continue;
            texts << widget->accessibleName() << widget->accessibleDescription();
            if (const auto *label = qobject_cast<const QLabel *>(widget))
                texts << label->text();
            if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
                texts << button->text();
            if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
                for (int index = 0; index < tabs->count(); ++index)
                    texts << tabs->tabText(index);
            }
        }
        for (const QAction *action : m_window->findChildren<QAction *>())
            texts << action->text();
        for (const QAction *action : m_window->menuBar()->actions())
            texts << action->text();
        texts.removeAll(QString());
        QVERIFY(texts.size() > 40);
        for (const QString &text : std::as_const(texts)) {
            QVERIFY2(MarkingTranslator::isMarked(text), qPrintable(text));
            QVERIFY2(!text.contains(QLatin1String("%1")), qPrintable(text));
        }
    };
    check();
    click("comprehensiveChoice"); // the pages' texts now come from the tables
    check();
    // The site is set into the sentence, which stays whole.
    QVERIFY(child<QAbstractButton>("homePageLink")->text().contains(siteHost(MainSiteAddress)));
    QCOMPARE(m_window->windowTitle(), titleWithVersion());
}

void TestMainWindow::significanceTooLongForItsPlace_scrolls()
{
    // A translation far longer than any the program has. Texts are fitted only
    // in a translation, which the application holds.
    MarkingTranslator translation;
    translation.setParent(qApp);
    QVERIFY(QCoreApplication::installTranslator(&translation));
    const QRect place(10, 10, 200, 60);
    ReadingPage page(Table::Houses, place, {});
    page.resize(400, 300);
    page.show();
    const QString longText = QStringLiteral("A house of many words. ").repeated(40);

    page.showRow(QStringLiteral("House"), QStringLiteral("A short text."));
    QVERIFY(!page.findChild<QScrollArea *>());
    // Set out of sight, as a cast does, the text is fitted when the page shows.
    page.hide();
    page.showRow(QStringLiteral("House"), longText);
    page.show();

    auto *scroll = page.findChild<QScrollArea *>();
    QVERIFY(scroll);
    QCOMPARE(scroll->geometry(), place);
    auto *label = findControl<QLabel>(&page, "significanceLabel");
    QCOMPARE(label->text(), longText);
    // The whole text is there to scroll to, in a readable font.
    QTRY_VERIFY(scroll->verticalScrollBar()->maximum() > 0);
    QVERIFY(label->height() >= label->heightForWidth(label->width()));
    QVERIFY(label->font().pointSizeF() >= 7.0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
