// SPDX-License-Identifier: MIT
#include "ui/side/aboutdialog.h"

#include "platform/platform.h"
#include "platform/version.h"
#include "resources/pictures.h"
#include "ui/centring.h"
#include "ui/fonts.h"
#include "ui/linkbutton.h"
#include "ui/openwebpage.h"
#include "ui/palette.h"
#include "ui/pixmaps.h"
#include "ui/side/flatfacebutton.h"
#include "ui/side/sidelook.h"
#include "ui/textfit.h"
#include "ui/twips.h"
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

LinkButton *makeLink(QWidget *parent, const QString &name, const QString &text)
{
    auto *link = new LinkButton(text, parent, LinkButton::Keys::SpaceOnly);
    link->setObjectName(name);
    link->setFont(Look::uiFont(8.25, false, true));
    Look::setTextColour(link, Cyan);
    return link;
}

} // namespace

AboutDialog::AboutDialog(Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_platform(platform)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(titleWithVersion());
    setWindowIcon(Look::programIcon());
    setFont(Look::windowFont());
    Look::setBackground(this, DarkRed);
    setFixedSize(Look::px(5145), Look::px(3390));
    setModal(true);
    setWindowModality(Qt::ApplicationModal);

    // The default button takes Enter and QDialog's Esc rejects, wherever the
    // focus is: the links answer Space alone.
    auto *okButton = new FlatFaceButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setFont(Look::uiFont(8.25, true));
    QPalette face = okButton->palette();
    face.setColor(QPalette::Button, Grey);
    face.setColor(QPalette::ButtonText, Qt::black);
    okButton->setPalette(face);
    okButton->setDefault(true);
    Look::place(okButton, 3795, 2880, 1260, 345);

    auto *iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    Look::place(iconLabel, 90, 120, 480, 480);
    const QPixmap icon = Look::picture(Pictures::icon());
    if (!icon.isNull()) {
        iconLabel->setPixmap(icon);
        iconLabel->resize(icon.deviceIndependentSize().toSize());
    }

    auto *descriptionLabel =
        makeLabel(this, QStringLiteral("descriptionLabel"),
                  tr("Zentrova shows you how the different dice patterns relate to the twelve "
                     "signs of the zodiac, planets and houses."),
                  LightYellow, Look::windowFont());
    descriptionLabel->setWordWrap(true);
    descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(descriptionLabel, 750, 390, 4305, 765);
    Look::fitText(descriptionLabel);

    auto *titleLabel = makeLabel(this, QStringLiteral("titleLabel"), titleWithVersion(), Qt::white,
                                 Look::uiFont(12, true));
    Look::place(titleLabel, 750, 120, 2460, 270);
    SideLook::sizeToText(titleLabel, TextRightEdge);

    auto *brandingDetailsLink = makeLink(this, QStringLiteral("brandingDetailsLink"),
                                         //: Opens the page about a fully branded copy
                                         tr("Click here for more details"));
    Look::place(brandingDetailsLink, 2760, 2265, 2295, 195);
    SideLook::sizeToText(brandingDetailsLink, TextRightEdge);

    auto *offerLabel =
        makeLabel(this, QStringLiteral("offerLabel"),
                  tr("Home Business Opportunity. Start your own Internet business and make "
                     "money online. Get this software fully branded for your website."),
                  Yellow, Look::uiFont(8.25, true));
    offerLabel->setWordWrap(true);
    offerLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(offerLabel, 210, 1680, 4845, 580);
    Look::fitText(offerLabel);

    auto *homePageLink = makeLink(this, QStringLiteral("homePageLink"),
                                  //: %1 is the web site address (a link)
                                  tr("Click here to visit %1").arg(MainSiteAddress));
    Look::place(homePageLink, 1005, 1155, 4050, 195);
    SideLook::sizeToText(homePageLink, TextRightEdge);

    // A 2-pixel line from (-60, 2790) to (7200, 2790) twips, across the window.
    auto *separatorLine = new QFrame(this);
    separatorLine->setObjectName(QStringLiteral("separatorLine"));
    separatorLine->setFrameShape(QFrame::NoFrame);
    Look::setBackground(separatorLine, Qt::white);
    separatorLine->setGeometry(Look::px(-60), Look::px(2790) - 1, Look::px(7260), 2);

    setTabOrder(okButton, brandingDetailsLink);
    setTabOrder(brandingDetailsLink, homePageLink);
    okButton->setFocus();

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(homePageLink, &LinkButton::clicked, this, &AboutDialog::openHomePage);
    connect(brandingDetailsLink, &LinkButton::clicked, this, &AboutDialog::openBrandingDetails);

    Look::centreOnScreen(this);
}

void AboutDialog::openHomePage()
{
    openWebPage(m_platform, this, linkAddress(Link::HomePage));
}

void AboutDialog::openBrandingDetails()
{
    openWebPage(m_platform, this, linkAddress(Link::FullBranding));
}

} // namespace Zentrova
