// The about window: its texts, its modality, its links and how it closes.
#include "recordingplatform.h"

#include "ui/side/aboutdialog.h"
#include "web/siteaddresses.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace Zentrova;
using Zentrova::Testing::RecordingPlatform;

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void opens_modalWithItsTextsInsideTheWindow();
    void enterOrEscape_closesWhereverTheFocusIs_data();
    void enterOrEscape_closesWhereverTheFocusIs();
    void links_openTheirPagesAndLeaveWindowOpenAndModal_data();
    void links_openTheirPagesAndLeaveWindowOpenAndModal();
    void closeBox_closesLikeOK();
    void exec_blocksTheMainWindowUntilClosed();

private:
    void showActive(QWidget *window);

    RecordingPlatform m_platform;
};

void TestAbout::cleanup()
{
    m_platform.opened.clear();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestAbout::showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestAbout::opens_modalWithItsTextsInsideTheWindow()
{
    AboutDialog about(m_platform);
    showActive(&about);

    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("Zentrova v1.0"));
    QCOMPARE(about.size(), QSize(343, 226));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.isModal());
    QCOMPARE(about.windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), &about);
    QVERIFY(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    auto *ok = about.findChild<QPushButton *>("cmdOK");
    QVERIFY(ok);
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);

    const auto text = [&](const char *name) {
        return about.findChild<QWidget *>(name)->property("text").toString();
    };
    QCOMPARE(text("Label2"), QStringLiteral("Zentrova v1.0"));
    QCOMPARE(text("lblHomePage"), "Click here to visit " + MainSiteAddress);
    QCOMPARE(text("lblCoBrand"), QStringLiteral("Click here for more details"));
    QVERIFY(text("Label1").startsWith("Zentrova shows you how the different dice patterns"));
    QVERIFY(text("Label3").endsWith("Get this software fully branded for your website."));

    // Texts fit in the window and do not run into each other.
    const QList<QLabel *> labels = about.findChildren<QLabel *>();
    for (QLabel *label : labels) {
        QVERIFY2(about.rect().contains(label->geometry()), qPrintable(label->objectName()));
        if (!label->wordWrap())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        // Text boxes may share an edge row; their texts stay apart.
        const QRect box = label->geometry().adjusted(0, 0, 0, -1);
        for (QLabel *other : labels) {
            if (other != label)
                QVERIFY2(!box.intersects(other->geometry().adjusted(0, 0, 0, -1)),
                         qPrintable(label->objectName() + " " + other->objectName()));
        }
    }
}

void TestAbout::enterOrEscape_closesWhereverTheFocusIs_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");

    const QList<QPair<const char *, int>> places{
        {"on OK", 0}, {"on details link", 1}, {"on home page link", 2}};
    for (const auto &[place, tabs] : places) {
        QTest::addRow("Return %s", place) << tabs << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::addRow("Enter %s", place) << tabs << int(Qt::Key_Enter) << int(QDialog::Accepted);
        QTest::addRow("Esc %s", place) << tabs << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
}

void TestAbout::enterOrEscape_closesWhereverTheFocusIs()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(int, result);

    AboutDialog about(m_platform);
    showActive(&about);
    about.setResult(-1);
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    static const char *const focusOrder[] = {"cmdOK", "lblCoBrand", "lblHomePage"};
    QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(focusOrder[tabs]));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTRY_VERIFY(!about.isVisible());
    QCOMPARE(about.result(), result);
    QVERIFY(m_platform.opened.isEmpty());
}

void TestAbout::links_openTheirPagesAndLeaveWindowOpenAndModal_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QUrl>("page");

    // The home page link shows the main site but opens the home page.
    QTest::newRow("home page") << QStringLiteral("lblHomePage") << QUrl(HomePageAddress);
    QTest::newRow("details") << QStringLiteral("lblCoBrand")
                             << QUrl(HelpSiteAddress + "/fully-branded.html");
}

void TestAbout::links_openTheirPagesAndLeaveWindowOpenAndModal()
{
    QFETCH(QString, link);
    QFETCH(QUrl, page);

    AboutDialog about(m_platform);
    showActive(&about);
    auto *label = about.findChild<QAbstractButton *>(link);
    QVERIFY(label);
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(label->font().underline());

    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton);
    label->setFocus(Qt::TabFocusReason);
    QTest::keyClick(label, Qt::Key_Space);

    QCOMPARE(m_platform.opened, (QList<QUrl>{page, page, page}));
    QVERIFY(about.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), &about);
    about.close();
}

void TestAbout::closeBox_closesLikeOK()
{
    AboutDialog about(m_platform);
    showActive(&about);
    about.windowHandle()->close();
    QTRY_VERIFY(!about.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestAbout::exec_blocksTheMainWindowUntilClosed()
{
    QWidget mainWindow;
    auto *menuButton = new QPushButton("menu", &mainWindow);
    int menuClicks = 0;
    connect(menuButton, &QPushButton::clicked, this, [&] { ++menuClicks; });
    showActive(&mainWindow);
    // Through the window system, where a modal window blocks the others.
    const auto clickMenu = [&] {
        QTest::mouseClick(mainWindow.windowHandle(), Qt::LeftButton, {},
                          menuButton->geometry().center());
    };

    AboutDialog about(m_platform, &mainWindow);
    bool checkedWhileOpen = false;
    QTimer::singleShot(0, this, [&] {
        // Runs inside exec(): the main window must not take a click.
        if (QApplication::activeModalWidget() == &about) {
            clickMenu();
            QTest::mouseClick(about.findChild<QAbstractButton *>("lblHomePage"), Qt::LeftButton);
            checkedWhileOpen = about.isVisible();
            QTest::mouseClick(about.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
        }
        // Whatever happened above, exec() must come back.
        about.done(about.isVisible() ? -1 : about.result());
    });

    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QVERIFY(checkedWhileOpen);
    QCOMPARE(menuClicks, 0);
    QCOMPARE(m_platform.opened, QList<QUrl>{QUrl(HomePageAddress)});

    clickMenu();
    QCOMPARE(menuClicks, 1);
}

QTEST_MAIN(TestAbout)
#include "tst_aboutdialog.moc"
