// The farewell window: its message, links, refer-a-friend form and closing.
#include "recordingplatform.h"

#include "platform/seededrandom.h"
#include "ui/side/farewellwindow.h"
#include "ui/side/referralbox.h"
#include "web/referral.h"
#include "web/siteaddresses.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QUrlQuery>
#include <QWindow>

#include <algorithm>
#include <memory>

using namespace Zentrova;
using Zentrova::Testing::RecordingPlatform;
using Zentrova::Testing::ScriptedRandom;

class TestFarewell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_withItsCaptionsTextsAndStartingEntries();
    void formLoad_picksMessageByQuarterOfDraw_data();
    void formLoad_picksMessageByQuarterOfDraw();
    void formLoad_drawsAfterReseedingFromClock();
    void formLoad_showsEveryMessageOverManyRuns();

    void tab_visitsControlsInFormOrderIncludingHiddenMessageBox();
    void placeholders_clearOnFocusAndReturnWhenLeftEmpty();
    void messageBox_keepsLineBreakUntilEmptied();
    void addressBoxes_dropTypedSpaceWithMessage_data();
    void addressBoxes_dropTypedSpaceWithMessage();
    void addressBox_takesPastedSpace();

    void submit_untouchedForm_asksForProperAddressAndKeepsTexts();
    void submit_typedEntries_opensRequestAndLeavesWindowAsItWas();
    void submit_afterEmptyingHiddenMessageBox_asksForMessage();

    void check1_firstClickUnticks_laterClicksOpenHomePageOnce_data();
    void check1_firstClickUnticks_laterClicksOpenHomePageOnce();
    void lblGoToHome_opensSoftwaresPageAndWindowStays();

    void closing_endsProgramExactlyOnce_data();
    void closing_endsProgramExactlyOnce();

private:
    FarewellWindow *openWindow();
    template <typename T> T *control(const char *name) const;
    void typeInto(const char *name, const QString &text);

    std::unique_ptr<RecordingPlatform> m_platform;
    QPointer<FarewellWindow> m_window;
};

void TestFarewell::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
}

void TestFarewell::cleanup()
{
    // Deleting skips the closing handling, which would end the program.
    delete m_window.data();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    m_platform.reset();
}

FarewellWindow *TestFarewell::openWindow()
{
    m_window = new FarewellWindow(*m_platform);
    m_window->show();
    QApplication::setActiveWindow(m_window);
    if (!QTest::qWaitForWindowActive(m_window))
        qWarning("the farewell window did not become active");
    return m_window;
}

