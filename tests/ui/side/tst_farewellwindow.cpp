// SPDX-License-Identifier: MIT
// The farewell window: its message, links, refer-a-friend form, texts and closing.
#include "findcontrol.h"
#include "layoutchecks.h"
#include "recordingplatform.h"

#include "platform/version.h"
#include "ui/side/farewellwindow.h"
#include "ui/side/referraltextedit.h"
#include "web/links.h"
#include "web/referral.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace Zentrova;
using namespace Zentrova::Testing;

namespace {

// A text as the window shows it, in whatever language is installed.
QString windowText(const char *source)
{
    return FarewellWindow::tr(source);
}

QString initialMessage()
{
    return windowText("Your Message") + "\r\n";
}

} // namespace

class TestFarewellWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_topmostCentredWithExitFocusedAndEntriesShowingPlaceholders();
    void controls_lieInsideTheirFramesApartWithTextsThatFit();
    void controls_tellScreenReadersWhatTheyAreAndDo();
    void texts_goThroughTranslationAndChecksUseThem();
    void supportMessage_picksMessageByQuarterOfDraw_data();
    void supportMessage_picksMessageByQuarterOfDraw();

    void tab_visitsControlsInFormOrderIncludingHiddenMessageBox();
    void placeholders_clearOnFocusAndReturnWhenLeftEmpty();
    void messageBox_keepsLineBreakUntilEmptied();
    void addressBoxes_dropTypedSpaceWithMessage_data();
    void addressBoxes_dropTypedSpaceWithMessage();
    void addressBox_takesPastedSpace();

    void refer_untouchedForm_asksForProperAddressAndKeepsTexts_data();
    void refer_untouchedForm_asksForProperAddressAndKeepsTexts();
    void refer_typedEntries_opensRequestAndLeavesWindowAsItWas();
    void refer_afterEmptyingHiddenMessageBox_asksForMessage();
    void refer_overlongRequest_isRefusedAndFocusesMessage();
    void refer_pastedOverlongEntry_isCutToItsBoxAndSent_data();
    void refer_pastedOverlongEntry_isCutToItsBoxAndSent();

    void visitForum_firstClickUnticks_laterClicksOpenHomePageOnce_data();
    void visitForum_firstClickUnticks_laterClicksOpenHomePageOnce();
    void softwaresLink_opensSoftwaresPageAndWindowStays();

    void closing_requestsQuitExactlyOnce_data();
    void closing_requestsQuitExactlyOnce();

private:
    FarewellWindow *openWindow();
    template <typename T = QWidget> T *control(const char *name) const
    {
        return findControl<T>(m_window.data(), QLatin1String(name));
    }
    void typeInto(const char *name, const QString &text);
    void fillValidReferral();
    // The one message shown so far is an input problem with this text.
    void verifyInputProblem(const QString &text) const;

    std::unique_ptr<RecordingPlatform> m_platform;
    QPointer<FarewellWindow> m_window;
};

void TestFarewellWindow::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
}

void TestFarewellWindow::cleanup()
{
    // Deleting skips the closing handling, which would end the program.
    delete m_window.data();
    const QStringList left = deleteLeftoverWindows();
    m_platform.reset();
    QVERIFY2(left.isEmpty(), qPrintable("left open: " + left.join(", ")));
}

FarewellWindow *TestFarewellWindow::openWindow()
{
    // The first message, the longest.
    m_window = new FarewellWindow(*m_platform, 0);
    m_window->show();
    QApplication::setActiveWindow(m_window);
    if (!QTest::qWaitForWindowActive(m_window))
        qWarning("the farewell window did not become active");
    return m_window;
}

void TestFarewellWindow::typeInto(const char *name, const QString &text)
{
    auto *box = control<QLineEdit>(name);
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar c : text) {
        // keyClicks() takes Latin-1 only; other letters come as typed text.
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void TestFarewellWindow::fillValidReferral()
{
    typeInto("nameEdit", "Ann");
    typeInto("emailEdit", "ann@home.example");
    typeInto("friendNameEdit", "Bob");
    typeInto("friendEmailEdit", "bob@work.example");
}

void TestFarewellWindow::verifyInputProblem(const QString &text) const
{
    QCOMPARE(m_platform->messages.size(), 1);
    const RecordedMessage &shown = m_platform->messages.first();
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.icon, MessageIcon::Critical);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QCOMPARE(shown.parent.data(), m_window.data());
    QVERIFY(m_platform->opened.isEmpty());
}

