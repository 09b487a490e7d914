// SPDX-License-Identifier: MIT
#include "recordingplatform.h"

#include "app/shutdown.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>

using namespace Zentrova;
using Zentrova::Testing::RecordingPlatform;

namespace {

// A window that records its closing handling, and may end the program from it
// as the farewell window does.
class RecordingWindow final : public QWidget
{
public:
    RecordingWindow(const QString &name, QStringList &log, RecordingPlatform &platform,
                    Shutdown &shutdown)
        : m_log(log), m_platform(platform), m_shutdown(shutdown)
    {
        setObjectName(name);
    }

    bool endsProgramOnClose = false;
    QPointer<QWidget> deleteOnClose;
    int closings = 0;
    // What had happened to the program when this window's closing began.
    qsizetype endingsSeen = -1;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closings;
        endingsSeen = m_platform.endings.size();
        m_log.append(objectName());
        if (deleteOnClose)
            delete deleteOnClose;
        if (endsProgramOnClose) {
            m_shutdown.endProgram();
            m_log.append(objectName() + QStringLiteral(" back"));
        }
        event->accept();
    }

private:
    QStringList &m_log;
    RecordingPlatform &m_platform;
    Shutdown &m_shutdown;
};

} // namespace

class TestShutdown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void endProgram_closesEveryWindowOnce_withANestedCall();
    void endProgram_enteredFromAWindowsClosing_closesTheOthersOnce();
    void endProgram_skipsAWindowDeletedWhileClosingAnother();
    void endProgram_beforeAnyWindow_endsAtOnce();
};

void TestShutdown::cleanup()
{
    const QWidgetList left = QApplication::topLevelWidgets();
    qDeleteAll(left);
    QVERIFY(left.isEmpty());
}

void TestShutdown::endProgram_closesEveryWindowOnce_withANestedCall()
{
    RecordingPlatform platform;
    Shutdown shutdown(platform);
    QStringList log;
    auto *main = new RecordingWindow("main", log, platform, shutdown);
    main->setAttribute(Qt::WA_DeleteOnClose);
    auto *farewell = new RecordingWindow("farewell", log, platform, shutdown);
    farewell->endsProgramOnClose = true;
    auto *hidden = new RecordingWindow("hidden", log, platform, shutdown);
    auto *about = new RecordingWindow("about", log, platform, shutdown);
    QPointer<QWidget> mainAlive = main;
    main->show();
    farewell->show();
    about->show();

    shutdown.endProgram();

    QCOMPARE(platform.endings, QList<int>{0});
    QVERIFY(shutdown.isEnding());
    // Windows close first, then the process ends.
    for (const RecordingWindow *window : {farewell, hidden, about})
        QCOMPARE(window->endingsSeen, 0);

    // Each closing handling ran once; the nested call came straight back and
    // left the rest to the outer call.
    QCOMPARE(log.count("main"), 1);
    QCOMPARE(log.count("farewell"), 1);
    QCOMPARE(log.count("hidden"), 1);
    QCOMPARE(log.count("about"), 1);
    QCOMPARE(log.size(), 5);
    QVERIFY(log.indexOf("farewell back") == log.indexOf("farewell") + 1);

    QVERIFY(!farewell->isVisible());
    QVERIFY(!about->isVisible());
    QVERIFY(!hidden->isVisible());
    QTRY_VERIFY(mainAlive.isNull());
    delete farewell;
    delete hidden;
    delete about;
}

void TestShutdown::endProgram_enteredFromAWindowsClosing_closesTheOthersOnce()
{
    RecordingPlatform platform;
    Shutdown shutdown(platform);
    QStringList log;
    auto *farewell = new RecordingWindow("farewell", log, platform, shutdown);
    farewell->endsProgramOnClose = true;
    auto *about = new RecordingWindow("about", log, platform, shutdown);
    auto *main = new RecordingWindow("main", log, platform, shutdown);
    farewell->show();
    about->show();
    main->hide();

    // The user closes the farewell window from its title bar.
    farewell->close();

    QCOMPARE(farewell->closings, 1);
    QCOMPARE(about->closings, 1);
    QCOMPARE(main->closings, 1);
    QCOMPARE(platform.endings, QList<int>{0});
    // The others were closed inside the farewell window's own closing.
    QCOMPARE(log.constFirst(), QStringLiteral("farewell"));
    QCOMPARE(log.constLast(), QStringLiteral("farewell back"));
    QCOMPARE(about->endingsSeen, 0);
    QCOMPARE(main->endingsSeen, 0);
    QVERIFY(!farewell->isVisible());
    delete farewell;
    delete about;
    delete main;
}

void TestShutdown::endProgram_skipsAWindowDeletedWhileClosingAnother()
{
    RecordingPlatform platform;
    Shutdown shutdown(platform);
    QStringList log;
    auto *first = new RecordingWindow("first", log, platform, shutdown);
    auto *second = new RecordingWindow("second", log, platform, shutdown);
    // Whichever is closed first deletes the other.
    first->deleteOnClose = second;
    second->deleteOnClose = first;
    QPointer<QWidget> firstAlive = first;
    QPointer<QWidget> secondAlive = second;
    first->show();
    second->show();

    shutdown.endProgram();

    QCOMPARE(log.size(), 1);
    QCOMPARE(int(firstAlive.isNull()) + int(secondAlive.isNull()), 1);
    QCOMPARE(platform.endings, QList<int>{0});
    delete firstAlive.data();
    delete secondAlive.data();
}

void TestShutdown::endProgram_beforeAnyWindow_endsAtOnce()
{
    RecordingPlatform platform;
    Shutdown shutdown(platform);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());

    shutdown.endProgram();
    QCOMPARE(platform.endings, QList<int>{0});
    QCOMPARE(platform.store.reads + platform.store.writes, 0);

    // Once ending, a later call adds nothing.
    shutdown.endProgram();
    QCOMPARE(platform.endings, QList<int>{0});
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
