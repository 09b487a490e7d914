// The main window: casting from the dice view, the result pages, the tab
// strip, the promotional band, the links, the menus, the keyboard and the look.
#include "recordingplatform.h"

#include "reading/readingtables.h"
#include "resources/pictures.h"
#include "ui/look.h"
#include "ui/main/mainwindow.h"
#include "web/links.h"
#include "web/siteaddresses.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

using namespace Zentrova;
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

QRect rectIn(const QWidget *widget, const QWidget *container)
{
    return QRect(widget->mapTo(container, QPoint(0, 0)), widget->size());
}

using LinkOperation = void (*)(Platform &);

// What a link operation opens, asked of a platform of its own.
QStringList addressesOf(LinkOperation operation)
{
    RecordingPlatform reference;
    operation(reference);
    return reference.openedAddresses();
}

class CloseCounter final : public QObject
{
public:
    int closes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

} // namespace

class tst_MainWindow final : public QObject
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
    void castAgain_resetsHalvesAndKeepsReadingBehindDiceView();
    void nextCast_hidesExactlyItsZeroHalves();
    void everyClick_isANewCast();
    void cast_neverChangesSelectedTab_andClickingItBringsItsPage();
    void singleReading_hidesTabs_comprehensiveShowsThemAgain();
    void coBrandDraw_showsExactlyOneLabel_data();
    void coBrandDraw_showsExactlyOneLabel();
    void linksAndMenus_openTheirPage_withoutChangingReading_data();
    void linksAndMenus_openTheirPage_withoutChangingReading();
    void closing_emitsClosedOnceAndKeepsTheReading_data();
    void closing_emitsClosedOnceAndKeepsTheReading();
    void about_isModalOverTheMainWindowUntilClosed();
    void window_hasFixedClientAreaAndNoMaximise();
    void controls_sitAtTheirTwipsGeometry_data();
    void controls_sitAtTheirTwipsGeometry();
    void texts_showCaptionsAsStored();
    void menuTree_isInOrder();
    void keyboard_castsFromFramesAndActivatesLinks_data();
    void keyboard_castsFromFramesAndActivatesLinks();
    void keyboard_tabsThroughFramesAndSwitchesPages();
    void everySignificance_fitsItsLabel_data();
    void everySignificance_fitsItsLabel();

private:
    template <typename T = QWidget> T *child(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qWarning("no control named %s", name);
        return found;
    }
    QWidget *viewInFront() const;
    QWidget *pageInFront() const;
    void click(const char *name) const;
    void clickTab(int index) const;
    QStringList resultTexts() const;

    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<MainWindow> m_window;
};

void tst_MainWindow::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
    m_window = std::make_unique<MainWindow>(*m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_MainWindow::cleanup()
{
    m_window.reset();
    m_platform.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QWidget *tst_MainWindow::viewInFront() const
{
    QWidget *dice = child("fraMain");
    QWidget *result = child("fraResult");
    if (dice->isVisible() == result->isVisible())
        return nullptr;
    return dice->isVisible() ? dice : result;
}

QWidget *tst_MainWindow::pageInFront() const
{
    QWidget *result = child("fraResult");
    QWidget *inFront = nullptr;
    for (const char *name : {"fraPlanets", "fraZodiacSigns", "fraHouses"}) {
        QWidget *page = child(name);
        if (page->isVisibleTo(result)) {
            if (inFront)
                return nullptr;
            inFront = page;
        }
    }
    return inFront;
}

void tst_MainWindow::click(const char *name) const
{
    QWidget *target = child(name);
    QVERIFY(target);
    QVERIFY2(target->isVisible(), name);
    if (qobject_cast<QGroupBox *>(target)) {
        // The frame's own background, left of its dice.
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, target->height() / 2));
    } else {
        QTest::mouseClick(target, Qt::LeftButton);
    }
}

