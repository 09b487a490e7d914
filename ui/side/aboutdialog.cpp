#include "ui/side/aboutdialog.h"

#include "platform/platform.h"
#include "platform/version.h"
#include "resources/pictures.h"
#include "ui/linkbutton.h"
#include "ui/look.h"
#include "ui/side/sidelook.h"
#include "web/links.h"
#include "web/siteaddresses.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace Zentrova {

namespace {

const QColor DarkRed(64, 0, 0);
const QColor LightYellow(255, 255, 192);
const QColor Yellow(255, 255, 0);
const QColor Cyan(0, 255, 255);
const QColor Grey(192, 192, 192);

// Every label of the window ends on this edge.
constexpr int TextRightEdge = Look::px(5055);

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QColor &colour,
                  const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    Look::setTextColour(label, colour);
    return label;
}

} // namespace

AboutDialog::AboutDialog(Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_platform(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(titleWithVersion());
    setWindowIcon(Look::programIcon());
    setFont(Look::windowFont());
    Look::setBackground(this, DarkRed);
    setFixedSize(Look::px(5145), Look::px(3390));
    setModal(true);
    setWindowModality(Qt::ApplicationModal);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(Look::uiFont(8.25, true));
    QPalette face = cmdOK->palette();
    face.setColor(QPalette::Button, Grey);
    face.setColor(QPalette::ButtonText, Qt::black);
    cmdOK->setPalette(face);
    cmdOK->setDefault(true);
    Look::place(cmdOK, 3795, 2880, 1260, 345);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    Look::place(picIcon, 90, 120, 480, 480);
    const QPixmap icon = Look::picture(Pictures::icon());
    if (!icon.isNull()) {
        picIcon->setPixmap(icon);
        picIcon->resize(icon.deviceIndependentSize().toSize());
    }

    Label1 = makeLabel(this, QStringLiteral("Label1"),
                       QStringLiteral("Zentrova shows you how the different dice patterns relate "
                                      "to the twelve signs of the zodiac, planets and houses."),
                       LightYellow, Look::windowFont());
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(Label1, 750, 390, 4305, 765);

    Label2 = makeLabel(this, QStringLiteral("Label2"), titleWithVersion(), Qt::white,
                       Look::uiFont(12, true));
    Look::place(Label2, 750, 120, 2460, 270);
    SideLook::sizeToText(Label2, TextRightEdge);

    lblCoBrand = new LinkButton(QStringLiteral("Click here for more details"), this,
                                LinkButton::Keys::SpaceOnly);
    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));
    lblCoBrand->setFont(Look::uiFont(8.25, false, true));
    Look::setTextColour(lblCoBrand, Cyan);
    Look::place(lblCoBrand, 2760, 2265, 2295, 195);
    SideLook::sizeToText(lblCoBrand, TextRightEdge);

    Label3 = makeLabel(this, QStringLiteral("Label3"),
                       QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                      "and make money online. Get this software fully branded for "
                                      "your website."),
                       Yellow, Look::uiFont(8.25, true));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(Label3, 210, 1680, 4845, 580);

    lblHomePage = new LinkButton(QStringLiteral("Click here to visit ") + MainSiteAddress, this,
                                 LinkButton::Keys::SpaceOnly);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setFont(Look::uiFont(8.25, false, true));
    Look::setTextColour(lblHomePage, Cyan);
    Look::place(lblHomePage, 1005, 1155, 4050, 195);
    SideLook::sizeToText(lblHomePage, TextRightEdge);

    // A 2-pixel line from (-60, 2790) to (7200, 2790) twips, across the window.
    Line2 = new QFrame(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::NoFrame);
    Look::setBackground(Line2, Qt::white);
    Line2->setGeometry(Look::px(-60), Look::px(2790) - 1, Look::px(7260), 2);

    setTabOrder(cmdOK, lblCoBrand);
    setTabOrder(lblCoBrand, lblHomePage);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &AboutDialog::cmdOK_Click);
    connect(lblHomePage, &LinkButton::clicked, this, &AboutDialog::lblHomePage_Click);
    connect(lblCoBrand, &LinkButton::clicked, this, &AboutDialog::lblCoBrand_Click);

    Look::centreOnScreen(this);
}

void AboutDialog::cmdOK_Click()
{
    accept();
}

void AboutDialog::lblHomePage_Click()
{
    openHomePage(m_platform);
}

void AboutDialog::lblCoBrand_Click()
{
    openFullBrandingPage(m_platform);
}

} // namespace Zentrova
