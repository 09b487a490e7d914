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
#include <QProcess>
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

// The openers the platform watches, until each is deleted after its verdict.
QList<QProcess *> watchedOpeners()
{
    return QCoreApplication::instance()->findChildren<QProcess *>(
        QStringLiteral("webAddressOpener"), Qt::FindDirectChildrenOnly);
}

// An xdg-open in folder that runs the shell script body (none for an empty
// body), with folder first on the PATH, or alone on it. The PATH and BROWSER
// come back when it goes.
class OpenerOnPath final
{
    Q_DISABLE_COPY_MOVE(OpenerOnPath)

public:
    OpenerOnPath(const QString &folder, const QByteArray &body, bool alone)
        : m_script(folder + QStringLiteral("/xdg-open")), m_path(qgetenv("PATH")),
          m_browser(qgetenv("BROWSER"))
    {
        if (!body.isEmpty()) {
            QFile file(m_script);
            m_ready =
                file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n" + body + "\n") > 0;
            file.close();
            m_ready = m_ready &&
                      file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(folder) + (alone ? QByteArray() : ':' + m_path));
        qunsetenv("BROWSER");
    }
    ~OpenerOnPath()
    {
        qputenv("PATH", m_path);
        qputenv("BROWSER", m_browser);
    }
    bool isReady() const { return m_ready; }
    QString script() const { return m_script; }

private:
    QString m_script;
    QByteArray m_path;
    QByteArray m_browser;
    bool m_ready = true;
};

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
    void openersThatNeverExit_areWatchedAFewAtATime();
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
    bool showsAnIcon = false;
    whenModalOpens([&](QWidget *box) {
        auto *icon = box->findChild<QLabel *>("messageIcon");
        showsAnIcon = icon && !icon->pixmap().isNull();
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
    QVERIFY(showsAnIcon);
}

void TestDesktopPlatform::openWebAddress_failsWhenTheOpenerRefusesOrIsMissing_data()
{
    QTest::addColumn<QByteArray>("opener");
    QTest::addColumn<int>("refusedBefore");
    QTest::addColumn<bool>("fails");

    QTest::newRow("opener takes it") << QByteArray("echo \"$1\" > \"$0.url\"") << 0 << false;
    QTest::newRow("opener finds no browser") << QByteArray("exit 3") << 0 << true;
    QTest::newRow("no opener, no browser") << QByteArray() << 0 << true;
    // An opener that has ended is no longer counted among the watched.
    QTest::newRow("opener finds no browser, after four refusals")
        << QByteArray("exit 3") << DesktopPlatform::MostWatchedOpeners << true;
}

void TestDesktopPlatform::openWebAddress_failsWhenTheOpenerRefusesOrIsMissing()
{
#ifdef Q_OS_WIN
    QSKIP("Windows opens addresses through the shell, not xdg-open");
#endif
    QFETCH(QByteArray, opener);
    QFETCH(int, refusedBefore);
    QFETCH(bool, fails);

    // A PATH of one folder holding our xdg-open, or none at all.
    const OpenerOnPath path(m_dir->path(), opener, true);
    QVERIFY(path.isReady());
    DesktopPlatform platform(m_store);
    int failures = 0;
    const QUrl address(QStringLiteral("https://www.example.org/a?b=c%20d"));
    for (int refused = 1; refused <= refusedBefore; ++refused) {
        platform.openWebAddress(address, [&failures] { ++failures; });
        QTRY_COMPARE(failures, refused);
        QTRY_VERIFY(watchedOpeners().isEmpty());
    }

    platform.openWebAddress(address, [&failures] { ++failures; });

    if (fails) {
        QTRY_COMPARE(failures, refusedBefore + 1);
        return;
    }
    QTRY_VERIFY(QFile::exists(path.script() + QStringLiteral(".url")));
    QFile url(path.script() + QStringLiteral(".url"));
    QVERIFY(url.open(QIODevice::ReadOnly));
    QCOMPARE(url.readAll().trimmed(), address.toEncoded());
    // Its verdict is given before it is deleted.
    QTRY_VERIFY(watchedOpeners().isEmpty());
    QCOMPARE(failures, 0);
}

void TestDesktopPlatform::openersThatNeverExit_areWatchedAFewAtATime()
{
#ifdef Q_OS_WIN
    QSKIP("Windows opens addresses through the shell, not xdg-open");
#endif
    // An opener that waits for its browser for as long as the platform lives,
    // for the pages that say so; the others open at once.
    const OpenerOnPath path(m_dir->path(), "case \"$1\" in *wait*) exec sleep 60 ;; esac", false);
    QVERIFY(path.isReady());
    int failures = 0;
    {
        DesktopPlatform platform(m_store);
        for (int click = 0; click < 60; ++click) {
            const QString page = click < DesktopPlatform::MostWatchedOpeners ? "wait" : "at-once";
            platform.openWebAddress(QUrl("https://www.example.org/" + page),
                                    [&failures] { ++failures; });
            // Each watched opener holds a process and its descriptors.
            QCOMPARE_LE(watchedOpeners().size(), DesktopPlatform::MostWatchedOpeners);
        }
        QCOMPARE(watchedOpeners().size(), DesktopPlatform::MostWatchedOpeners);
    }
    // Ended with the platform, without a verdict.
    QVERIFY(watchedOpeners().isEmpty());
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