void tst_MainWindow::clickTab(int index) const
{
    QTabBar *tabs = child<QTabBar>("TS_tabs");
    QVERIFY(tabs && tabs->isVisible());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

QStringList tst_MainWindow::resultTexts() const
{
    QStringList texts;
    for (const char *name :
         {"lblPlanetsName", "lblPlanetsSignificance", "lblZodiacSignsName",
          "lblZodiacSignsSignificance", "lblHousesName", "lblHousesSignificance"})
        texts << child<QLabel>(name)->text();
    return texts;
}

void tst_MainWindow::opens_onDiceViewWithOnePipHalvesAndFirstTab()
{
    QCOMPARE(viewInFront(), child("fraMain"));
    QCOMPARE(child<QTabBar>("TS_tabs")->currentIndex(), 0);
    const QPixmap onePip = m_window->diceImages().picture(1);
    QVERIFY(!onePip.isNull());
    for (const char *name :
         {"picDice1_0", "picDice1_1", "picDice2_0", "picDice2_1", "picDice3_0", "picDice3_1"}) {
        QLabel *picture = child<QLabel>(name);
        QVERIFY2(!picture->isHidden(), name);
        QCOMPARE(picture->pixmap().cacheKey(), onePip.cacheKey());
    }
    for (int index = 0; index < 6; ++index) {
        const QLabel *die = child<QLabel>(qPrintable(QStringLiteral("Picture1_%1").arg(index)));
        QCOMPARE(die->pixmap().cacheKey(), onePip.cacheKey());
    }
}

void tst_MainWindow::clickOnChoice_bringsItsPageAndCastsOnce_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("tabsShown");

    QTest::newRow("Planet frame") << "Frame1_0"
                                  << "fraPlanets" << false;
    QTest::newRow("Zodiac frame") << "Frame1_1"
                                  << "fraZodiacSigns" << false;
    QTest::newRow("House frame") << "Frame1_2"
                                 << "fraHouses" << false;
    QTest::newRow("Comprehensive frame") << "Frame1_3"
                                         << "fraPlanets" << true;
    QTest::newRow("Planet die") << "Picture1_0"
                                << "fraPlanets" << false;
    QTest::newRow("Zodiac die") << "Picture1_1"
                                << "fraZodiacSigns" << false;
    QTest::newRow("House die") << "Picture1_2"
                               << "fraHouses" << false;
    QTest::newRow("Comprehensive die 1") << "Picture1_3"
                                         << "fraPlanets" << true;
    QTest::newRow("Comprehensive die 2") << "Picture1_4"
                                         << "fraPlanets" << true;
    QTest::newRow("Comprehensive die 3") << "Picture1_5"
                                         << "fraPlanets" << true;
}

void tst_MainWindow::clickOnChoice_bringsItsPageAndCastsOnce()
{
    QFETCH(QString, control);
    QFETCH(QString, page);
    QFETCH(bool, tabsShown);

    // A first cast of blank halves reads "Sun"; any draw after it reads "Pluto",
    // so a click that cast twice would show the second.
    QList<double> draws = sameForAllDice(0, 0);
    draws << half(5);
    m_platform->useScript(draws);

    click(qPrintable(control));

    QCOMPARE(viewInFront(), child("fraResult"));
    QCOMPARE(pageInFront(), child(qPrintable(page)));
    QCOMPARE(child("TS")->isVisible(), tabsShown);
    QCOMPARE(child<QLabel>("lblPlanetsName")->text(), QStringLiteral("Sun"));
    // The result view now takes the clicks where the dice view was.
    QPushButton *back = child<QPushButton>("cmdBack");
    const QPoint backCentre = back->mapTo(m_window.get(), back->rect().center());
    QCOMPARE(m_window->childAt(backCentre), back);
}

void tst_MainWindow::cast_showsHalvesAndSelectedRows_data()
{
    QTest::addColumn<int>("half0");
    QTest::addColumn<int>("half1");
    QTest::addColumn<bool>("shown0");
    QTest::addColumn<bool>("shown1");
    QTest::addColumn<int>("pips0");
    QTest::addColumn<int>("pips1");
    QTest::addColumn<int>("row");

    QTest::newRow("both blank") << 0 << 0 << false << true << 0 << 1 << 1;
    for (int v = 1; v <= 5; ++v) {
        QTest::addRow("0,%d", v) << 0 << v << false << true << 0 << v << v;
        QTest::addRow("%d,0", v) << v << 0 << true << false << v << 0 << v;
    }
    QTest::newRow("2,3") << 2 << 3 << true << true << 2 << 3 << 5;
    QTest::newRow("5,5") << 5 << 5 << true << true << 5 << 5 << 10;
}