void TestFarewellWindow::opens_topmostCentredWithExitFocusedAndEntriesShowingPlaceholders()
{
    openWindow();
    QCOMPARE(m_window->windowTitle(), titleWithVersion());
    const QStringList problems = fixedWindowProblems(m_window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(QApplication::focusWidget(), control("exitButton"));

    // The site named to the user is the host, as it would be typed.
    auto *visitForum = control<QCheckBox>("visitForumCheckBox");
    QVERIFY(visitForum->isChecked());
    QVERIFY(visitForum->text().contains(" " + siteHost(MainSiteAddress) + " "));

    QCOMPARE(control<QLineEdit>("nameEdit")->text(), windowText("Your Name"));
    QCOMPARE(control<QLineEdit>("emailEdit")->text(), windowText("Your Email Address"));
    QCOMPARE(control<QLineEdit>("friendNameEdit")->text(), windowText("Friend's Name"));
    QCOMPARE(control<QLineEdit>("friendEmailEdit")->text(), windowText("Friend's Email Address"));
    auto *message = control<ReferralTextEdit>("messageEdit");
    QCOMPARE(message->text(), initialMessage());
    // Below the frame's lower edge: clipped away, yet shown and focusable.
    auto *frame = control<QGroupBox>("referralGroup");
    QCOMPARE(message->parentWidget(), frame);
    QVERIFY(!frame->rect().intersects(message->geometry()));
    QVERIFY(message->isVisible());
}

void TestFarewellWindow::controls_lieInsideTheirFramesApartWithTextsThatFit()
{
    openWindow();
    const QStringList problems = layoutProblems(m_window, {"messageEdit"});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));

    auto *label = control<QLabel>("supportMessageLabel");
    for (const QString &text : FarewellWindow::supportMessages()) {
        label->setText(text);
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(text));
    }
}

void TestFarewellWindow::controls_tellScreenReadersWhatTheyAreAndDo()
{
    openWindow();
    for (const char *name : {"exitButton", "visitForumCheckBox", "referButton", "softwaresLink"}) {
        auto *button = control<QAbstractButton>(name);
        const AccessibleControl seen = accessibleControl(button);
        QVERIFY2(seen.role == QAccessible::Button || seen.role == QAccessible::CheckBox ||
                     seen.role == QAccessible::Link,
                 name);
        QCOMPARE(seen.name, visibleText(button->text()));
        QVERIFY2(seen.actions.contains(QAccessibleActionInterface::pressAction()) ||
                     seen.actions.contains(QAccessibleActionInterface::toggleAction()),
                 name);
    }

    // Each box is named for what it holds, not after the frame around it.
    QSet<QString> names;
    for (const char *name :
         {"nameEdit", "emailEdit", "friendNameEdit", "friendEmailEdit", "messageEdit"}) {
        const AccessibleControl seen = accessibleControl(control(name));
        QCOMPARE(seen.role, QAccessible::EditableText);
        QVERIFY2(!seen.name.isEmpty() && seen.name != control<QGroupBox>("referralGroup")->title(),
                 name);
        names.insert(seen.name);
    }
    QCOMPARE(names.size(), 5);
}

void TestFarewellWindow::texts_goThroughTranslationAndChecksUseThem()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    openWindow();
    // The title is the program's name and version.
    const QStringList unmarked = unmarkedTexts(m_window, {"titleLabel"});
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(", ")));

    // The name box still shows its translated placeholder: that is no name.
    typeInto("emailEdit", "ann@home.example");
    typeInto("friendNameEdit", "Bob");
    typeInto("friendEmailEdit", "bob@work.example");
    QTest::mouseClick(control("referButton"), Qt::LeftButton);
    verifyInputProblem(MarkingTranslator::marked("Please Enter Your Name"));
}

