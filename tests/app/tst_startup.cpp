// SPDX-License-Identifier: MIT
#include "boundedstep.h"
#include "layoutchecks.h"
#include "recordingplatform.h"

#include "app/shutdown.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "ui/main/mainwindow.h"
#include "ui/side/farewellwindow.h"
#include "web/siteaddresses.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using namespace Zentrova;
using Zentrova::Testing::RecordingPlatform;
using Zentrova::Testing::ScriptedRandom;

namespace {

const QString Key =
    Testing::MemorySettingsStore::path(QStringLiteral("Settings"), QStringLiteral("Duration"));

int mainWindows()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += qobject_cast<MainWindow *>(window) != nullptr;
    return count;
}

QWidgetList visibleWindows()
{
    QWidgetList shown;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown.append(window);
    }
    return shown;
}

QList<FarewellWindow *> farewellWindows()
{
    QList<FarewellWindow *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *farewell = qobject_cast<FarewellWindow *>(window))
            found.append(farewell);
    }
    return found;
}

// The File menu's Exit entry, found by the text the user sees.
QAction *exitAction(MainWindow *window)
{
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->text() == QLatin1String("E&xit"))
            return action;
    }
    return nullptr;
}

enum class Closing { ExitEntry, CloseBox };

} // namespace

Q_DECLARE_METATYPE(Closing)

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void secondCopy_isRefusedWithoutAWindowOrTheStore();
    void start_seedsThenRemindsThenOpensTheWindowThenChoosesTheBrand_data();
    void start_seedsThenRemindsThenOpensTheWindowThenChoosesTheBrand();
    void firstStart_asksNothingAndRecordsToday();
    void lockThatCannotBeMade_isReportedOnce_andTheWindowOpens();
    void closingTheMainWindow_handsOverToOneFarewellWindow_data();
    void closingTheMainWindow_handsOverToOneFarewellWindow();
    void whileEnding_closingTheMainWindowShowsNoFarewell();

private:
    std::unique_ptr<QTemporaryDir> m_runtime;
    // Outlive every window a test leaves, even one that stops at a failure.
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<Shutdown> m_shutdown;
};

void TestStartup::init()
{
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
    m_platform = std::make_unique<RecordingPlatform>();
    m_shutdown = std::make_unique<Shutdown>();
}

void TestStartup::cleanup()
{
    Testing::deleteLeftoverWindows();
    m_shutdown.reset();
    m_platform.reset();
}

void TestStartup::secondCopy_isRefusedWithoutAWindowOrTheStore()
{
    SingleInstance first(m_runtime->path(), "zentrova.lock");
    QVERIFY(first.tryAcquire());
    const QByteArray firstLock = [&] {
        QFile file(first.fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    SingleInstance second(m_runtime->path(), "zentrova.lock");
    bool secondAcquired = true;
    QVERIFY2(Testing::endsInTime([&] { secondAcquired = second.tryAcquire(); },
                                 [&] { first.release(); }),
             "the second copy still waited for the first copy's lock after 5 s");
    QVERIFY(!secondAcquired);

    RecordingPlatform &platform = *m_platform;
    Shutdown &shutdown = *m_shutdown;
    platform.useScript({0.5});
    platform.store.values.insert(Key, "2001-01-01");
    bool windowWhileAsking = true;
    platform.onMessage = [&](const Testing::RecordedMessage &) {
        windowWhileAsking = mainWindows() > 0;
    };

    MainWindow *window = startProgram(platform, second, shutdown);

    QCOMPARE(window, nullptr);
    QCOMPARE(platform.messages.size(), 1);
    const auto &message = platform.messages.constFirst();
    QCOMPARE(message.text, QStringLiteral("Application is already running"));
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QVERIFY(message.parent.isNull());
    QVERIFY(!windowWhileAsking);
    // Refused without a window, an update question or a stored value.
    QCOMPARE(mainWindows(), 0);
    QCOMPARE(platform.store.reads, 0);
    QCOMPARE(platform.store.writes, 0);
    QCOMPARE(platform.store.values.value(Key), QStringLiteral("2001-01-01"));
    QVERIFY(platform.opened.isEmpty());
    QCOMPARE(dynamic_cast<ScriptedRandom &>(platform.random()).seedings, 0);
    // The first copy keeps its lock as it was.
    QVERIFY(first.isHeld());
    QFile lock(first.fileName());
    QVERIFY(lock.open(QIODevice::ReadOnly));
    QCOMPARE(lock.readAll(), firstLock);
}

void TestStartup::start_seedsThenRemindsThenOpensTheWindowThenChoosesTheBrand_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<double>("draw");
    QTest::addColumn<QString>("labelInFront");

    QTest::newRow("Yes, even number") << MessageAnswer::Yes << 0.9 << "fullBrandingLink";
    QTest::newRow("No, odd number") << MessageAnswer::No << 0.0 << "coBrandingLink";
}

void TestStartup::start_seedsThenRemindsThenOpensTheWindowThenChoosesTheBrand()
{
    QFETCH(MessageAnswer, answer);
    QFETCH(double, draw);
    QFETCH(QString, labelInFront);

    SingleInstance instance(m_runtime->path(), "zentrova.lock");
    QVERIFY(instance.tryAcquire());
    RecordingPlatform &platform = *m_platform;
    Shutdown &shutdown = *m_shutdown;
    // The brand draw comes first after seeding; a draw before it would shift it.
    platform.useScript({draw, 0.5});
    platform.store.values.insert(Key, platform.todayDate.addDays(-15).toString(Qt::ISODate));
    platform.answers.enqueue(answer);
    int seedingsWhileAsking = -1;
    int windowsWhileAsking = -1;
    platform.onMessage = [&](const Testing::RecordedMessage &) {
        seedingsWhileAsking = dynamic_cast<ScriptedRandom &>(platform.random()).seedings;
        windowsWhileAsking = mainWindows();
    };

    QPointer<MainWindow> window = startProgram(platform, instance, shutdown);

    QVERIFY(window);
    QCOMPARE(seedingsWhileAsking, 1);
    QCOMPARE(windowsWhileAsking, 0);
    QCOMPARE(dynamic_cast<ScriptedRandom &>(platform.random()).seedings, 1);
    QCOMPARE(platform.store.values.value(Key), platform.todayDate.toString(Qt::ISODate));
    const QStringList opened = answer == MessageAnswer::Yes
                                   ? QStringList{ProductSiteAddress + "/download-zentrova.html"}
                                   : QStringList{};
    QCOMPARE(platform.openedAddresses(), opened);

    // Shown modeless, without owner, gone once closed.
    QCOMPARE(mainWindows(), 1);
    QVERIFY(window->isVisible());
    QCOMPARE(window->parentWidget(), nullptr);
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    auto *label = window->findChild<QWidget *>(labelInFront);
    QVERIFY(label);
    QVERIFY(label->isVisible());
}

void TestStartup::firstStart_asksNothingAndRecordsToday()
{
    SingleInstance instance(m_runtime->path(), "zentrova.lock");
    QVERIFY(instance.tryAcquire());
    RecordingPlatform &platform = *m_platform;
    Shutdown &shutdown = *m_shutdown;

    QPointer<MainWindow> window = startProgram(platform, instance, shutdown);

    QVERIFY(window);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.store.values.value(Key), platform.todayDate.toString(Qt::ISODate));
    QVERIFY(platform.opened.isEmpty());
    QVERIFY(window->findChild<QWidget *>("coBrandingLink")->isVisible() !=
            window->findChild<QWidget *>("fullBrandingLink")->isVisible());
}

