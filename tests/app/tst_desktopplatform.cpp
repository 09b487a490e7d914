// SPDX-License-Identifier: MIT
#include "recordingplatform.h"

#include "app/desktopplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Zentrova;

Q_DECLARE_METATYPE(Zentrova::MessageAnswer)
Q_DECLARE_METATYPE(Zentrova::MessageButtons)
Q_DECLARE_METATYPE(Zentrova::MessageIcon)

namespace {

// Waits for the message box to open, then hands it to act, which answers it.
void whenModalOpens(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box) {
            whenModalOpens(act);
            return;
        }
        act(box);
    });
}

void whenBoxOpens(std::function<void(QMessageBox *)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            whenBoxOpens(act);
            return;
        }
        act(box);
    });
}

} // namespace

class TestDesktopPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void showMessage_showsTheBoxAndReturnsTheButtonPressed_data();
    void showMessage_showsTheBoxAndReturnsTheButtonPressed();
    void showMessage_staysOverItsParent();
    void warning_showsItsTextToCopyWholeInAField_data();
    void warning_showsItsTextToCopyWholeInAField();
    void openWebAddress_failsWhenTheOpenerRefusesOrIsMissing_data();
    void openWebAddress_failsWhenTheOpenerRefusesOrIsMissing();
    void openersThatNeverExit_holdABoundedNumberOfDescriptors();
    void openWebAddress_failsWhenTheShellHasNoHandler();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    Testing::MemorySettingsStore m_store;
};

void TestDesktopPlatform::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestDesktopPlatform::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestDesktopPlatform::showMessage_showsTheBoxAndReturnsTheButtonPressed_data()
{
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<int>("press"); // a standard button, or 0 for the Return key
    QTest::addColumn<MessageAnswer>("answer");

    QTest::newRow("Return takes Yes, the default")
        << MessageIcon::Information << MessageButtons::YesNo << 0 << MessageAnswer::Yes;
    QTest::newRow("No clicked") << MessageIcon::Information << MessageButtons::YesNo
                                << int(QMessageBox::No) << MessageAnswer::No;
    QTest::newRow("Yes clicked") << MessageIcon::Information << MessageButtons::YesNo
                                 << int(QMessageBox::Yes) << MessageAnswer::Yes;
    QTest::newRow("OK clicked") << MessageIcon::Critical << MessageButtons::Ok
                                << int(QMessageBox::Ok) << MessageAnswer::Ok;
    QTest::newRow("Return takes OK")
        << MessageIcon::Information << MessageButtons::Ok << 0 << MessageAnswer::Ok;
    QTest::newRow("warning, OK clicked")
        << MessageIcon::Warning << MessageButtons::Ok << int(QMessageBox::Ok) << MessageAnswer::Ok;
}