void tst_MainWindow::cast_showsHalvesAndSelectedRows()
{
    QFETCH(int, half0);
    QFETCH(int, half1);
    QFETCH(bool, shown0);
    QFETCH(bool, shown1);
    QFETCH(int, pips0);
    QFETCH(int, pips1);
    QFETCH(int, row);

    m_platform->useScript(sameForAllDice(half0, half1));
    click("Frame1_3");

    const std::array<bool, 2> shown{shown0, shown1};
    const std::array<int, 2> pips{pips0, pips1};
    for (int die = 1; die <= 3; ++die) {
        for (int h = 0; h < 2; ++h) {
            const QString name = QStringLiteral("picDice%1_%2").arg(die).arg(h);
            QLabel *picture = child<QLabel>(qPrintable(name));
            QVERIFY2(picture->isHidden() != shown[h], qPrintable(name));
            if (!shown[h])
                continue;
            const QImage face = picture->pixmap().toImage();
            QVERIFY(!face.isNull());
            QCOMPARE(face, Look::picture(Pictures::dice(pips[h])).toImage());
        }
    }

    ReadingTables tables;
    tables.fill();
    QCOMPARE(child<QLabel>("lblPlanetsName")->text(), tables.planetNames[row - 1]);
    QCOMPARE(child<QLabel>("lblPlanetsSignificance")->text(), tables.planetSignificances[row - 1]);
    QCOMPARE(child<QLabel>("lblZodiacSignsName")->text(), tables.zodiacSignNames[row - 1]);
    QCOMPARE(child<QLabel>("lblZodiacSignsSignificance")->text(),
             tables.zodiacSignSignificances[row - 1]);
    QCOMPARE(child<QLabel>("lblHousesName")->text(), tables.houseNames[row - 1]);
    QCOMPARE(child<QLabel>("lblHousesSignificance")->text(), tables.houseSignificances[row - 1]);
    if (row == 1) {
        QCOMPARE(child<QLabel>("lblPlanetsName")->text(), QStringLiteral("Sun"));
        QCOMPARE(child<QLabel>("lblZodiacSignsName")->text(), QStringLiteral("Aries"));
        QCOMPARE(child<QLabel>("lblHousesName")->text(),
                 QStringLiteral("1st House - The House of Identity"));
    } else if (row == 10) {
        QCOMPARE(child<QLabel>("lblPlanetsName")->text(), QStringLiteral("Pluto"));
        QCOMPARE(child<QLabel>("lblZodiacSignsName")->text(), QStringLiteral("Capricorn"));
        QCOMPARE(child<QLabel>("lblHousesName")->text(),
                 QStringLiteral("10th House - The House of Career"));
    }

    const QPixmap planet = child<QLabel>("imgPlanets")->pixmap();
    QVERIFY(!planet.isNull());
    QCOMPARE(planet.cacheKey(), m_window->planetImages().picture(row).cacheKey());
    QCOMPARE(planet.toImage(), Look::picture(Pictures::planet(row)).toImage());
    const QPixmap sign = child<QLabel>("picZodiacSign")->pixmap();
    QVERIFY(!sign.isNull());
    QCOMPARE(sign.cacheKey(), m_window->zodiacSignImages().picture(row).cacheKey());
    QCOMPARE(sign.toImage(), Look::picture(Pictures::zodiac(row)).toImage());

    // The name labels size themselves to their one line.
    for (const char *name : {"lblPlanetsName", "lblZodiacSignsName", "lblHousesName"}) {
        QLabel *label = child<QLabel>(name);
        QVERIFY2(label->width() >= QFontMetrics(label->font()).horizontalAdvance(label->text()),
                 name);
        QCOMPARE(label->pos(), Look::twipsRect(120, 120, 0, 0).topLeft());
    }
}

