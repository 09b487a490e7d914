// SPDX-License-Identifier: MIT
#include "ui/side/farewellwindow.h"

#include "platform/platform.h"
#include "platform/version.h"
#include "resources/pictures.h"
#include "ui/captionframe.h"
#include "ui/centring.h"
#include "ui/cues.h"
#include "ui/fonts.h"
#include "ui/linkbutton.h"
#include "ui/openwebpage.h"
#include "ui/palette.h"
#include "ui/pixmaps.h"
#include "ui/pushbutton.h"
#include "ui/side/referrallineedit.h"
#include "ui/side/referraltextedit.h"
#include "ui/side/sidelook.h"
#include "ui/textfit.h"
#include "ui/twips.h"
#include "web/links.h"
#include "web/referral.h"
#include "web/siteaddresses.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <iterator>

namespace Zentrova {

namespace {

const QColor Navy(0, 0, 128);
const QColor DarkBlue(0, 0, 192);
const QColor Yellow(255, 255, 0);

// Translated where they are shown.
const char *const SupportMessageSources[] = {
    QT_TRANSLATE_NOOP("Zentrova::FarewellWindow",
                      "Quorvane Softwares, such as this can be created and maintained only with "
                      "your support. The best way to support Quorvane is to visit Quorvane "
                      "regularly and take part in the discussions and other activities on the "
                      "board."),
    QT_TRANSLATE_NOOP("Zentrova::FarewellWindow",
                      "Visit Quorvane regularly. Support Quorvane by taking part in the "
                      "discussions and other activities. These softwares cannot be supported and "
                      "maintained, without you regularly visiting Quorvane"),
    QT_TRANSLATE_NOOP("Zentrova::FarewellWindow",
                      "Quorvane is a FREE online discussion forum for all things mystic. To help "
                      "Quorvane develop and maintain this software visit Quorvane regularly."),
    QT_TRANSLATE_NOOP("Zentrova::FarewellWindow",
                      "Quorvane needs your help. All you need to do is visit Quorvane regularly "
                      "and take part in the various discussions and activites to help us "
                      "maintain and develop more Quorvane Softwares."),
};
constexpr int SupportMessageCount = int(std::size(SupportMessageSources));

// The two paragraphs are joined by a run of spaces that pushes the second
// onto a line of its own once the label wraps.
QString invitationText()
{
    return FarewellWindow::tr(
               "If you have enjoyed this software you will surely be interested in our other "
               "Quorvane Softwares. From a single software, we have now grown to become the "
               "world’s largest resource of quorvane softwares. Be it astrology, psychic, "
               "tarot, numerology or occult, we have programs in all fields thus giving our "
               "users a wide choice depending on their interests.") +
           QString(61, QLatin1Char(' ')) +
           FarewellWindow::tr(
               "All the programs in the Quorvane Softwares suite are simple and easy to use. "
               "They are not only fun to use but also very informative. Try them out today and "
               "share your experience with your friends and family. ");
}

Referral placeholderTexts()
{
    return {
        //: Shown in the empty box for the user's own name
        FarewellWindow::tr("Your Name"),
        //: Shown in the empty box for the user's own e-mail address
        FarewellWindow::tr("Your Email Address"),
        //: Shown in the empty box for the message to the friend
        FarewellWindow::tr("Your Message"),
        //: Shown in the empty box for the friend's name
        FarewellWindow::tr("Friend's Name"),
        //: Shown in the empty box for the friend's e-mail address
        FarewellWindow::tr("Friend's Email Address"),
    };
}

QString problemText(ReferralProblem problem)
{
    switch (problem) {
    case ReferralProblem::NameMissing:
        return FarewellWindow::tr("Please Enter Your Name");
    case ReferralProblem::EmailMissing:
        return FarewellWindow::tr("Please Enter Your Email");
    case ReferralProblem::MessageMissing:
        return FarewellWindow::tr("Please Enter Your Message");
    case ReferralProblem::FriendNameMissing:
        return FarewellWindow::tr("Please Enter Your Friend's Name");
    case ReferralProblem::FriendEmailMissing:
        return FarewellWindow::tr("Please Enter Your Friend's Email");
    case ReferralProblem::AddressesNotDistinct:
        return FarewellWindow::tr("Please Enter Distinct Email Addresses");
    case ReferralProblem::AddressNotProper:
        return FarewellWindow::tr("Please Enter Proper Email Address");
    case ReferralProblem::RequestTooLong:
        // The single-line boxes are too short to make the request too long.
        return FarewellWindow::tr("Please Shorten Your Message");
    case ReferralProblem::None:
        break;
    }
    return {};
}

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption)
{
    auto *frame = new CaptionFrame(caption, parent);
    frame->setObjectName(name);
    frame->setFont(Look::uiFont(9.75, true));
    Look::setBackground(frame, Navy);
    Look::setTextColour(frame, Qt::white);
    return frame;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}

} // namespace