template <typename T> T *TestFarewell::control(const char *name) const
{
    T *found = m_window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void TestFarewell::typeInto(const char *name, const QString &text)
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

void TestFarewell::opens_withItsCaptionsTextsAndStartingEntries()
{
    openWindow();
    QCOMPARE(m_window->objectName(), QStringLiteral("frmNagScreen2"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Zentrova v1.0"));
    QCOMPARE(m_window->size(), QSize(741, 315));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>("cmdClose"));

    QVERIFY(
        FarewellWindow::SupportMessages.at(1).endsWith("without you regularly visiting Quorvane"));
    const auto &messages = FarewellWindow::SupportMessages;
    QVERIFY(std::find(messages.begin(), messages.end(), control<QLabel>("Label2")->text()) !=
            messages.end());

    const QString invitation = control<QLabel>("Label3")->text();
    QVERIFY(invitation.contains(QStringLiteral("the world\u2019s largest")));
    QVERIFY(invitation.contains(QStringLiteral("their interests.") + QString(61, ' ') +
                                QStringLiteral("All the programs")));
    QVERIFY(invitation.endsWith(QStringLiteral("friends and family. ")));

    auto *check = control<QCheckBox>("Check1");
    QVERIFY(check->isChecked());
    QCOMPARE(check->text(), "Click Here To Visit " + siteHost(MainSiteAddress) + " Now");
    QVERIFY(!check->text().contains("://"));

    QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral("Your Name"));
    QCOMPARE(control<QLineEdit>("txtEmail")->text(), QStringLiteral("Your Email Address"));
    QCOMPARE(control<QLineEdit>("txtFriendName")->text(), QStringLiteral("Friend's Name"));
    QCOMPARE(control<QLineEdit>("txtFriendEmail")->text(),
             QStringLiteral("Friend's Email Address"));
    auto *message = m_window->findChild<ReferralTextEdit *>("txtMessage");
    QVERIFY(message);
    QCOMPARE(message->text(), QStringLiteral("Your Message\r\n"));
    // Below the frame's lower edge: clipped away, yet shown and focusable.
    auto *frame = control<QGroupBox>("Frame2");
    QVERIFY(!frame->rect().intersects(message->geometry()));
    QVERIFY(message->isVisible());
    QCOMPARE(message->parentWidget(), frame);

    // Every text fits where it is placed.
    for (QLabel *label : m_window->findChildren<QLabel *>()) {
        QVERIFY2(label->parentWidget()->rect().contains(label->geometry()),
                 qPrintable(label->objectName()));
        QVERIFY2(label->width() >= label->sizeHint().width() || label->wordWrap(),
                 qPrintable(label->objectName()));
    }
}

void TestFarewell::formLoad_picksMessageByQuarterOfDraw_data()
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

void TestFarewell::formLoad_picksMessageByQuarterOfDraw()
{
    QFETCH(double, draw);
    QFETCH(int, index);

    m_platform->useScript({draw, 0.0});
    m_window = new FarewellWindow(*m_platform);
    QCOMPARE(m_window->findChild<QLabel *>("Label2")->text(),
             FarewellWindow::SupportMessages.at(index));
    QCOMPARE(static_cast<ScriptedRandom &>(m_platform->random()).seedings, 1);
}

void TestFarewell::formLoad_drawsAfterReseedingFromClock()
{
    // The recording platform's clock seeds with seed + 1.
    m_platform->useSeed(41);
    SeededRandom afterReseed(42);
    const int expected = int(4 * afterReseed.next());
    // Draws made before the window loads must not matter.
    for (int i = 0; i < 3; ++i)
        m_platform->random().next();

    m_window = new FarewellWindow(*m_platform);
    QCOMPARE(m_window->findChild<QLabel *>("Label2")->text(),
             FarewellWindow::SupportMessages.at(expected));
}

void TestFarewell::formLoad_showsEveryMessageOverManyRuns()
{
    QSet<QString> shown;
    for (quint64 seed = 1; seed <= 60; ++seed) {
        RecordingPlatform platform;
        platform.useSeed(seed);
        FarewellWindow window(platform);
        shown.insert(window.findChild<QLabel *>("Label2")->text());
    }
    QCOMPARE(shown.size(), 4);
}

void TestFarewell::tab_visitsControlsInFormOrderIncludingHiddenMessageBox()
{
    openWindow();
    const QStringList order{"Check1",     "txtName",        "cmdSubmit",
                            "txtEmail",   "txtFriendEmail", "txtFriendName",
                            "txtMessage", "lblGoToHome",    "cmdClose"};
    for (const QString &name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
}

void TestFarewell::placeholders_clearOnFocusAndReturnWhenLeftEmpty()
{
    openWindow();
    auto *name = control<QLineEdit>("txtName");
    auto *email = control<QLineEdit>("txtEmail");

    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(name->text(), QString());
    QTest::keyClicks(name, "   ");
    QTest::keyClick(name, Qt::Key_Tab);
    QCOMPARE(name->text(), QStringLiteral("Your Name"));

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

void TestFarewell::messageBox_keepsLineBreakUntilEmptied()
{
    openWindow();
    auto *message = m_window->findChild<ReferralTextEdit *>("txtMessage");
    auto *friendName = control<QLineEdit>("txtFriendName");

    friendName->setFocus(Qt::TabFocusReason);
    QTest::keyClick(friendName, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), message);
    QCOMPARE(message->text(), QStringLiteral("Your Message\r\n"));

    QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(message, Qt::Key_Delete);
    QTest::keyClick(message, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != message);
    QCOMPARE(message->text(), QStringLiteral("Your Message"));

    // From now on it behaves like the other boxes; a typed line break is CR LF.
    message->setFocus(Qt::BacktabFocusReason);
    QCOMPARE(message->text(), QString());
    QTest::keyClicks(message, "Hi");
    QTest::keyClick(message, Qt::Key_Return);
    QTest::keyClicks(message, "there");
    QCOMPARE(message->text(), QStringLiteral("Hi\r\nthere"));
}

void TestFarewell::addressBoxes_dropTypedSpaceWithMessage_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("mine") << QStringLiteral("txtEmail");
    QTest::newRow("friend's") << QStringLiteral("txtFriendEmail");
}

void TestFarewell::addressBoxes_dropTypedSpaceWithMessage()
{
    QFETCH(QString, box);
    openWindow();
    auto *address = control<QLineEdit>(qPrintable(box));

    QTest::mouseClick(address, Qt::LeftButton);
    QTest::keyClicks(address, "a b");
    QCOMPARE(address->text(), QStringLiteral("ab"));
    QCOMPARE(m_platform->messages.size(), 1);
    const auto &shown = m_platform->messages.first();
    QCOMPARE(shown.text, QStringLiteral("Email Address Cannot Contain Space"));
    QCOMPARE(shown.caption, QStringLiteral("Zentrova"));
    QCOMPARE(shown.icon, MessageIcon::Critical);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QCOMPARE(shown.parent.data(), m_window.data());
    QCOMPARE(QApplication::focusWidget(), address);

    // The name boxes take spaces.
    auto *name = control<QLineEdit>("txtFriendName");
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, "a b");
    QCOMPARE(name->text(), QStringLiteral("a b"));
    QCOMPARE(m_platform->messages.size(), 1);
}

