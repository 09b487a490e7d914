#include "ui/main/mainwindow.h"

#include "platform/platform.h"
#include "platform/version.h"
#include "reading/cast.h"
#include "resources/pictures.h"
#include "ui/linkbutton.h"
#include "ui/look.h"
#include "ui/main/choiceframe.h"
#include "ui/main/diepicture.h"
#include "ui/main/tabstrip.h"
#include "ui/side/aboutdialog.h"
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
constexpr std::array<const char *, 3> DieNames{"Planet", "Zodiac sign", "House"};

// A stored caption as a label shows it: "&&" is one ampersand, a single "&"
// only marks the access key.
QString displayedCaption(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                shown.append(QLatin1Char('&'));
                ++i;
            }
            continue;
        }
        shown.append(caption.at(i));
    }
    return shown;
}

QLabel *textLabel(QWidget *parent, const QString &name, const QString &caption, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(displayedCaption(caption));
    label->setFont(font);
    Look::setTextColour(label, Qt::white);
    return label;
}

LinkButton *linkLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new LinkButton(displayedCaption(caption), parent);
    label->setObjectName(name);
    label->setFont(Look::uiFont(8.25, true, true));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    Look::setTextColour(label, Qt::white);
    label->setAccessibleName(label->text());
    label->setAccessibleDescription(QStringLiteral("Opens a web page"));
    return label;
}

QFrame *panel(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::NoFrame);
    Look::setBackground(frame, ViewBackground);
    return frame;
}

// A stacked container sizes only the control in front; the others get the
// same rectangle now, so that every one of them sits where it belongs.
void addStacked(QStackedWidget *stack, QWidget *widget)
{
    stack->addWidget(widget);
    widget->setGeometry(QRect(QPoint(0, 0), stack->size()));
}

} // namespace

