// The farewell window: a support message, links to the maker's sites, the
// refer-a-friend form and the way out of the program.
#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QPushButton;

namespace Zentrova {

class Platform;
class LinkButton;
class ReferralLineEdit;
class ReferralTextEdit;

// A top-level window that deletes itself when closed. Closing it in any way
// ends the program. It outlives the main window, so it is given no parent.
class FarewellWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FarewellWindow)

public:
    static const std::array<QString, 4> SupportMessages;

    // Runs Form_Load before returning.
    explicit FarewellWindow(Platform &platform, QWidget *parent = nullptr);

public slots:
    void Form_Load();
    void Form_Unload();
    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();

signals:
    // The user closed the window or chose Exit: the program should end.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildReferralFrame();
    void refuseSpace(QWidget *box);
    // An input problem: error icon, OK, the program's title.
    void showInputProblem(const QString &text);

    Platform &m_platform;

    QPushButton *cmdClose = nullptr;
    QCheckBox *Check1 = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame6 = nullptr;
    QLabel *Label3 = nullptr;
    LinkButton *lblGoToHome = nullptr;

    ReferralLineEdit *txtName = nullptr;
    QPushButton *cmdSubmit = nullptr;
    ReferralLineEdit *txtEmail = nullptr;
    ReferralLineEdit *txtFriendEmail = nullptr;
    ReferralLineEdit *txtFriendName = nullptr;
    ReferralTextEdit *txtMessage = nullptr;
};

} // namespace Zentrova
