// SPDX-License-Identifier: MIT
// The about window: its modality, its layout, its texts, its links and how it closes.
#include "findcontrol.h"
#include "layoutchecks.h"
#include "recordingplatform.h"

#include "platform/version.h"
#include "ui/side/aboutdialog.h"
#include "web/links.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

using namespace Zentrova;
using namespace Zentrova::Testing;

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void opens_modalAndCentredWithFocusOnFlatDefaultOK();
    void controls_lieInsideTheWindowApartWithTextsThatFit();
    void texts_goThroughTranslation();
    void controls_tellScreenReadersWhatTheyAreAndDo();
    void enterOrEscape_closesWhereverTheFocusIs_data();
    void enterOrEscape_closesWhereverTheFocusIs();
    void links_openTheirPagesAndLeaveWindowOpenAndModal_data();
    void links_openTheirPagesAndLeaveWindowOpenAndModal();
    void closeBox_closesLikeOK();
    void exec_blocksTheMainWindowUntilClosed();

private:
    // The fixture owns the windows, so a test that stops at a failed check
    // leaves nothing open behind it.
    AboutDialog &openAbout(QWidget *parent = nullptr);
    static void showActive(QWidget *window);

    RecordingPlatform m_platform;
    QPointer<AboutDialog> m_about;
    std::unique_ptr<QWidget> m_mainWindow;
};

void TestAboutDialog::cleanup()
{
    m_platform.opened.clear();
    delete m_about.data();
    m_mainWindow.reset();
    const QStringList left = deleteLeftoverWindows();
    QVERIFY2(left.isEmpty(), qPrintable("left open: " + left.join(", ")));
}

AboutDialog &TestAboutDialog::openAbout(QWidget *parent)
{
    m_about = new AboutDialog(m_platform, parent);
    showActive(m_about);
    return *m_about;
}

void TestAboutDialog::showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("%s did not become active", qPrintable(window->objectName()));
}

void TestAboutDialog::opens_modalAndCentredWithFocusOnFlatDefaultOK()
{
    AboutDialog &about = openAbout();

    QCOMPARE(about.windowTitle(), titleWithVersion());
    const QStringList problems = fixedWindowProblems(&about);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
    QCOMPARE(about.windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), &about);
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    auto *ok = findControl<QPushButton>(&about, "okButton");
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);
    // The default button is drawn flat in its own colour, not tinted as the
    // style tints a default one: a row clear of the border above the caption.
    const QImage face = ok->grab().toImage();
    const QColor faceColour = ok->palette().color(QPalette::Button);
    for (int x = 3; x < face.width() - 3; ++x)
        QVERIFY2(face.pixelColor(x, 3) == faceColour, qPrintable(face.pixelColor(x, 3).name()));
}

void TestAboutDialog::controls_lieInsideTheWindowApartWithTextsThatFit()
{
    AboutDialog &about = openAbout();
    // The separator runs across the whole window, beyond both its edges.
    const QStringList problems = layoutProblems(&about, {"separatorLine"});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
    const QRect line = findControl<QWidget>(&about, "separatorLine")->geometry();
    QVERIFY(line.left() <= 0 && line.right() >= about.width() - 1);
    QVERIFY(line.bottom() < findControl<QWidget>(&about, "okButton")->y());
}

void TestAboutDialog::texts_goThroughTranslation()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    AboutDialog &about = openAbout();
    // The title is the program's name and version.
    const QStringList unmarked = unmarkedTexts(&about, {"titleLabel"});
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(", ")));
}

void TestAboutDialog::controls_tellScreenReadersWhatTheyAreAndDo()
{
    AboutDialog &about = openAbout();
    for (const char *name : {"okButton", "homePageLink", "brandingDetailsLink"}) {
        auto *control = findControl<QAbstractButton>(&about, name);
        const AccessibleControl seen = accessibleControl(control);
        QVERIFY2(seen.role == QAccessible::Button || seen.role == QAccessible::Link, name);
        QCOMPARE(seen.name, visibleText(control->text()));
        QVERIFY2(seen.actions.contains(QAccessibleActionInterface::pressAction()), name);
    }
}

