// SPDX-License-Identifier: MIT
// The farewell window: a support message, links to the maker's sites, the
// refer-a-friend form and the way out of the program.
#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QLabel;

namespace Zentrova {

class Platform;
class ReferralLineEdit;
class ReferralTextEdit;

// A top-level window that deletes itself when closed. Closing it in any way
// asks for the program to end. It outlives the main window, so it is given
// no parent.
class FarewellWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FarewellWindow)

public:
    // One of them, drawn at random, is shown each time the window opens.
    static const std::array<QString, 4> SupportMessages;

    explicit FarewellWindow(Platform &platform, QWidget *parent = nullptr);

signals:
    // The user closed the window or chose Exit: the program should end.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void visitForum();
    void openSoftwaresPage();
    void referFriend();

private:
    void chooseSupportMessage();
    QGroupBox *createReferralGroup();
    void refuseSpace(QWidget *box);
    // An input problem: error icon, OK, the program's title.
    void showInputProblem(const QString &text);

    Platform &m_platform;

    QCheckBox *m_visitForumCheckBox = nullptr;
    QLabel *m_supportMessageLabel = nullptr;

    ReferralLineEdit *m_nameEdit = nullptr;
    ReferralLineEdit *m_emailEdit = nullptr;
    ReferralLineEdit *m_friendNameEdit = nullptr;
    ReferralLineEdit *m_friendEmailEdit = nullptr;
    ReferralTextEdit *m_messageEdit = nullptr;
};

} // namespace Zentrova