void tst_MainWindow::castAgain_resetsHalvesAndKeepsReadingBehindDiceView()
{
    // Planet (0, 3), zodiac sign (4, 0), house blank: three halves hidden.
    m_platform->useScript({half(0), half(3), half(4), half(0), half(0), half(0)});
    click("Frame1_3");
    QVERIFY(child("picDice1_0")->isHidden());
    QVERIFY(child("picDice2_1")->isHidden());
    QVERIFY(child("picDice3_0")->isHidden());
    const QStringList reading = resultTexts();
    QCOMPARE(reading.at(0), QStringLiteral("Mercury"));

    click("cmdBack");

    QCOMPARE(viewInFront(), child("fraMain"));
    const qint64 onePip = m_window->diceImages().picture(1).cacheKey();
    for (const char *name :
         {"picDice1_0", "picDice1_1", "picDice2_0", "picDice2_1", "picDice3_0", "picDice3_1"}) {
        QLabel *picture = child<QLabel>(name);
        QVERIFY2(!picture->isHidden(), name);
        QCOMPARE(picture->pixmap().cacheKey(), onePip);
    }
    QCOMPARE(resultTexts(), reading);
    QVERIFY(!child("fraResult")->isVisible());
}

void tst_MainWindow::nextCast_hidesExactlyItsZeroHalves()
{
    m_platform->useScript({half(0), half(3), half(4), half(0), half(0), half(0)});
    click("Frame1_3");
    click("cmdBack");

    m_platform->useScript({half(2), half(0), half(0), half(1), half(5), half(5)});
    click("Frame1_3");

    const QStringList hidden{"picDice1_1", "picDice2_0"};
    for (const char *name :
         {"picDice1_0", "picDice1_1", "picDice2_0", "picDice2_1", "picDice3_0", "picDice3_1"})
        QCOMPARE(child(name)->isHidden(), hidden.contains(QLatin1String(name)));
    QCOMPARE(child<QLabel>("lblPlanetsName")->text(), QStringLiteral("Moon"));
    QCOMPARE(child<QLabel>("lblZodiacSignsName")->text(), QStringLiteral("Aries"));
    QCOMPARE(child<QLabel>("lblHousesName")->text(),
             QStringLiteral("10th House - The House of Career"));
}

void tst_MainWindow::everyClick_isANewCast()
{
    QList<double> draws = sameForAllDice(0, 0);
    draws << sameForAllDice(5, 5);
    m_platform->useScript(draws);

    click("Frame1_0");
    QCOMPARE(child<QLabel>("lblPlanetsName")->text(), QStringLiteral("Sun"));
    click("cmdBack");
    click("Frame1_0");
    QCOMPARE(child<QLabel>("lblPlanetsName")->text(), QStringLiteral("Pluto"));
    QCOMPARE(pageInFront(), child("fraPlanets"));
}

void tst_MainWindow::cast_neverChangesSelectedTab_andClickingItBringsItsPage()
{
    click("Frame1_3");
    clickTab(2);
    QCOMPARE(pageInFront(), child("fraHouses"));
    clickTab(1);
    QCOMPARE(pageInFront(), child("fraZodiacSigns"));
    clickTab(2);

    click("cmdBack");
    click("Frame1_3");
    QTabBar *tabs = child<QTabBar>("TS_tabs");
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(pageInFront(), child("fraPlanets"));

    clickTab(2);
    QCOMPARE(pageInFront(), child("fraHouses"));
    QCOMPARE(tabs->currentIndex(), 2);
    clickTab(0);
    QCOMPARE(pageInFront(), child("fraPlanets"));
    QCOMPARE(viewInFront(), child("fraResult"));
}

void tst_MainWindow::singleReading_hidesTabs_comprehensiveShowsThemAgain()
{
    click("Frame1_3");
    QVERIFY(child("TS")->isVisible());
    click("cmdBack");
    click("Picture1_2");
    QVERIFY(!child("TS")->isVisible());
    QCOMPARE(pageInFront(), child("fraHouses"));
    click("cmdBack");
    click("Picture1_4");
    QVERIFY(child("TS")->isVisible());
    QCOMPARE(pageInFront(), child("fraPlanets"));
}