FarewellWindow::FarewellWindow(Platform &platform, int supportMessage, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          // Above every ordinary window, the browser opened from its links too.
                          Qt::WindowStaysOnTopHint),
      m_platform(platform), m_placeholders(placeholderTexts())
{
    setObjectName(QStringLiteral("farewellWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titleWithVersion());
    setWindowIcon(Look::programIcon());
    setFont(Look::windowFont());
    Look::setBackground(this, Qt::white);
    setFixedSize(Look::px(11115), Look::px(4725));

    // The controls are created in their Tab order; labels and frames take no focus.
    //: Closes the window and ends the program
    auto *exitButton = new PushButton(tr("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    Look::place(exitButton, 6000, 2760, 1245, 375);

    //: %1 is the web site host name (a check box that opens the site)
    m_visitForumCheckBox =
        new QCheckBox(tr("Click Here To Visit %1 Now").arg(siteHost(MainSiteAddress)), this);
    m_visitForumCheckBox->setObjectName(QStringLiteral("visitForumCheckBox"));
    m_visitForumCheckBox->setFont(Look::uiFont(14.25));
    Look::setTextColour(m_visitForumCheckBox, DarkBlue);
    Look::setClickable(m_visitForumCheckBox);
    m_visitForumCheckBox->setChecked(true);
    Look::place(m_visitForumCheckBox, 30, 2040, 7185, 555);
    Look::fitText(m_visitForumCheckBox);

    auto *iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setPixmap(Look::picture(Pictures::icon()));
    iconLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(iconLabel, 360, 120, 540, 540);

    auto *titleLabel = makeLabel(this, QStringLiteral("titleLabel"), titleWithVersion(),
                                 SideLook::desktopSansFont(18));
    Look::place(titleLabel, 1080, 240, 3015, 435);
    SideLook::sizeToText(titleLabel, Look::px(7185));

    m_supportMessageLabel =
        makeLabel(this, QStringLiteral("supportMessageLabel"),
                  supportMessages().value(supportMessage), Look::uiFont(9.75, true));
    m_supportMessageLabel->setWordWrap(true);
    m_supportMessageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(m_supportMessageLabel, 120, 840, 6975, 1095);

    QGroupBox *referralGroup = createReferralGroup();
    Look::place(referralGroup, 120, 3240, 7065, 1455);
    Look::fitText(referralGroup);

    auto *downloadGroup =
        makeFrame(this, QStringLiteral("downloadGroup"), tr("Download Quorvane Softwares"));
    Look::place(downloadGroup, 7320, 120, 3735, 4575);
    Look::fitText(downloadGroup);

    auto *invitationLabel = makeLabel(downloadGroup, QStringLiteral("invitationLabel"),
                                      invitationText(), Look::uiFont(9));
    invitationLabel->setWordWrap(true);
    invitationLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(invitationLabel, 120, 360, 3495, 3855);
    Look::fitText(invitationLabel);

    auto *softwaresLink =
        new LinkButton(tr("Click Here To Visit Quorvane Softwares"), downloadGroup);
    softwaresLink->setObjectName(QStringLiteral("softwaresLink"));
    softwaresLink->setFont(Look::uiFont(9, true, true));
    Look::setTextColour(softwaresLink, Yellow);
    Look::place(softwaresLink, 75, 4250, 3585, 210);
    SideLook::sizeToText(softwaresLink, Look::px(3735));

    exitButton->setFocus();

    // Closing is what ends the program, however the window is closed.
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    // Every change of the tick counts as a click, the handler's own included.
    connect(m_visitForumCheckBox, &QCheckBox::toggled, this, &FarewellWindow::visitForum);
    connect(softwaresLink, &LinkButton::clicked, this, &FarewellWindow::openSoftwaresPage);

    Look::fitText(m_supportMessageLabel);
    Look::centreOnScreen(this);
}

QGroupBox *FarewellWindow::createReferralGroup()
{
    QGroupBox *group = makeFrame(this, QStringLiteral("referralGroup"), tr("Refer A Friend"));
    const auto addEdit = [group](const QString &name, const QString &placeholder,
                                 const QString &accessibleName) {
        auto *edit = new ReferralLineEdit(placeholder, group);
        edit->setObjectName(name);
        edit->setMaxLength(MaxEntryLength);
        // Otherwise a screen reader names every box after the frame's caption.
        edit->setAccessibleName(accessibleName);
        edit->setFont(Look::windowFont());
        Look::useDesktopColours(edit);
        return edit;
    };

    m_nameEdit = addEdit(QStringLiteral("nameEdit"), m_placeholders.name,
                         //: Accessible name of the box for the user's own name
                         tr("Your name"));
    Look::place(m_nameEdit, 85, 360, 3375, 285);

    //: Opens the referral page in the web browser
    auto *referButton = new PushButton(tr("Refer A Friend &Now"), group);
    referButton->setObjectName(QStringLiteral("referButton"));
    referButton->setFont(Look::uiFont(8.25, true));
    Look::useDesktopColours(referButton);
    Look::place(referButton, 1920, 1080, 3375, 285);

    m_emailEdit = addEdit(QStringLiteral("emailEdit"), m_placeholders.email,
                          //: Accessible name of the box for the user's own address
                          tr("Your e-mail address"));
    m_emailEdit->setRefusesSpaces(true);
    Look::place(m_emailEdit, 3600, 360, 3375, 285);

    m_friendEmailEdit = addEdit(QStringLiteral("friendEmailEdit"), m_placeholders.friendEmail,
                                //: Accessible name of the box for the friend's address
                                tr("Friend's e-mail address"));
    m_friendEmailEdit->setRefusesSpaces(true);
    Look::place(m_friendEmailEdit, 3600, 720, 3375, 285);

    m_friendNameEdit = addEdit(QStringLiteral("friendNameEdit"), m_placeholders.friendName,
                               //: Accessible name of the box for the friend's name
                               tr("Friend's name"));
    Look::place(m_friendNameEdit, 85, 720, 3375, 285);

    // It lies below the frame's lower edge: clipped away, yet still reached
    // with Tab, so in ordinary use its first text is what goes out.
    m_messageEdit = new ReferralTextEdit(m_placeholders.message, group);
    m_messageEdit->setObjectName(QStringLiteral("messageEdit"));
    //: Accessible name of the box for the message to the friend
    m_messageEdit->setAccessibleName(tr("Message"));
    m_messageEdit->setFont(Look::windowFont());
    Look::useDesktopColours(m_messageEdit);
    // A line break after the placeholder: not the placeholder, so it is sent
    // as it stands.
    m_messageEdit->setText(m_placeholders.message + QStringLiteral("\r\n"));
    Look::place(m_messageEdit, 4800, 3600, 1815, 495);

    connect(referButton, &QPushButton::clicked, this, &FarewellWindow::referFriend);
    connect(m_emailEdit, &ReferralLineEdit::spaceRefused, this,
            [this] { refuseSpace(m_emailEdit); });
    connect(m_friendEmailEdit, &ReferralLineEdit::spaceRefused, this,
            [this] { refuseSpace(m_friendEmailEdit); });
    return group;
}

QStringList FarewellWindow::supportMessages()
{
    QStringList texts;
    for (const char *source : SupportMessageSources)
        texts.append(tr(source));
    return texts;
}

int FarewellWindow::supportMessageIndex(double draw)
{
    return std::clamp(int(SupportMessageCount * draw), 0, SupportMessageCount - 1);
}

void FarewellWindow::closeEvent(QCloseEvent *event)
{
    // Nothing cancels the closing: the program ends with it.
    event->accept();
    Q_EMIT quitRequested();
}

void FarewellWindow::visitForum()
{
    if (!m_visitForumCheckBox->isChecked())
        return;
    m_visitForumCheckBox->setChecked(false);
    openWebPage(m_platform, this, linkAddress(Link::HomePage));
}

void FarewellWindow::openSoftwaresPage()
{
    openWebPage(m_platform, this, linkAddress(Link::Softwares));
}

void FarewellWindow::referFriend()
{
    const Referral fields =
        trimSpaces(Referral{m_nameEdit->text(), m_emailEdit->text(), m_messageEdit->text(),
                            m_friendNameEdit->text(), m_friendEmailEdit->text()});
    const ReferralProblem problem = referralProblem(fields, m_placeholders);
    if (problem != ReferralProblem::None) {
        showInputProblem(problemText(problem));
        // The single-line boxes' lengths leave the message as the one entry
        // that can make the request too long.
        if (problem == ReferralProblem::RequestTooLong)
            m_messageEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    openWebPage(m_platform, this, webAddress(buildRequestUrl(fields)));
}

void FarewellWindow::refuseSpace(QWidget *box)
{
    showInputProblem(tr("Email Address Cannot Contain Space"));
    box->setFocus(Qt::OtherFocusReason);
}

void FarewellWindow::showInputProblem(const QString &text)
{
    m_platform.showMessage(this, {text, MessageIcon::Critical, MessageButtons::Ok, {}});
}

} // namespace Zentrova
