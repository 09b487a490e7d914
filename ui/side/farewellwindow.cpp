// SPDX-License-Identifier: MIT
#include "ui/side/farewellwindow.h"

#include "platform/platform.h"
#include "platform/version.h"
#include "resources/pictures.h"
#include "ui/captionframe.h"
#include "ui/linkbutton.h"
#include "ui/look.h"
#include "ui/side/referralbox.h"
#include "ui/side/sidelook.h"
#include "ui/webpage.h"
#include "web/links.h"
#include "web/referral.h"
#include "web/siteaddresses.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace Zentrova {

namespace {

const QColor Navy(0, 0, 128);
const QColor DarkBlue(0, 0, 192);
const QColor Yellow(255, 255, 0);

// The two paragraphs are joined by a run of spaces that pushes the second
// onto a line of its own once the label wraps.
const QString InvitationText =
    QStringLiteral("If you have enjoyed this software you will surely be interested in our other "
                   "Quorvane Softwares. From a single software, we have now grown to become the "
                   "world\u2019s largest resource of quorvane softwares. Be it astrology, psychic, "
                   "tarot, numerology or occult, we have programs in all fields thus giving our "
                   "users a wide choice depending on their interests.") +
    QString(61, QLatin1Char(' ')) +
    QStringLiteral("All the programs in the Quorvane Softwares suite are simple and easy to use. "
                   "They are not only fun to use but also very informative. Try them out today and "
                   "share your experience with your friends and family. ");

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

const std::array<QString, 4> FarewellWindow::SupportMessages = {
    QStringLiteral("Quorvane Softwares, such as this can be created and maintained only with your "
                   "support. The best way to support Quorvane is to visit Quorvane regularly and "
                   "take part in the discussions and other activities on the board."),
    QStringLiteral(
        "Visit Quorvane regularly. Support Quorvane by taking part in the discussions and "
        "other activities. These softwares cannot be supported and maintained, without "
        "you regularly visiting Quorvane"),
    QStringLiteral("Quorvane is a FREE online discussion forum for all things mystic. To help "
                   "Quorvane develop and maintain this software visit Quorvane regularly."),
    QStringLiteral("Quorvane needs your help. All you need to do is visit Quorvane regularly and "
                   "take part in the various discussions and activites to help us maintain and "
                   "develop more Quorvane Softwares."),
};

FarewellWindow::FarewellWindow(Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          // Above every ordinary window, the browser opened from its links too.
                          Qt::WindowStaysOnTopHint),
      m_platform(platform)
{
    setObjectName(QStringLiteral("farewellWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titleWithVersion());
    setWindowIcon(Look::programIcon());
    setFont(Look::windowFont());
    Look::setBackground(this, Qt::white);
    setFixedSize(Look::px(11115), Look::px(4725));

    // The controls are created in their Tab order; labels and frames take no focus.
    auto *exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    Look::place(exitButton, 6000, 2760, 1245, 375);

    m_visitForumCheckBox = new QCheckBox(QStringLiteral("Click Here To Visit ") +
                                             siteHost(MainSiteAddress) + QStringLiteral(" Now"),
                                         this);
    m_visitForumCheckBox->setObjectName(QStringLiteral("visitForumCheckBox"));
    m_visitForumCheckBox->setFont(Look::uiFont(14.25));
    Look::setTextColour(m_visitForumCheckBox, DarkBlue);
    Look::setClickable(m_visitForumCheckBox);
    m_visitForumCheckBox->setChecked(true);
    Look::place(m_visitForumCheckBox, 30, 2040, 7185, 555);

    auto *iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setPixmap(Look::picture(Pictures::icon()));
    iconLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(iconLabel, 360, 120, 540, 540);

    auto *titleLabel =
        makeLabel(this, QStringLiteral("titleLabel"), titleWithVersion(), Look::uiFont(18));
    Look::place(titleLabel, 1080, 240, 3015, 435);
    SideLook::sizeToText(titleLabel, Look::px(7185));

    m_supportMessageLabel =
        makeLabel(this, QStringLiteral("supportMessageLabel"), QString(), Look::uiFont(9.75, true));
    m_supportMessageLabel->setWordWrap(true);
    m_supportMessageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(m_supportMessageLabel, 120, 840, 6975, 1095);

    QGroupBox *referralGroup = createReferralGroup();
    Look::place(referralGroup, 120, 3240, 7065, 1455);

    auto *downloadGroup = makeFrame(this, QStringLiteral("downloadGroup"),
                                    QStringLiteral("Download Quorvane Softwares"));
    Look::place(downloadGroup, 7320, 120, 3735, 4575);

    auto *invitationLabel = makeLabel(downloadGroup, QStringLiteral("invitationLabel"),
                                      InvitationText, Look::uiFont(9));
    invitationLabel->setWordWrap(true);
    invitationLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(invitationLabel, 120, 360, 3495, 3855);

    auto *softwaresLink = new LinkButton(QStringLiteral("Click Here To Visit Quorvane Softwares"),
                                         downloadGroup, LinkButton::Keys::SpaceOnly);
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

    chooseSupportMessage();
    Look::centreOnScreen(this);
}

QGroupBox *FarewellWindow::createReferralGroup()
{
    QGroupBox *group =
        makeFrame(this, QStringLiteral("referralGroup"), QStringLiteral("Refer A Friend"));
    const auto addEdit = [group](const QString &name, const QString &placeholder,
                                 const QString &accessibleName) {
        auto *edit = new ReferralLineEdit(placeholder, group);
        edit->setObjectName(name);
        // Otherwise a screen reader names every box after the frame's caption.
        edit->setAccessibleName(accessibleName);
        edit->setFont(Look::windowFont());
        Look::useDesktopColours(edit);
        return edit;
    };

    m_nameEdit = addEdit(QStringLiteral("nameEdit"), NamePlaceholder, QStringLiteral("Your name"));
    Look::place(m_nameEdit, 85, 360, 3375, 285);

    auto *referButton = new QPushButton(QStringLiteral("Refer A Friend &Now"), group);
    referButton->setObjectName(QStringLiteral("referButton"));
    referButton->setFont(Look::uiFont(8.25, true));
    Look::useDesktopColours(referButton);
    Look::place(referButton, 1920, 1080, 3375, 285);

    m_emailEdit = addEdit(QStringLiteral("emailEdit"), EmailPlaceholder,
                          QStringLiteral("Your e-mail address"));
    m_emailEdit->setRefusesSpaces(true);
    Look::place(m_emailEdit, 3600, 360, 3375, 285);

    m_friendEmailEdit = addEdit(QStringLiteral("friendEmailEdit"), FriendEmailPlaceholder,
                                QStringLiteral("Friend's e-mail address"));
    m_friendEmailEdit->setRefusesSpaces(true);
    Look::place(m_friendEmailEdit, 3600, 720, 3375, 285);

    m_friendNameEdit = addEdit(QStringLiteral("friendNameEdit"), FriendNamePlaceholder,
                               QStringLiteral("Friend's name"));
    Look::place(m_friendNameEdit, 85, 720, 3375, 285);

    // It lies below the frame's lower edge: clipped away, yet still reached
    // with Tab, so in ordinary use its first text is what goes out.
    m_messageEdit = new ReferralTextEdit(MessagePlaceholder, group);
    m_messageEdit->setObjectName(QStringLiteral("messageEdit"));
    m_messageEdit->setAccessibleName(QStringLiteral("Message"));
    m_messageEdit->setFont(Look::windowFont());
    Look::useDesktopColours(m_messageEdit);
    m_messageEdit->setText(InitialMessage);
    Look::place(m_messageEdit, 4800, 3600, 1815, 495);

    connect(referButton, &QPushButton::clicked, this, &FarewellWindow::referFriend);
    connect(m_emailEdit, &ReferralLineEdit::spaceRefused, this,
            [this] { refuseSpace(m_emailEdit); });
    connect(m_friendEmailEdit, &ReferralLineEdit::spaceRefused, this,
            [this] { refuseSpace(m_friendEmailEdit); });
    return group;
}

void FarewellWindow::chooseSupportMessage()
{
    const double r = m_platform.random().next();
    const int index = std::clamp(int(4 * r), 0, 3);
    m_supportMessageLabel->setText(SupportMessages.at(index));
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
    const QString problem = referralProblem(fields);
    if (!problem.isEmpty()) {
        showInputProblem(problem);
        // The message is the one entry meant to run long.
        if (problem == RequestTooLongMessage)
            m_messageEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    openWebPage(m_platform, this, webAddress(buildRequestUrl(fields)));
}

void FarewellWindow::refuseSpace(QWidget *box)
{
    showInputProblem(SpaceInAddressMessage);
    box->setFocus(Qt::OtherFocusReason);
}

void FarewellWindow::showInputProblem(const QString &text)
{
    m_platform.showMessage(this, {text, MessageIcon::Critical, MessageButtons::Ok, {}});
}

} // namespace Zentrova