void tst_MainWindow::coBrandDraw_showsExactlyOneLabel_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("inFront");

    QTest::newRow("1") << 0.0 << 1 << "lblCobrand";
    QTest::newRow("2") << 0.2 << 2 << "lblFullBrand";
    QTest::newRow("3") << 0.4 << 3 << "lblCobrand";
    QTest::newRow("4") << 0.5 << 4 << "lblFullBrand";
    QTest::newRow("5") << 0.7 << 5 << "lblCobrand";
    QTest::newRow("6") << 0.9999 << 6 << "lblFullBrand";
}

void tst_MainWindow::coBrandDraw_showsExactlyOneLabel()
{
    QFETCH(double, draw);
    QFETCH(int, number);
    QFETCH(QString, inFront);

    m_platform->useScript({draw});
    m_window->chooseBrandBanner();
    QCOMPARE(m_window->coBrandRandomNumber(), number);

    const bool coBrand = inFront == QLatin1String("lblCobrand");
    QWidget *front = child(coBrand ? "lblCobrand" : "lblFullBrand");
    QWidget *behind = child(coBrand ? "lblFullBrand" : "lblCobrand");
    QVERIFY(front->isVisible());
    QVERIFY(!behind->isVisible());
    const QPoint centre = front->mapTo(m_window.get(), front->rect().center());
    QCOMPARE(m_window->childAt(centre), front);

    click(qPrintable(inFront));
    QCOMPARE(m_platform->openedAddresses(),
             addressesOf(coBrand ? &openCoBrandingPage : &openFullBrandingPage));
}

void tst_MainWindow::linksAndMenus_openTheirPage_withoutChangingReading_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<LinkOperation>("operation");

    QTest::newRow("Online Help") << "mnuOnline" << &openOnlineHelp;
    QTest::newRow("Visit Us Online") << "mnuVisit" << &openHomePage;
    QTest::newRow("Check for Software Update") << "mnuUpdate" << &openDownloadPage;
    QTest::newRow("Donate") << "mnuDonate" << &openDonatePage;
    QTest::newRow("link line") << "Label14" << &openHomePage;
}

void tst_MainWindow::linksAndMenus_openTheirPage_withoutChangingReading()
{
    QFETCH(QString, control);
    QFETCH(LinkOperation, operation);

    click("Frame1_3");
    clickTab(1);
    const QStringList reading = resultTexts();

    if (control == QLatin1String("Label14")) {
        click("Label14");
    } else if (control == QLatin1String("mnuDonate")) {
        QAction *donate = child<QAction>("mnuDonate");
        QMenuBar *bar = m_window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(donate).center());
    } else {
        child<QAction>(qPrintable(control))->trigger();
    }

    const QStringList expected = addressesOf(operation);
    QCOMPARE(expected.size(), 1);
    QCOMPARE(m_platform->openedAddresses(), expected);
    QCOMPARE(viewInFront(), child("fraResult"));
    QCOMPARE(pageInFront(), child("fraZodiacSigns"));
    QVERIFY(child("TS")->isVisible());
    QCOMPARE(resultTexts(), reading);
}

void tst_MainWindow::closing_emitsClosedOnceAndKeepsTheReading_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("File > Exit") << QStringLiteral("menu");
    QTest::newRow("File > Exit by keyboard") << QStringLiteral("keys");
    QTest::newRow("close box") << QStringLiteral("close");
}

void tst_MainWindow::closing_emitsClosedOnceAndKeepsTheReading()
{
    QFETCH(QString, how);
    click("Frame1_3");
    const QStringList reading = resultTexts();
    CloseCounter counter;
    m_window->installEventFilter(&counter);
    QSignalSpy closed(m_window.get(), &MainWindow::closed);

    if (how == QLatin1String("menu")) {
        child<QAction>("mnuExit")->trigger();
    } else if (how == QLatin1String("keys")) {
        QTest::keyClick(m_window.get(), Qt::Key_F, Qt::AltModifier);
        QMenu *file = m_window->menuBar()->actions().at(0)->menu();
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_X);
    } else {
        m_window->close();
    }

    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(counter.closes, 1);
    QCOMPARE(closed.size(), 1);
    QVERIFY(m_platform->openedAddresses().isEmpty());
    QVERIFY(m_platform->endings.isEmpty());
    QCOMPARE(resultTexts(), reading);
}