void TestFarewellWindow::supportMessage_picksMessageByQuarterOfDraw_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("index");

    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just under a quarter") << 0.2499 << 0;
    QTest::newRow("a quarter") << 0.25 << 1;
    QTest::newRow("a half") << 0.5 << 2;
    QTest::newRow("just under three quarters") << 0.7499 << 2;
    QTest::newRow("three quarters") << 0.75 << 3;
    QTest::newRow("just under 1") << 0.9999999999 << 3;
}

void TestFarewellWindow::supportMessage_picksMessageByQuarterOfDraw()
{
    QFETCH(double, draw);
    QFETCH(int, index);
    QCOMPARE(FarewellWindow::supportMessageIndex(draw), index);
}

void TestFarewellWindow::tab_visitsControlsInFormOrderIncludingHiddenMessageBox()
{
    openWindow();
    // From the exit button round to it again, through the form box by box.
    QCOMPARE(tabOrder(m_window), QStringList({"visitForumCheckBox", "nameEdit", "referButton",
                                              "emailEdit", "friendEmailEdit", "friendNameEdit",
                                              "messageEdit", "softwaresLink", "exitButton"}));
}

void TestFarewellWindow::placeholders_clearOnFocusAndReturnWhenLeftEmpty()
{
    openWindow();
    auto *name = control<QLineEdit>("nameEdit");
    auto *email = control<QLineEdit>("emailEdit");

    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(name->text(), QString());
    QTest::keyClicks(name, "   ");
    QTest::keyClick(name, Qt::Key_Tab);
    QCOMPARE(name->text(), windowText("Your Name"));

    // The user typed the placeholder text with spaces around it: it still
    // counts as the placeholder when the box is entered again.
    name->setText("  Your Name ");
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(name->text(), QString());
    QTest::keyClicks(name, "Ann");
    QTest::mouseClick(email, Qt::LeftButton);
    QCOMPARE(name->text(), QStringLiteral("Ann"));
    QCOMPARE(email->text(), QString());

    // The comparison is exact.
    name->setText("your name");
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(name->text(), QStringLiteral("your name"));
}

void TestFarewellWindow::messageBox_keepsLineBreakUntilEmptied()
{
    openWindow();
    auto *message = control<ReferralTextEdit>("messageEdit");
    auto *friendName = control<QLineEdit>("friendNameEdit");

    friendName->setFocus(Qt::TabFocusReason);
    QTest::keyClick(friendName, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), message);
    QCOMPARE(message->text(), initialMessage());

    QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(message, Qt::Key_Delete);
    QTest::keyClick(message, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != message);
    QCOMPARE(message->text(), windowText("Your Message"));

    // From now on it behaves like the other boxes; a typed line break is CR LF.
    message->setFocus(Qt::BacktabFocusReason);
    QCOMPARE(message->text(), QString());
    QTest::keyClicks(message, "Hi");
    QTest::keyClick(message, Qt::Key_Return);
    QTest::keyClicks(message, "there");
    QCOMPARE(message->text(), QStringLiteral("Hi\r\nthere"));
}

void TestFarewellWindow::addressBoxes_dropTypedSpaceWithMessage_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("mine") << QStringLiteral("emailEdit");
    QTest::newRow("friend's") << QStringLiteral("friendEmailEdit");
}

void TestFarewellWindow::addressBoxes_dropTypedSpaceWithMessage()
{
    QFETCH(QString, box);
    openWindow();
    auto *address = control<QLineEdit>(qPrintable(box));

    QTest::mouseClick(address, Qt::LeftButton);
    QTest::keyClicks(address, "a b");
    QCOMPARE(address->text(), QStringLiteral("ab"));
    verifyInputProblem(windowText("Email Address Cannot Contain Space"));
    QCOMPARE(QApplication::focusWidget(), address);

    // The name boxes take spaces.
    auto *name = control<QLineEdit>("friendNameEdit");
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, "a b");
    QCOMPARE(name->text(), QStringLiteral("a b"));
    QCOMPARE(m_platform->messages.size(), 1);
}

