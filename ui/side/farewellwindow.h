// SPDX-License-Identifier: MIT
// The farewell window: a support message, links to the maker's sites, the
// refer-a-friend form and the way out of the program.
#pragma once

#include "web/referral.h"

#include <QWidget>

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
    // Shows support message supportMessage (an index into supportMessages())
    // for as long as it is open.
    FarewellWindow(Platform &platform, int supportMessage, QWidget *parent = nullptr);

    // One of them, drawn at random, is shown each time the window opens.
    static QStringList supportMessages();
    // The one of supportMessages() a draw in [0, 1) selects: each takes a
    // quarter of the range.
    static int supportMessageIndex(double draw);

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
    QGroupBox *createReferralGroup();
    void refuseSpace(QWidget *box);
    void refuseReferral(ReferralProblem problem);
    // An input problem: error icon, OK, the program's title.
    void showInputProblem(const QString &text);

    Platform &m_platform;
    // What the boxes show while empty, in the user's language.
    const Referral m_placeholders;

    QCheckBox *m_visitForumCheckBox = nullptr;
    QLabel *m_supportMessageLabel = nullptr;

    ReferralLineEdit *m_nameEdit = nullptr;
    ReferralLineEdit *m_emailEdit = nullptr;
    ReferralLineEdit *m_friendNameEdit = nullptr;
    ReferralLineEdit *m_friendEmailEdit = nullptr;
    ReferralTextEdit *m_messageEdit = nullptr;
};

} // namespace Zentrova