void tst_MainWindow::about_isModalOverTheMainWindowUntilClosed()
{
    QWidget *planet = child("Frame1_0");
    const QPoint planetInWindow = planet->mapTo(m_window.get(), planet->rect().center());
    QString seenName;
    bool stillOpenAfterLink = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *seen = QApplication::activeModalWidget();
        if (!seen)
            return;
        seenName = seen->objectName();
        // Through the window system, where the modal window blocks this one.
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, planetInWindow);
        QTest::mouseClick(seen->findChild<QWidget *>(QStringLiteral("homePageLink")),
                          Qt::LeftButton);
        stillOpenAfterLink = seen->isVisible() && QApplication::activeModalWidget() == seen;
        QTest::keyClick(seen, Qt::Key_Escape);
    });
    child<QAction>("mnuAbout")->trigger();

    // The window lives only while it is shown.
    QCOMPARE(seenName, QStringLiteral("aboutDialog"));
    QVERIFY(stillOpenAfterLink);
    QCOMPARE(viewInFront(), child("fraMain"));
    QCOMPARE(m_platform->openedAddresses(), QStringList{HomePageAddress});
    QVERIFY(!QApplication::activeModalWidget());

    // Once it is closed the main window takes clicks again.
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, planetInWindow);
    QCOMPARE(viewInFront(), child("fraResult"));
}

void tst_MainWindow::window_hasFixedClientAreaAndNoMaximise()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Zentrova v1.0"));
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->centralWidget()->size(), QSize(507, 377));
    QCOMPARE(m_window->centralWidget()->y(), m_window->menuBar()->height());
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->size(), m_window->minimumSize());

    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    QCOMPARE(m_window->font().family(), Look::uiFontFamily());
    QCOMPARE(m_window->font().pointSizeF(), 8.25);
    QCOMPARE(m_window->centralWidget()->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(m_window->centralWidget()->autoFillBackground());
}

void tst_MainWindow::controls_sitAtTheirTwipsGeometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");

    const auto row = [](const char *control, const char *container, int left, int top, int width,
                        int height) {
        QTest::newRow(control) << control << container << QRect(left, top, width, height);
    };
    row("Label14", "frmMainClient", 1207, 30, 5190, 435);
    row("fraMain", "frmMainClient", 45, 480, 7550, 4300);
    row("fraResult", "frmMainClient", 45, 480, 7550, 4300);
    row("fraFullBrand", "frmMainClient", 45, 4785, 7550, 855);
    row("lblCobrand", "fraFullBrand", 120, 165, 7305, 615);
    row("lblFullBrand", "fraFullBrand", 120, 165, 7305, 615);
    row("Label1_0", "fraMain", 862, 240, 5880, 615);
    row("Label1_1", "fraMain", 1695, 1215, 4215, 195);
    row("Frame1_0", "fraMain", 2222, 1680, 1000, 1000);
    row("Frame1_1", "fraMain", 3302, 1680, 1000, 1000);
    row("Frame1_2", "fraMain", 4382, 1680, 1000, 1000);
    row("Frame1_3", "fraMain", 2220, 2760, 3165, 1000);
    row("Picture1_0", "Frame1_0", 180, 240, 660, 660);
    row("Picture1_2", "Frame1_2", 180, 240, 660, 660);
    row("Picture1_4", "Frame1_3", 1252, 240, 660, 660);
    row("Picture1_5", "Frame1_3", 2325, 240, 660, 660);
    row("TS", "fraResult", 45, 120, 7425, 3700);
    row("fraPlanets", "fraResult", 120, 450, 7250, 3250);
    row("fraZodiacSigns", "fraResult", 120, 450, 7250, 3250);
    row("fraHouses", "fraResult", 120, 450, 7250, 3250);
    row("cmdBack", "fraResult", 1380, 3840, 4845, 375);
    row("lblPlanetsSignificance", "fraPlanets", 120, 480, 6000, 2250);
    row("lblZodiacSignsSignificance", "fraZodiacSigns", 120, 480, 5640, 2490);
    row("lblHousesSignificance", "fraHouses", 120, 480, 6000, 2250);
    row("picDice1_0", "fraPlanets", 6345, 120, 660, 660);
    row("picDice2_1", "fraZodiacSigns", 6345, 820, 660, 660);
    row("picDice3_1", "fraHouses", 6345, 820, 660, 660);
    row("imgPlanets", "fraPlanets", 6345, 1560, 660, 660);
    row("picZodiacSign", "fraZodiacSigns", 6000, 1560, 1005, 1005);
}