void TestFarewellWindow::addressBox_takesPastedSpace()
{
    openWindow();
    auto *email = control<QLineEdit>("emailEdit");
    QTest::mouseClick(email, Qt::LeftButton);
    QApplication::clipboard()->setText("ann @home.example");
    QTest::keyClick(email, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(email->text(), QStringLiteral("ann @home.example"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestFarewellWindow::refer_untouchedForm_asksForProperAddressAndKeepsTexts_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("mouse") << 0;
    QTest::newRow("Space") << int(Qt::Key_Space);
    // A focused button outside a dialog takes Enter as Space.
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void TestFarewellWindow::refer_untouchedForm_asksForProperAddressAndKeepsTexts()
{
    QFETCH(int, key);
    openWindow();
    auto *refer = control("referButton");
    if (key == 0) {
        QTest::mouseClick(refer, Qt::LeftButton);
    } else {
        refer->setFocus(Qt::TabFocusReason);
        QTest::keyClick(refer, Qt::Key(key));
    }

    verifyInputProblem(windowText("Please Enter Proper Email Address"));
    QCOMPARE(control<QLineEdit>("nameEdit")->text(), windowText("Your Name"));
    QCOMPARE(control<QLineEdit>("friendEmailEdit")->text(), windowText("Friend's Email Address"));
    QCOMPARE(control<ReferralTextEdit>("messageEdit")->text(), initialMessage());
}

void TestFarewellWindow::refer_typedEntries_opensRequestAndLeavesWindowAsItWas()
{
    openWindow();
    const QString supportMessage = control<QLabel>("supportMessageLabel")->text();
    typeInto("nameEdit", " A&taf6=x ");
    typeInto("emailEdit", "ann@home.example");
    typeInto("friendNameEdit", "Zoë + 100%41");
    typeInto("friendEmailEdit", "bob@work.example");
    // An access key clicks its button a moment later, as the button is seen
    // pressed first.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(m_platform->opened.size(), 1);
    QVERIFY(m_platform->messages.isEmpty());
    // The entries trimmed, in the order of the request's keys.
    const QUrl request = m_platform->opened.first();
    QCOMPARE(request, QUrl(buildRequestUrl({"A&taf6=x", "ann@home.example", initialMessage(),
                                            "Zoë + 100%41", "bob@work.example"})));

    QVERIFY(m_window->isVisible());
    QCOMPARE(control<QLabel>("supportMessageLabel")->text(), supportMessage);
    QCOMPARE(control<QLineEdit>("nameEdit")->text(), QStringLiteral(" A&taf6=x "));

    QTest::mouseClick(control("referButton"), Qt::LeftButton);
    QCOMPARE(m_platform->opened.size(), 2);
    QCOMPARE(m_platform->opened.at(1), request);
}

void TestFarewellWindow::refer_afterEmptyingHiddenMessageBox_asksForMessage()
{
    openWindow();
    fillValidReferral();
    auto *message = control<ReferralTextEdit>("messageEdit");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), message);
    QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(message, Qt::Key_Backspace);
    QTest::keyClick(message, Qt::Key_Tab);

    QTest::mouseClick(control("referButton"), Qt::LeftButton);
    verifyInputProblem(windowText("Please Enter Your Message"));
    QCOMPARE(message->text(), windowText("Your Message"));
}

void TestFarewellWindow::refer_overlongRequest_isRefusedAndFocusesMessage()
{
    openWindow();
    fillValidReferral();
    // Each "&" goes out as three characters: too long however short the rest.
    const QString message(MaxRequestLength / 2, QLatin1Char('&'));
    control<ReferralTextEdit>("messageEdit")->setText(message);
    const QString name = control<QLineEdit>("nameEdit")->text();

    QTest::mouseClick(control("referButton"), Qt::LeftButton);
    verifyInputProblem(windowText("Please Shorten Your Message"));
    QCOMPARE(QApplication::focusWidget(), control("messageEdit"));
    QCOMPARE(control<ReferralTextEdit>("messageEdit")->text(), message);
    QCOMPARE(control<QLineEdit>("nameEdit")->text(), name);
}

void TestFarewellWindow::refer_pastedOverlongEntry_isCutToItsBoxAndSent_data()
{
    QTest::addColumn<QString>("box");
    for (const char *box : {"nameEdit", "emailEdit", "friendNameEdit", "friendEmailEdit"})
        QTest::newRow(box) << QString::fromLatin1(box);
}

void TestFarewellWindow::refer_pastedOverlongEntry_isCutToItsBoxAndSent()
{
    QFETCH(QString, box);
    openWindow();
    fillValidReferral();
    // Each character goes out as nine: far beyond the request's limit whole.
    auto *edit = control<QLineEdit>(qPrintable(box));
    const QString pasted = edit->text() + QString(7900, u'山');
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), pasted.left(MaxEntryLength));

    QTest::mouseClick(control("referButton"), Qt::LeftButton);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->opened.size(), 1);
}

