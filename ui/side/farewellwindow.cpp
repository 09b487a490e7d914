#include "ui/side/farewellwindow.h"

#include "platform/platform.h"
#include "platform/version.h"
#include "resources/pictures.h"
#include "ui/captionframe.h"
#include "ui/linkbutton.h"
#include "ui/look.h"
#include "ui/side/referralbox.h"
#include "ui/side/sidelook.h"
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
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_platform(platform)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titleWithVersion());
    setWindowIcon(Look::programIcon());
    setFont(Look::windowFont());
    Look::setBackground(this, Qt::white);
    setFixedSize(Look::px(11115), Look::px(4725));

    cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    Look::place(cmdClose, 6000, 2760, 1245, 375);

    Check1 = new QCheckBox(QStringLiteral("Click Here To Visit ") + siteHost(MainSiteAddress) +
                               QStringLiteral(" Now"),
                           this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(Look::uiFont(14.25));
    Look::setTextColour(Check1, DarkBlue);
    Look::setClickable(Check1);
    Check1->setChecked(true);
    Look::place(Check1, 30, 2040, 7185, 555);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(Look::picture(Pictures::icon()));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(Picture1, 360, 120, 540, 540);

    Label1 = makeLabel(this, QStringLiteral("Label1"), titleWithVersion(), Look::uiFont(18));
    Look::place(Label1, 1080, 240, 3015, 435);
    SideLook::sizeToText(Label1, Look::px(7185));

    Label2 = makeLabel(this, QStringLiteral("Label2"), QString(), Look::uiFont(9.75, true));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(Label2, 120, 840, 6975, 1095);

    Frame2 = makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("Refer A Friend"));
    Look::place(Frame2, 120, 3240, 7065, 1455);
    buildReferralFrame();

    Frame6 =
        makeFrame(this, QStringLiteral("Frame6"), QStringLiteral("Download Quorvane Softwares"));
    Look::place(Frame6, 7320, 120, 3735, 4575);

    Label3 = makeLabel(Frame6, QStringLiteral("Label3"), InvitationText, Look::uiFont(9));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(Label3, 120, 360, 3495, 3855);

    lblGoToHome = new LinkButton(QStringLiteral("Click Here To Visit Quorvane Softwares"), Frame6,
                                 LinkButton::Keys::SpaceOnly);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setFont(Look::uiFont(9, true, true));
    Look::setTextColour(lblGoToHome, Yellow);
    Look::place(lblGoToHome, 75, 4250, 3585, 210);
    SideLook::sizeToText(lblGoToHome, Look::px(3735));

    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, txtName);
    setTabOrder(txtName, cmdSubmit);
    setTabOrder(cmdSubmit, txtEmail);
    setTabOrder(txtEmail, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtFriendName);
    setTabOrder(txtFriendName, txtMessage);
    setTabOrder(txtMessage, lblGoToHome);
    cmdClose->setFocus();

    connect(cmdClose, &QPushButton::clicked, this, &FarewellWindow::cmdClose_Click);
    // Every change of the tick counts as a click, the handler's own included.
    connect(Check1, &QCheckBox::toggled, this, &FarewellWindow::Check1_Click);
    connect(lblGoToHome, &LinkButton::clicked, this, &FarewellWindow::lblGoToHome_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &FarewellWindow::cmdSubmit_Click);

    Form_Load();
    Look::centreOnScreen(this);
}

void FarewellWindow::buildReferralFrame()
{
    const auto addBox = [this](const QString &name, const QString &placeholder) {
        auto *box = new ReferralLineEdit(placeholder, Frame2);
        box->setObjectName(name);
        box->setFont(Look::windowFont());
        Look::useDesktopColours(box);
        return box;
    };

    txtName = addBox(QStringLiteral("txtName"), NamePlaceholder);
    Look::place(txtName, 85, 360, 3375, 285);

    cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), Frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setFont(Look::uiFont(8.25, true));
    Look::useDesktopColours(cmdSubmit);
    Look::place(cmdSubmit, 1920, 1080, 3375, 285);

    txtEmail = addBox(QStringLiteral("txtEmail"), EmailPlaceholder);
    txtEmail->setRefusesSpaces(true);
    Look::place(txtEmail, 3600, 360, 3375, 285);

    txtFriendEmail = addBox(QStringLiteral("txtFriendEmail"), FriendEmailPlaceholder);
    txtFriendEmail->setRefusesSpaces(true);
    Look::place(txtFriendEmail, 3600, 720, 3375, 285);

    txtFriendName = addBox(QStringLiteral("txtFriendName"), FriendNamePlaceholder);
    Look::place(txtFriendName, 85, 720, 3375, 285);

    // It lies below the frame's lower edge: clipped away, yet still reached
    // with Tab, so in ordinary use its first text is what goes out.
    txtMessage = new ReferralTextEdit(MessagePlaceholder, Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setFont(Look::windowFont());
    Look::useDesktopColours(txtMessage);
    txtMessage->setText(InitialMessage);
    Look::place(txtMessage, 4800, 3600, 1815, 495);

    connect(txtEmail, &ReferralLineEdit::spaceRefused, this, [this] { refuseSpace(txtEmail); });
    connect(txtFriendEmail, &ReferralLineEdit::spaceRefused, this,
            [this] { refuseSpace(txtFriendEmail); });
}

void FarewellWindow::Form_Load()
{
    m_platform.random().seedFromClock();
    const double r = m_platform.random().next();
    const int index = std::clamp(int(4 * r), 0, 3);
    Label2->setText(SupportMessages.at(index));

    // Above every ordinary window, the browser opened from its links included.
    // Changing a window's flags hides it, so a shown window is shown again.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (shown)
        show();
}

void FarewellWindow::Form_Unload()
{
    Q_EMIT quitRequested();
}

void FarewellWindow::closeEvent(QCloseEvent *event)
{
    // Nothing cancels the closing: the program ends with it.
    event->accept();
    Form_Unload();
}

void FarewellWindow::cmdClose_Click()
{
    // Closing is what ends the program, however the window is closed.
    close();
}

void FarewellWindow::Check1_Click()
{
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    openHomePage(m_platform);
}

void FarewellWindow::lblGoToHome_Click()
{
    openSoftwaresPage(m_platform);
}

void FarewellWindow::cmdSubmit_Click()
{
    const Referral fields =
        trimSpaces(Referral{txtName->text(), txtEmail->text(), txtMessage->text(),
                            txtFriendName->text(), txtFriendEmail->text()});
    const QString problem = referralProblem(fields);
    if (!problem.isEmpty()) {
        showInputProblem(problem);
        return;
    }
    openWebPage(m_platform, buildRequestUrl(fields));
}

void FarewellWindow::refuseSpace(QWidget *box)
{
    showInputProblem(SpaceInAddressMessage);
    box->setFocus(Qt::OtherFocusReason);
}

void FarewellWindow::showInputProblem(const QString &text)
{
    m_platform.showMessage(this, text, ProgramTitle, MessageIcon::Critical, MessageButtons::Ok);
}

} // namespace Zentrova