MainWindow::MainWindow(Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform)
{
    loadImageSets();
    buildWindow();
    buildDiceView();
    buildResultView();
    buildBrandBand();
    buildMenus();
    buildTabOrder();

    adjustSize();
    Look::centreOnScreen(this);
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::loadImageSets()
{
    for (int n = 1; n <= Pictures::SetSize; ++n) {
        IMG_Dice.add(Look::picture(Pictures::dice(n)), QStringLiteral("%1.jpg").arg(n));
        IMG_Planet.add(Look::picture(Pictures::planet(n)), Pictures::planetKey(n));
        IMG_ZodiacSigns.add(Look::picture(Pictures::zodiac(n)));
    }
}

void MainWindow::buildWindow()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(titleWithVersion());
    setWindowIcon(Look::programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(Look::windowFont());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmMainClient"));
    client->setFixedSize(Look::px(7605), Look::px(5655));
    Look::setBackground(client, Qt::black);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Label14 = linkLabel(client, QStringLiteral("Label14"),
                        QStringLiteral("The Most Popular Online Mystic Discussion Forum. Click "
                                       "Here To Visit ") +
                            siteHost(MainSiteAddress) + QStringLiteral(" Now."));
    Look::place(Label14, 1207, 30, 5190, 435);
    connect(Label14, &LinkButton::clicked, this, &MainWindow::Label14_Click);

    m_views = new QStackedWidget(client);
    m_views->setObjectName(QStringLiteral("views"));
    Look::place(m_views, 45, 480, 7550, 4300);
    fraMain = panel(m_views, QStringLiteral("fraMain"));
    fraResult = panel(m_views, QStringLiteral("fraResult"));
    addStacked(m_views, fraMain);
    addStacked(m_views, fraResult);
}

void MainWindow::buildDiceView()
{
    const QFont bold = Look::uiFont(8.25, true);
    Label1[0] = textLabel(fraMain, QStringLiteral("Label1_0"),
                          QStringLiteral("Zentrova shows you how the different dice patterns "
                                         "relate to the twelve signs of the zodiac, planets and "
                                         "houses. Click here to get your reading now!"),
                          bold);
    Label1[0]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1[0]->setWordWrap(true);
    Look::place(Label1[0], 862, 240, 5880, 615);
    Label1[1] = textLabel(fraMain, QStringLiteral("Label1_1"),
                          QStringLiteral("Click on the Dice for An Zentrova Reading"), bold);
    Label1[1]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Look::place(Label1[1], 1695, 1215, 4215, 195);

    struct ChoicePlace
    {
        int left, top, width;
        const char *caption;
        const char *reading;
    };
    static constexpr std::array<ChoicePlace, 4> frames{{
        {2222, 1680, 1000, "Planet", "Casts a planet reading"},
        {3302, 1680, 1000, "Zodiac", "Casts a zodiac sign reading"},
        {4382, 1680, 1000, "House", "Casts a house reading"},
        {2220, 2760, 3165, "Comprehensive", "Casts a comprehensive reading"},
    }};
    for (qint16 index = 0; index < qint16(frames.size()); ++index) {
        const ChoicePlace &choice = frames[index];
        auto *frame = new ChoiceFrame(QLatin1String(choice.caption), fraMain);
        frame->setObjectName(QStringLiteral("Frame1_%1").arg(index));
        frame->setFont(bold);
        Look::setBackground(frame, ChoiceBackground);
        Look::setTextColour(frame, Qt::black);
        Look::setClickable(frame);
        frame->setAccessibleName(QLatin1String(choice.caption));
        frame->setAccessibleDescription(QLatin1String(choice.reading));
        Look::place(frame, choice.left, choice.top, choice.width, 1000);
        connect(frame, &QGroupBox::clicked, this, [this, index] { Frame1_Click(index); });
        Frame1[index] = frame;
    }

    struct DiePlace
    {
        int frame, left;
        const char *name;
    };
    static constexpr std::array<DiePlace, 6> dice{{
        {0, 180, "Planet die"},
        {1, 180, "Zodiac die"},
        {2, 180, "House die"},
        {3, 180, "Comprehensive reading, planet die"},
        {3, 1252, "Comprehensive reading, zodiac die"},
        {3, 2325, "Comprehensive reading, house die"},
    }};
    for (qint16 index = 0; index < qint16(dice.size()); ++index) {
        auto *picture = new DiePicture(Frame1[dice[index].frame]);
        picture->setObjectName(QStringLiteral("Picture1_%1").arg(index));
        picture->setPixmap(IMG_Dice.picture(1));
        picture->setAccessibleName(QLatin1String(dice[index].name));
        Look::setClickable(picture);
        Look::place(picture, dice[index].left, 240, 660, 660);
        connect(picture, &DiePicture::clicked, this, [this, index] { Picture1_Click(index); });
        Picture1[index] = picture;
    }
}

void MainWindow::buildResultView()
{
    const QFont bold = Look::uiFont(8.25, true);

    TS = new TabStrip(fraResult);
    TS->setObjectName(QStringLiteral("TS"));
    TS->setFont(bold);
    Look::useDesktopColours(TS);
    TS->setTabRowHeight(Look::px(450 - 120));
    TS->addTab(QStringLiteral("Planets"));
    TS->addTab(QStringLiteral("Zodiac Sign"));
    TS->addTab(QStringLiteral("Houses"));
    TS->tabBar()->setAccessibleName(QStringLiteral("Reading pages"));
    Look::place(TS, 45, 120, 7425, 3700);
    connect(TS, &TabStrip::clicked, this, &MainWindow::TS_Click);

    m_pages = new QStackedWidget(fraResult);
    m_pages->setObjectName(QStringLiteral("pages"));
    Look::place(m_pages, 120, 450, 7250, 3250);

    const auto page = [this, &bold](const QString &name, const QString &title, QLabel *&nameLabel,
                                    const QString &nameText, QLabel *&significanceLabel,
                                    const QString &significanceText,
                                    std::array<DiePicture *, 2> &halves, int die) {
        QFrame *frame = panel(m_pages, name);
        addStacked(m_pages, frame);

        nameLabel = textLabel(frame, QStringLiteral("lbl%1Name").arg(title), nameText, bold);
        Look::place(nameLabel, 120, 120, 0, 195);
        nameLabel->adjustSize();

        significanceLabel = textLabel(frame, QStringLiteral("lbl%1Significance").arg(title),
                                      significanceText, Look::windowFont());
        significanceLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        significanceLabel->setWordWrap(true);
        Look::place(significanceLabel, 120, 480, 6000, 2250);

        for (int half = 0; half < 2; ++half) {
            auto *picture = new DiePicture(frame);
            picture->setObjectName(QStringLiteral("picDice%1_%2").arg(die).arg(half));
            picture->setAccessibleName(
                QStringLiteral("%1 die, %2 half")
                    .arg(QLatin1String(DieNames[die - 1]),
                         half == 0 ? QStringLiteral("first") : QStringLiteral("second")));
            Look::place(picture, 6345, half == 0 ? 120 : 820, 660, 660);
            halves[half] = picture;
        }
        return frame;
    };

    fraPlanets = page(QStringLiteral("fraPlanets"), QStringLiteral("Planets"), lblPlanetsName,
                      QStringLiteral("Planet Name"), lblPlanetsSignificance,
                      QStringLiteral("The planet's significance for you."), picDice1, 1);
    fraZodiacSigns =
        page(QStringLiteral("fraZodiacSigns"), QStringLiteral("ZodiacSigns"), lblZodiacSignsName,
             QStringLiteral("Zodiac Sign Name"), lblZodiacSignsSignificance,
             QStringLiteral("The zodiac sign's significance for you."), picDice2, 2);
    fraHouses = page(QStringLiteral("fraHouses"), QStringLiteral("Houses"), lblHousesName,
                     QStringLiteral("Houses Name"), lblHousesSignificance,
                     QStringLiteral("The house's significance for you."), picDice3, 3);
    Look::place(lblZodiacSignsSignificance, 120, 480, 5640, 2490);

    imgPlanets = new QLabel(fraPlanets);
    imgPlanets->setObjectName(QStringLiteral("imgPlanets"));
    imgPlanets->setScaledContents(true);
    imgPlanets->setAccessibleName(QStringLiteral("Planet picture"));
    Look::place(imgPlanets, 6345, 1560, 660, 660);

    picZodiacSign = new QLabel(fraZodiacSigns);
    picZodiacSign->setObjectName(QStringLiteral("picZodiacSign"));
    picZodiacSign->setScaledContents(true);
    picZodiacSign->setAccessibleName(QStringLiteral("Zodiac sign picture"));
    Look::place(picZodiacSign, 6000, 1560, 1005, 1005);

    cmdBack = new QPushButton(QStringLiteral("&Cast Zentrova Again"), fraResult);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setFont(bold);
    Look::useDesktopColours(cmdBack);
    Look::place(cmdBack, 1380, 3840, 4845, 375);
    connect(cmdBack, &QPushButton::clicked, this, &MainWindow::cmdBack_Click);
}

void MainWindow::buildBrandBand()
{
    fraFullBrand = new QFrame(centralWidget());
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand->setFrameStyle(QFrame::Box | QFrame::Plain);
    fraFullBrand->setLineWidth(1);
    Look::setBackground(fraFullBrand, Qt::black);
    Look::setTextColour(fraFullBrand, QColor(0x80, 0x80, 0x80));
    Look::place(fraFullBrand, 45, 4785, 7550, 855);

    m_brands = new QStackedWidget(fraFullBrand);
    m_brands->setObjectName(QStringLiteral("brands"));
    Look::place(m_brands, 120, 165, 7305, 615);

    lblCobrand = linkLabel(
        m_brands, QStringLiteral("lblCobrand"),
        QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                       "your site. Put your site's name &&  link here. See \"Help\" for details. "
                       "Click Here for more info on co-branding."));
    lblFullBrand = linkLabel(
        m_brands, QStringLiteral("lblFullBrand"),
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website. Click "
                       "here for more details."));
    for (LinkButton *label : {lblCobrand, lblFullBrand}) {
        Look::setBackground(label, Qt::black);
        addStacked(m_brands, label);
    }
    // Of two labels in one place the later one lies on top until the start-up
    // draw decides.
    m_brands->setCurrentWidget(lblFullBrand);
    connect(lblCobrand, &LinkButton::clicked, this, &MainWindow::lblCobrand_Click);
    connect(lblFullBrand, &LinkButton::clicked, this, &MainWindow::lblFullBrand_Click);
}