void tst_MainWindow::controls_sitAtTheirTwipsGeometry()
{
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, twips);

    QWidget *widget = child(qPrintable(control));
    QWidget *parent = child(qPrintable(container));
    QVERIFY(widget && parent);
    QVERIFY(parent->isAncestorOf(widget));
    QCOMPARE(rectIn(widget, parent),
             Look::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void tst_MainWindow::texts_showCaptionsAsStored()
{
    QCOMPARE(
        child<QAbstractButton>("Label14")->text(),
        QStringLiteral("The Most Popular Online Mystic Discussion Forum. Click Here To Visit ") +
            siteHost(MainSiteAddress) + QStringLiteral(" Now."));
    QVERIFY(!siteHost(MainSiteAddress).isEmpty());
    QCOMPARE(child<QAbstractButton>("lblCobrand")->text(),
             QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic "
                            "to your site. Put your site's name &  link here. See \"Help\" for "
                            "details. Click Here for more info on co-branding."));
    QCOMPARE(child<QAbstractButton>("lblFullBrand")->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                            "money online. Get this software fully branded for your website. "
                            "Click here for more details."));
    QCOMPARE(child<QLabel>("Label1_1")->text(),
             QStringLiteral("Click on the Dice for An Zentrova Reading"));
    QCOMPARE(child<QPushButton>("cmdBack")->text(), QStringLiteral("&Cast Zentrova Again"));

    const QStringList captions{"Planet", "Zodiac", "House", "Comprehensive"};
    for (int index = 0; index < captions.size(); ++index) {
        auto *frame = child<QGroupBox>(qPrintable(QStringLiteral("Frame1_%1").arg(index)));
        QCOMPARE(frame->title(), captions.at(index));
        QVERIFY(frame->font().bold());
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(0xFF, 0x80, 0x80));
        QCOMPARE(frame->cursor().shape(), Qt::PointingHandCursor);
    }

    QTabBar *tabs = child<QTabBar>("TS_tabs");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Planets"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Zodiac Sign"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Houses"));
    QVERIFY(tabs->font().bold());

    for (const char *name : {"Label14", "lblCobrand", "lblFullBrand"}) {
        QAbstractButton *link = child<QAbstractButton>(name);
        QVERIFY2(link->font().underline() && link->font().bold(), name);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(child("fraMain")->palette().color(QPalette::Window), QColor(0x40, 0x00, 0x00));
    QCOMPARE(child("fraResult")->palette().color(QPalette::Window), QColor(0x40, 0x00, 0x00));
}

void tst_MainWindow::menuTree_isInOrder()
{
    const auto names = [](const QList<QAction *> &actions) {
        QStringList list;
        for (const QAction *action : actions)
            list << action->objectName() + QLatin1Char('=') + action->text();
        return list;
    };
    const QList<QAction *> bar = m_window->menuBar()->actions();
    QCOMPARE(names(bar), (QStringList{"mnuFile=&File", "mnuHelp=&Help", "mnuDonate=&Donate"}));
    QVERIFY(!bar.at(2)->menu());

    QCOMPARE(names(bar.at(0)->menu()->actions()), QStringList{"mnuExit=E&xit"});
    const QList<QAction *> help = bar.at(1)->menu()->actions();
    QCOMPARE(names(help), (QStringList{"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online",
                                       "mnuSep2=", "mnuUpdate=Check for Software &Update",
                                       "mnuSep3=", "mnuAbout=&About Software"}));
    QVERIFY(help.at(2)->isSeparator());
    QVERIFY(help.at(4)->isSeparator());
    for (const QAction *action : help)
        QVERIFY(action->shortcut().isEmpty() && !action->isCheckable() && action->isEnabled());
}