void TestDesktopPlatform::showMessage_showsTheBoxAndReturnsTheButtonPressed()
{
    QFETCH(MessageIcon, icon);
    QFETCH(MessageButtons, buttons);
    QFETCH(int, press);
    QFETCH(MessageAnswer, answer);

    DesktopPlatform platform(m_store);
    QString title;
    QString text;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons shownButtons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    Qt::TextInteractionFlags textFlags;
    whenBoxOpens([&](QMessageBox *box) {
        textFlags = box->textInteractionFlags();
        title = box->windowTitle();
        text = box->text();
        shownIcon = box->icon();
        shownButtons = box->standardButtons();
        defaultButton = box->standardButton(box->defaultButton());
        if (press == 0)
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::mouseClick(box->button(QMessageBox::StandardButton(press)), Qt::LeftButton);
    });

    const MessageAnswer pressed = platform.showMessage(
        nullptr, {"There maybe an update\nDo you want to check?", icon, buttons, {}});

    QCOMPARE(pressed, answer);
    QCOMPARE(title, ProgramTitle);
    QCOMPARE(text, QStringLiteral("There maybe an update\nDo you want to check?"));
    const QMap<MessageIcon, QMessageBox::Icon> icons{
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::Warning, QMessageBox::Warning},
        {MessageIcon::Critical, QMessageBox::Critical}};
    QCOMPARE(shownIcon, icons.value(icon));
    // A warning's text (an address to copy) can be selected by mouse and keyboard.
    const Qt::TextInteractionFlags selectable =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    QCOMPARE((textFlags & selectable) == selectable, icon == MessageIcon::Warning);
    if (buttons == MessageButtons::YesNo) {
        QCOMPARE(shownButtons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(defaultButton, QMessageBox::Yes);
    } else {
        QCOMPARE(shownButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

void TestDesktopPlatform::showMessage_staysOverItsParent()
{
    DesktopPlatform platform(m_store);
    QWidget farewell;
    farewell.setWindowFlag(Qt::WindowStaysOnTopHint);
    farewell.show();
    QWidget *parent = nullptr;
    whenBoxOpens([&](QMessageBox *box) {
        parent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });

    platform.showMessage(&farewell,
                         {"Please enter your name", MessageIcon::Critical, MessageButtons::Ok, {}});
    QCOMPARE(parent, &farewell);
}

void TestDesktopPlatform::warning_showsItsTextToCopyWholeInAField_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("short") << "https://x.example/help.html";
    QTest::newRow("longer than any box") << "https://x.example/refer?taf3=" + QString(600, 'm');
}

void TestDesktopPlatform::warning_showsItsTextToCopyWholeInAField()
{
    QFETCH(QString, address);
    DesktopPlatform platform(m_store);
    QString text;
    QString copyable;
    bool readOnly = false;
    bool fieldFitsInTheBox = false;
    bool fieldFitsOnScreen = false;
    whenModalOpens([&](QWidget *box) {
        auto *label = box->findChild<QLabel *>("messageText");
        text = label ? label->text() : QString();
        auto *field = box->findChild<QPlainTextEdit *>("copyableText");
        if (field) {
            copyable = field->toPlainText();
            readOnly = field->isReadOnly();
            fieldFitsInTheBox =
                box->rect().contains(QRect(field->mapTo(box, QPoint()), field->size()));
            fieldFitsOnScreen = box->width() <= box->screen()->availableGeometry().width();
        }
        QTest::keyClick(box, Qt::Key_Return);
    });

    platform.showMessage(nullptr, {"Could not open the page.\nCopy its address:",
                                   MessageIcon::Warning, MessageButtons::Ok, address});

    QCOMPARE(text, QStringLiteral("Could not open the page.\nCopy its address:"));
    QCOMPARE(copyable, address);
    QVERIFY(readOnly);
    QVERIFY(fieldFitsInTheBox);
    QVERIFY(fieldFitsOnScreen);
}

void TestDesktopPlatform::openWebAddress_failsWhenTheOpenerRefusesOrIsMissing_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("fails");

    QTest::newRow("opener takes it") << QStringLiteral("echo \"$1\" > \"$0.url\"") << false;
    QTest::newRow("opener finds no browser") << QStringLiteral("exit 3") << true;
    QTest::newRow("no opener, no browser") << QString() << true;
}

void TestDesktopPlatform::openWebAddress_failsWhenTheOpenerRefusesOrIsMissing()
{
#ifdef Q_OS_WIN
    QSKIP("Windows opens addresses through the shell, not xdg-open");
#endif
    QFETCH(QString, opener);
    QFETCH(bool, fails);

    // A PATH of one folder holding our xdg-open, or none at all.
    const QString script = m_dir->filePath(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + opener.toUtf8() + "\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    const QByteArray browser = qgetenv("BROWSER");
    qputenv("PATH", QFile::encodeName(m_dir->path()));
    qunsetenv("BROWSER");

    DesktopPlatform platform(m_store);
    const QUrl address(QStringLiteral("https://www.example.org/a?b=c%20d"));
    int failures = 0;
    platform.openWebAddress(address, [&failures] { ++failures; });
    qputenv("PATH", path);
    qputenv("BROWSER", browser);

    if (fails) {
        QTRY_COMPARE(failures, 1);
    } else {
        QTRY_VERIFY(QFile::exists(script + QStringLiteral(".url")));
        QFile url(script + QStringLiteral(".url"));
        QVERIFY(url.open(QIODevice::ReadOnly));
        QCOMPARE(url.readAll().trimmed(), address.toEncoded());
        QTest::qWait(100);
        QCOMPARE(failures, 0);
    }
}

void TestDesktopPlatform::openersThatNeverExit_holdABoundedNumberOfDescriptors()
{
#ifdef Q_OS_WIN
    QSKIP("Windows opens addresses through the shell, not xdg-open");
#endif
    // An opener that waits for its browser for as long as the test runs.
    const QString script = m_dir->filePath(QStringLiteral("xdg-open"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexec sleep 3\n");
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_dir->path()) + ':' + path);
    const auto descriptors = [] {
        return QDir(QStringLiteral("/proc/self/fd")).count();
    };

    int failures = 0;
    {
        DesktopPlatform platform(m_store);
        const qsizetype before = descriptors();
        for (int click = 0; click < 60; ++click)
            platform.openWebAddress(QUrl(QStringLiteral("https://www.example.org/")),
                                    [&failures] { ++failures; });
        QVERIFY2(descriptors() - before <= 4 * DesktopPlatform::MostWatchedOpeners,
                 qPrintable(QString::number(descriptors() - before)));
    }
    qputenv("PATH", path);
    QCOMPARE(failures, 0);
}

void TestDesktopPlatform::openWebAddress_failsWhenTheShellHasNoHandler()
{
#ifndef Q_OS_WIN
    QSKIP("Only Windows asks the shell; elsewhere xdg-open tells");
#endif
    // A scheme no program handles: the shell refuses at once, and no browser
    // starts.
    DesktopPlatform platform(m_store);
    int failures = 0;
    platform.openWebAddress(QUrl(QStringLiteral("zentrova-without-handler:page")),
                            [&failures] { ++failures; });
    QCOMPARE(failures, 1);
}

QTEST_MAIN(TestDesktopPlatform)
#include "tst_desktopplatform.moc"