void TestFarewell::addressBox_takesPastedSpace()
{
    openWindow();
    auto *email = control<QLineEdit>("txtEmail");
    QTest::mouseClick(email, Qt::LeftButton);
    QApplication::clipboard()->setText("ann @home.example");
    QTest::keyClick(email, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(email->text(), QStringLiteral("ann @home.example"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestFarewell::submit_untouchedForm_asksForProperAddressAndKeepsTexts()
{
    openWindow();
    QTest::mouseClick(control<QPushButton>("cmdSubmit"), Qt::LeftButton);

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.first().text,
             QStringLiteral("Please Enter Proper Email Address"));
    QCOMPARE(m_platform->messages.first().icon, MessageIcon::Critical);
    QVERIFY(m_platform->opened.isEmpty());
    QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral("Your Name"));
    QCOMPARE(control<QLineEdit>("txtFriendEmail")->text(),
             QStringLiteral("Friend's Email Address"));
    QCOMPARE(m_window->findChild<ReferralTextEdit *>("txtMessage")->text(),
             QStringLiteral("Your Message\r\n"));
}

void TestFarewell::submit_typedEntries_opensRequestAndLeavesWindowAsItWas()
{
    openWindow();
    const QString supportMessage = control<QLabel>("Label2")->text();
    typeInto("txtName", " A&taf6=x ");
    typeInto("txtEmail", "ann@home.example");
    typeInto("txtFriendName", "Zoë + 100%41");
    typeInto("txtFriendEmail", "bob@work.example");
    // An access key clicks its button a moment later, as the button is seen
    // pressed first.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(m_platform->opened.size(), 1);
    QVERIFY(m_platform->messages.isEmpty());
    const QUrl request = m_platform->opened.first();
    QCOMPARE(request.toString(QUrl::RemoveQuery), MainSiteAddress + "/qvms-refer-a-friend.php");
    const auto items = QUrlQuery(request).queryItems(QUrl::FullyDecoded);
    const QList<QPair<QString, QString>> expected{
        {"taf1", "A&taf6=x"},     {"taf2", "ann@home.example"}, {"taf3", "Your Message\r\n"},
        {"taf4", "Zoë + 100%41"}, {"taf5", "bob@work.example"}, {"taf6", ProductSiteAddress + "/"}};
    QCOMPARE(items, expected);

    QVERIFY(m_window->isVisible());
    QCOMPARE(control<QLabel>("Label2")->text(), supportMessage);
    QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral(" A&taf6=x "));
    QVERIFY(m_platform->endings.isEmpty());

    QTest::mouseClick(control<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(m_platform->opened.size(), 2);
    QCOMPARE(m_platform->opened.at(1), request);
}

void TestFarewell::submit_afterEmptyingHiddenMessageBox_asksForMessage()
{
    openWindow();
    typeInto("txtName", "Ann");
    typeInto("txtEmail", "ann@home.example");
    typeInto("txtFriendName", "Bob");
    typeInto("txtFriendEmail", "bob@work.example");
    auto *message = m_window->findChild<ReferralTextEdit *>("txtMessage");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), message);
    QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(message, Qt::Key_Backspace);
    QTest::keyClick(message, Qt::Key_Tab);

    QTest::mouseClick(control<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.first().text, QStringLiteral("Please Enter Your Message"));
    QVERIFY(m_platform->opened.isEmpty());
    QCOMPARE(message->text(), QStringLiteral("Your Message"));
}