void MainWindow::buildMenus()
{
    // The menu bar keeps the desktop's menu font, not the window's.
    QFont menuFont = QApplication::font(menuBar());
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    menuBar()->setFont(menuFont);

    const auto action = [this](QMenu *menu, const QString &name, const QString &caption,
                               void (MainWindow::*handler)()) {
        QAction *entry = menu->addAction(caption);
        entry->setObjectName(name);
        connect(entry, &QAction::triggered, this, handler);
    };
    const auto separator = [](QMenu *menu, const QString &name) {
        menu->addSeparator()->setObjectName(name);
    };

    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    action(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), &MainWindow::mnuExit_Click);

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    action(mnuHelp, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"),
           &MainWindow::mnuOnline_Click);
    action(mnuHelp, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"),
           &MainWindow::mnuVisit_Click);
    separator(mnuHelp, QStringLiteral("mnuSep2"));
    action(mnuHelp, QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update"),
           &MainWindow::mnuUpdate_Click);
    separator(mnuHelp, QStringLiteral("mnuSep3"));
    action(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("&About Software"),
           &MainWindow::mnuAbout_Click);

    QAction *mnuDonate = menuBar()->addAction(QStringLiteral("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    connect(mnuDonate, &QAction::triggered, this, &MainWindow::mnuDonate_Click);
}

void MainWindow::buildTabOrder()
{
    QWidget *previous = Frame1[0];
    for (QWidget *next :
         std::initializer_list<QWidget *>{Frame1[1], Frame1[2], Frame1[3], TS->tabBar(), cmdBack,
                                          Label14, lblCobrand, lblFullBrand}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

// Each step below only sets what exists: a missing picture leaves a blank
// face and the next step runs, as every handler here ignores its failures.
void MainWindow::Form_Load()
{
    for (int half = 0; half < 2; ++half) {
        for (DiePicture *picture : {picDice1[half], picDice2[half], picDice3[half]})
            picture->setPixmap(IMG_Dice.picture(1));
    }
    m_views->setCurrentWidget(fraMain);
    Frame1[0]->setFocus();
}

void MainWindow::chooseBrandBanner()
{
    const int drawn = int(m_platform.random().next() * 6) + 1;
    intCoBrandRandomNumber = qint16(std::clamp(drawn, 1, 6));
    m_brands->setCurrentWidget(intCoBrandRandomNumber % 2 == 0 ? lblFullBrand : lblCobrand);
}

void MainWindow::Frame1_Click(qint16 Index)
{
    // A cast asked for from the keyboard takes the keyboard along to the
    // result view, and the way back returns it to the same choice.
    QWidget *focus = QApplication::focusWidget();
    const bool focusInDiceView = fraMain->isAncestorOf(focus);
    Calculate();
    TS->hide();
    switch (Index) {
    case 0:
        m_pages->setCurrentWidget(fraPlanets);
        break;
    case 1:
        m_pages->setCurrentWidget(fraZodiacSigns);
        break;
    case 2:
        m_pages->setCurrentWidget(fraHouses);
        break;
    default:
        m_pages->setCurrentWidget(fraPlanets);
        TS->show();
        break;
    }
    if (focusInDiceView) {
        m_choiceWithFocus = focus;
        cmdBack->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::Picture1_Click(qint16 Index)
{
    Frame1_Click(Index <= 2 ? Index : qint16(3));
}

void MainWindow::TS_Click()
{
    switch (TS->selectedItem()) {
    case 1:
        m_pages->setCurrentWidget(fraPlanets);
        break;
    case 2:
        m_pages->setCurrentWidget(fraZodiacSigns);
        break;
    default:
        m_pages->setCurrentWidget(fraHouses);
        break;
    }
}

void MainWindow::Calculate()
{
    const std::array<DieFace, DiceInCast> cast = drawCast(m_platform.random());
    const std::array<std::array<DiePicture *, 2>, DiceInCast> halfPictures{picDice1, picDice2,
                                                                           picDice3};
    for (int die = 0; die < DiceInCast; ++die) {
        for (int half = 0; half < 2; ++half) {
            DiePicture *picture = halfPictures[die][half];
            if (cast[die].shown[half])
                picture->setPixmap(IMG_Dice.picture(cast[die].halves[half]));
            else
                picture->hide();
        }
    }

    m_tables.fill();

    const auto show = [](QLabel *name, QLabel *significance, const ReadingTable &names,
                         const ReadingTable &significances, int value) {
        if (value < 1 || value > TableRows)
            return;
        name->setText(names[value - 1]);
        name->adjustSize();
        significance->setText(significances[value - 1]);
    };
    show(lblPlanetsName, lblPlanetsSignificance, m_tables.planetNames, m_tables.planetSignificances,
         cast[0].value());
    imgPlanets->setPixmap(IMG_Planet.picture(cast[0].value()));
    show(lblZodiacSignsName, lblZodiacSignsSignificance, m_tables.zodiacSignNames,
         m_tables.zodiacSignSignificances, cast[1].value());
    picZodiacSign->setPixmap(IMG_ZodiacSigns.picture(cast[1].value()));
    show(lblHousesName, lblHousesSignificance, m_tables.houseNames, m_tables.houseSignificances,
         cast[2].value());

    m_views->setCurrentWidget(fraResult);
}

void MainWindow::cmdBack_Click()
{
    const bool focusInResult = fraResult->isAncestorOf(QApplication::focusWidget());
    for (int half = 0; half < 2; ++half) {
        for (DiePicture *picture : {picDice1[half], picDice2[half], picDice3[half]}) {
            picture->show();
            picture->setPixmap(IMG_Dice.picture(1));
        }
    }
    m_views->setCurrentWidget(fraMain);
    if (focusInResult)
        (m_choiceWithFocus ? m_choiceWithFocus.get() : Frame1[0])->setFocus(Qt::OtherFocusReason);
}

void MainWindow::mnuExit_Click()
{
    close();
}

void MainWindow::mnuOnline_Click()
{
    openOnlineHelp(m_platform);
}

void MainWindow::mnuVisit_Click()
{
    openHomePage(m_platform);
}

void MainWindow::mnuUpdate_Click()
{
    openDownloadPage(m_platform);
}

void MainWindow::mnuAbout_Click()
{
    AboutDialog about(m_platform, this);
    about.exec();
}

void MainWindow::mnuDonate_Click()
{
    openDonatePage(m_platform);
}

void MainWindow::Label14_Click()
{
    openHomePage(m_platform);
}

void MainWindow::lblCobrand_Click()
{
    openCoBrandingPage(m_platform);
}

void MainWindow::lblFullBrand_Click()
{
    openFullBrandingPage(m_platform);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Whoever opened the window hands over to the farewell window.
    event->accept();
    Q_EMIT closed();
}

} // namespace Zentrova