void tst_MainWindow::keyboard_castsFromFramesAndActivatesLinks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("page");

    QTest::newRow("Planet, Space") << "Frame1_0" << int(Qt::Key_Space) << "fraPlanets";
    QTest::newRow("Zodiac, Return") << "Frame1_1" << int(Qt::Key_Return) << "fraZodiacSigns";
    QTest::newRow("House, Enter") << "Frame1_2" << int(Qt::Key_Enter) << "fraHouses";
    QTest::newRow("Comprehensive, Space") << "Frame1_3" << int(Qt::Key_Space) << "fraPlanets";
    QTest::newRow("link line, Space") << "Label14" << int(Qt::Key_Space) << "";
    QTest::newRow("link line, Return") << "Label14" << int(Qt::Key_Return) << "";
}

void tst_MainWindow::keyboard_castsFromFramesAndActivatesLinks()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, page);

    QWidget *target = child(qPrintable(control));
    QVERIFY(target->focusPolicy() & Qt::TabFocus);
    target->setFocus(Qt::TabFocusReason);
    QVERIFY(target->hasFocus());

    QTest::keyClick(target, Qt::Key(key));

    if (page.isEmpty()) {
        QCOMPARE(m_platform->openedAddresses(), addressesOf(&openHomePage));
        QCOMPARE(viewInFront(), child("fraMain"));
    } else {
        QCOMPARE(viewInFront(), child("fraResult"));
        QCOMPARE(pageInFront(), child(qPrintable(page)));
        QVERIFY(m_platform->openedAddresses().isEmpty());
        // The keyboard follows into the result view...
        QCOMPARE(QApplication::focusWidget(), child("cmdBack"));
        // Alt+C is the button's access key.
        // The button answers its access key with an animated click.
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(viewInFront(), child("fraMain"));
        // ...and back to the choice it came from.
        QCOMPARE(QApplication::focusWidget(), target);
    }
}

void tst_MainWindow::keyboard_tabsThroughFramesAndSwitchesPages()
{
    m_platform->useScript({0.0}); // co-brand label in front
    m_window->chooseBrandBanner();

    QWidget *frame = child("Frame1_0");
    frame->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int step = 0; step < 6; ++step) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3", "Label14",
                                 "lblCobrand"}));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Frame1_0"));

    QTest::keyClick(child("Frame1_3"), Qt::Key_Space);
    QTabBar *tabs = child<QTabBar>("TS_tabs");
    tabs->setFocus(Qt::TabFocusReason);
    QVERIFY(tabs->hasFocus());
    QTest::keyClick(tabs, Qt::Key_Right);
    QCOMPARE(pageInFront(), child("fraZodiacSigns"));
    QTest::keyClick(tabs, Qt::Key_Right);
    QCOMPARE(pageInFront(), child("fraHouses"));
    QTest::keyClick(tabs, Qt::Key_Left);
    QCOMPARE(pageInFront(), child("fraZodiacSigns"));
}

void tst_MainWindow::everySignificance_fitsItsLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    ReadingTables tables;
    tables.fill();
    for (int row = 1; row <= TableRows; ++row) {
        QTest::addRow("planet %d", row)
            << "lblPlanetsSignificance" << tables.planetSignificances[row - 1];
        QTest::addRow("zodiac sign %d", row)
            << "lblZodiacSignsSignificance" << tables.zodiacSignSignificances[row - 1];
        QTest::addRow("house %d", row)
            << "lblHousesSignificance" << tables.houseSignificances[row - 1];
    }
}

void tst_MainWindow::everySignificance_fitsItsLabel()
{
    QFETCH(QString, label);
    QFETCH(QString, text);

    QVERIFY(!text.isEmpty());
    QLabel *shown = child<QLabel>(qPrintable(label));
    QVERIFY(shown->wordWrap());
    const QRect needed =
        QFontMetrics(shown->font())
            .boundingRect(QRect(0, 0, shown->width(), QWIDGETSIZE_MAX), Qt::TextWordWrap, text);
    QVERIFY2(
        needed.height() <= shown->height(),
        qPrintable(QStringLiteral("needs %1 px of %2").arg(needed.height()).arg(shown->height())));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