void TestFarewell::check1_firstClickUnticks_laterClicksOpenHomePageOnce_data()
{
    QTest::addColumn<bool>("spaceBar");
    QTest::newRow("mouse") << false;
    QTest::newRow("space bar") << true;
}

void TestFarewell::check1_firstClickUnticks_laterClicksOpenHomePageOnce()
{
    QFETCH(bool, spaceBar);
    openWindow();
    auto *check = control<QCheckBox>("Check1");
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
    QCOMPARE(m_platform->opened, QList<QUrl>{QUrl(HomePageAddress)});

    click();
    QVERIFY(!check->isChecked());
    QCOMPARE(m_platform->opened.size(), 2);
    QVERIFY(m_window->isVisible());
}

void TestFarewell::lblGoToHome_opensSoftwaresPageAndWindowStays()
{
    openWindow();
    auto *link = control<QAbstractButton>("lblGoToHome");
    const QUrl softwares(MainSiteAddress + "/quorvanesoftwares");

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_platform->opened, QList<QUrl>{softwares});

    link->setFocus(Qt::TabFocusReason);
    QTest::keyClick(link, Qt::Key_Space);
    QCOMPARE(m_platform->opened, (QList<QUrl>{softwares, softwares}));
    QVERIFY(m_window->isVisible());
    QVERIFY(m_platform->endings.isEmpty());
}

void TestFarewell::closing_endsProgramExactlyOnce_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("exit button") << QStringLiteral("click");
    QTest::newRow("Alt+X") << QStringLiteral("alt+x");
    QTest::newRow("close box") << QStringLiteral("close box");
}

void TestFarewell::closing_endsProgramExactlyOnce()
{
    QFETCH(QString, way);
    openWindow();
    // As the program does: the request ends the program, which closes the window.
    int quits = 0;
    connect(m_window, &FarewellWindow::quitRequested, m_window, [this, &quits] {
        ++quits;
        m_platform->endProcess(0);
    });
    if (way == "click")
        QTest::mouseClick(control<QPushButton>("cmdClose"), Qt::LeftButton);
    else if (way == "alt+x")
        QTest::keyClick(m_window, Qt::Key_X, Qt::AltModifier);
    else
        m_window->windowHandle()->close();

    QTRY_VERIFY(m_window.isNull());
    QCOMPARE(quits, 1);
}

QTEST_MAIN(TestFarewell)
#include "tst_farewellwindow.moc"