void TestFarewellWindow::visitForum_firstClickUnticks_laterClicksOpenHomePageOnce_data()
{
    QTest::addColumn<bool>("spaceBar");
    QTest::newRow("mouse") << false;
    QTest::newRow("space bar") << true;
}

void TestFarewellWindow::visitForum_firstClickUnticks_laterClicksOpenHomePageOnce()
{
    QFETCH(bool, spaceBar);
    openWindow();
    auto *check = control<QCheckBox>("visitForumCheckBox");
    const auto click = [&] {
        if (spaceBar) {
            check->setFocus(Qt::TabFocusReason);
            QTest::keyClick(check, Qt::Key_Space);
        } else {
            QTest::mouseClick(check, Qt::LeftButton);
        }
    };

    click();
    QVERIFY(!check->isChecked());
    QVERIFY(m_platform->opened.isEmpty());

    click();
    QVERIFY(!check->isChecked());
    QCOMPARE(m_platform->opened, QList<QUrl>{linkAddress(Link::HomePage)});

    click();
    QVERIFY(!check->isChecked());
    QCOMPARE(m_platform->opened.size(), 2);
    QVERIFY(m_window->isVisible());
}

void TestFarewellWindow::softwaresLink_opensSoftwaresPageAndWindowStays()
{
    openWindow();
    auto *link = control("softwaresLink");
    const QUrl softwares = linkAddress(Link::Softwares);
    QVERIFY(isUnderConfiguredSite(softwares));

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_platform->opened, QList<QUrl>{softwares});

    // The window has no default button: Enter opens the link, as Space does.
    link->setFocus(Qt::TabFocusReason);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(link, key);
    QCOMPARE(m_platform->opened, QList<QUrl>(4, softwares));
    QVERIFY(m_window->isVisible());
}

void TestFarewellWindow::closing_requestsQuitExactlyOnce_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("exit button") << QStringLiteral("click");
    QTest::newRow("Alt+X") << QStringLiteral("alt+x");
    // A focused button outside a dialog takes Enter as Space.
    QTest::newRow("Return") << QStringLiteral("return");
    QTest::newRow("Enter") << QStringLiteral("enter");
    QTest::newRow("close box") << QStringLiteral("close box");
}

void TestFarewellWindow::closing_requestsQuitExactlyOnce()
{
    QFETCH(QString, way);
    openWindow();
    // As the program does: the request ends the program, which closes the window.
    int quits = 0;
    connect(m_window, &FarewellWindow::quitRequested, m_window, [this, &quits] { ++quits; });
    if (way == "click")
        QTest::mouseClick(control<QPushButton>("exitButton"), Qt::LeftButton);
    else if (way == "alt+x")
        QTest::keyClick(m_window, Qt::Key_X, Qt::AltModifier);
    else if (way == "return")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else if (way == "enter")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    else
        m_window->windowHandle()->close();

    QTRY_VERIFY(m_window.isNull());
    QCOMPARE(quits, 1);
}

QTEST_MAIN(TestFarewellWindow)
#include "tst_farewellwindow.moc"