void TestStartup::lockThatCannotBeMade_isReportedOnce_andTheWindowOpens()
{
    // A "folder" that is a file cannot hold the lock.
    QFile plain(m_runtime->filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    SingleInstance instance(plain.fileName(), "zentrova.lock");
    QVERIFY(instance.tryAcquire());
    RecordingPlatform &platform = *m_platform;
    Shutdown &shutdown = *m_shutdown;

    Testing::WarningLog log;
    QPointer<MainWindow> window = startProgram(platform, instance, shutdown);

    QVERIFY(window);
    QCOMPARE(log.lines, QStringList{instance.problem()});
    QVERIFY(platform.messages.isEmpty());
}

void TestStartup::closingTheMainWindow_handsOverToOneFarewellWindow_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::newRow("File > Exit") << Closing::ExitEntry;
    QTest::newRow("close box") << Closing::CloseBox;
}

void TestStartup::closingTheMainWindow_handsOverToOneFarewellWindow()
{
    QFETCH(Closing, closing);
    SingleInstance instance(m_runtime->path(), "zentrova.lock");
    QVERIFY(instance.tryAcquire());
    RecordingPlatform &platform = *m_platform;
    Shutdown &shutdown = *m_shutdown;
    // The banner's draw, then the support message's.
    platform.useScript({0.0, 0.75});
    QPointer<MainWindow> window = startProgram(platform, instance, shutdown);
    QVERIFY(window);

    if (closing == Closing::ExitEntry) {
        QAction *exit = exitAction(window);
        QVERIFY(exit);
        exit->trigger();
    } else {
        QVERIFY(window->close());
    }

    // The main window goes; one farewell window of its own takes over.
    QTRY_VERIFY(window.isNull());
    const QList<FarewellWindow *> farewells = farewellWindows();
    QCOMPARE(farewells.size(), 1);
    QPointer<FarewellWindow> farewell = farewells.constFirst();
    QCOMPARE(farewell->parentWidget(), nullptr);
    QCOMPARE(visibleWindows(), QWidgetList{farewell});
    QVERIFY(!shutdown.isEnding());
    // Its support message is a fresh draw from a source seeded anew.
    QCOMPARE(dynamic_cast<ScriptedRandom &>(platform.random()).seedings, 2);
    auto *message = farewell->findChild<QLabel *>(QStringLiteral("supportMessageLabel"));
    QVERIFY(message);
    QCOMPARE(message->text(),
             FarewellWindow::supportMessages().at(FarewellWindow::supportMessageIndex(0.75)));

    // Closing it ends the program, once.
    QVERIFY(farewell->close());
    QVERIFY(shutdown.isEnding());
    QVERIFY(visibleWindows().isEmpty());
    // Nothing is left behind either.
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestStartup::whileEnding_closingTheMainWindowShowsNoFarewell()
{
    SingleInstance instance(m_runtime->path(), "zentrova.lock");
    QVERIFY(instance.tryAcquire());
    RecordingPlatform &platform = *m_platform;
    Shutdown &shutdown = *m_shutdown;
    QPointer<MainWindow> window = startProgram(platform, instance, shutdown);
    QVERIFY(window);

    shutdown.endProgram();

    QVERIFY(shutdown.isEnding());
    QTRY_VERIFY(window.isNull());
    QVERIFY(farewellWindows().isEmpty());
    QVERIFY(visibleWindows().isEmpty());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