void TestAboutDialog::enterOrEscape_closesWhereverTheFocusIs_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");

    for (int tabs = 0; tabs < 3; ++tabs) {
        QTest::addRow("Return after %d tabs", tabs)
            << tabs << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::addRow("Enter after %d tabs", tabs)
            << tabs << int(Qt::Key_Enter) << int(QDialog::Accepted);
        QTest::addRow("Esc after %d tabs", tabs)
            << tabs << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
}

void TestAboutDialog::enterOrEscape_closesWhereverTheFocusIs()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(int, result);

    AboutDialog &about = openAbout();
    // The OK button first, then the two links from bottom to top.
    QCOMPARE(tabOrder(&about), QStringList({"brandingDetailsLink", "homePageLink", "okButton"}));
    about.setResult(-1);
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTRY_VERIFY(!about.isVisible());
    QCOMPARE(about.result(), result);
    QVERIFY(m_platform.opened.isEmpty());
}

void TestAboutDialog::links_openTheirPagesAndLeaveWindowOpenAndModal_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QUrl>("page");
    const auto pageOf = [](Link link) {
        return linkAddress(link);
    };

    // The home page link shows the main site but opens the home page.
    QTest::newRow("home page") << QStringLiteral("homePageLink") << pageOf(Link::HomePage);
    // The offer above it is for a fully branded copy, not a co-branded one.
    QTest::newRow("details") << QStringLiteral("brandingDetailsLink") << pageOf(Link::FullBranding);
}

void TestAboutDialog::links_openTheirPagesAndLeaveWindowOpenAndModal()
{
    QFETCH(QString, link);
    QFETCH(QUrl, page);
    QVERIFY(isUnderConfiguredSite(page));

    AboutDialog &about = openAbout();
    auto *control = findControl<QWidget>(&about, link);
    QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(control->font().underline());

    QTest::mouseClick(control, Qt::LeftButton);
    QTest::mouseClick(control, Qt::LeftButton);
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, Qt::Key_Space);

    QCOMPARE(m_platform.opened, (QList<QUrl>{page, page, page}));
    QVERIFY(about.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), &about);
}

void TestAboutDialog::closeBox_closesLikeOK()
{
    AboutDialog &about = openAbout();
    about.windowHandle()->close();
    QTRY_VERIFY(!about.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestAboutDialog::exec_blocksTheMainWindowUntilClosed()
{
    m_mainWindow = std::make_unique<QWidget>();
    QWidget *mainWindow = m_mainWindow.get();
    auto *menuButton = new QPushButton("menu", mainWindow);
    int menuClicks = 0;
    connect(menuButton, &QPushButton::clicked, this, [&] { ++menuClicks; });
    showActive(mainWindow);
    // Through the window system, where a modal window blocks the others.
    const auto clickMenu = [&] {
        QTest::mouseClick(mainWindow->windowHandle(), Qt::LeftButton, {},
                          menuButton->geometry().center());
    };

    m_about = new AboutDialog(m_platform, mainWindow);
    AboutDialog &about = *m_about;
    bool checkedWhileOpen = false;
    QTimer::singleShot(0, &about, [&] {
        // Runs inside exec(): the main window must not take a click.
        if (QApplication::activeModalWidget() == &about) {
            clickMenu();
            QTest::mouseClick(findControl<QWidget>(&about, "homePageLink"), Qt::LeftButton);
            checkedWhileOpen = about.isVisible();
            QTest::mouseClick(findControl<QWidget>(&about, "okButton"), Qt::LeftButton);
        }
    });
    // Whatever became of the checks above, exec() comes back. Later than
    // they need: the clicks let other events through.
    QTimer::singleShot(5000, &about, [&about] {
        if (about.isVisible())
            about.done(-1);
    });

    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QVERIFY(checkedWhileOpen);
    QCOMPARE(menuClicks, 0);
    QCOMPARE(m_platform.opened.size(), 1);

    clickMenu();
    QCOMPARE(menuClicks, 1);
}

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
