// SPDX-License-Identifier: MIT
#include "app/shutdown.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace Zentrova;

namespace {

// A window that records its closing handling, and may end the program from it
// as the farewell window does.
class RecordingWindow final : public QWidget
{
public:
    RecordingWindow(const QString &name, QStringList &log, Shutdown &shutdown)
        : m_log(log), m_shutdown(shutdown)
    {
        setObjectName(name);
    }

    bool endsProgramOnClose = false;
    QPointer<QWidget> deleteOnClose;
    int closings = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closings;
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
    void endProgram_quitsTheEventLoopOnce();
};

void TestShutdown::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestShutdown::endProgram_closesEveryWindowOnce_withANestedCall()
{
    Shutdown shutdown;
    QStringList log;
    auto *main = new RecordingWindow("main", log, shutdown);
    main->setAttribute(Qt::WA_DeleteOnClose);
    auto *farewell = new RecordingWindow("farewell", log, shutdown);
    farewell->endsProgramOnClose = true;
    auto *hidden = new RecordingWindow("hidden", log, shutdown);
    auto *about = new RecordingWindow("about", log, shutdown);
    QPointer<QWidget> mainAlive = main;
    main->show();
    farewell->show();
    about->show();

    shutdown.endProgram();

    QVERIFY(shutdown.isEnding());

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
    Shutdown shutdown;
    QStringList log;
    auto *farewell = new RecordingWindow("farewell", log, shutdown);
    farewell->endsProgramOnClose = true;
    auto *about = new RecordingWindow("about", log, shutdown);
    auto *main = new RecordingWindow("main", log, shutdown);
    farewell->show();
    about->show();
    main->hide();

    // The user closes the farewell window from its title bar.
    farewell->close();

    QCOMPARE(farewell->closings, 1);
    QCOMPARE(about->closings, 1);
    QCOMPARE(main->closings, 1);
    // The others were closed inside the farewell window's own closing.
    QCOMPARE(log.constFirst(), QStringLiteral("farewell"));
    QCOMPARE(log.constLast(), QStringLiteral("farewell back"));
    QVERIFY(!farewell->isVisible());
    delete farewell;
    delete about;
    delete main;
}

void TestShutdown::endProgram_skipsAWindowDeletedWhileClosingAnother()
{
    Shutdown shutdown;
    QStringList log;
    auto *first = new RecordingWindow("first", log, shutdown);
    auto *second = new RecordingWindow("second", log, shutdown);
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
    delete firstAlive.data();
    delete secondAlive.data();
}

void TestShutdown::endProgram_quitsTheEventLoopOnce()
{
    Shutdown shutdown;
    QStringList log;
    auto *farewell = new RecordingWindow("farewell", log, shutdown);
    farewell->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> farewellAlive = farewell;
    farewell->show();
    QTimer::singleShot(0, farewell, [&shutdown] {
        shutdown.endProgram();
        // Once ending, a later call adds nothing.
        shutdown.endProgram();
    });

    QCOMPARE(QApplication::exec(), 0);

    QCOMPARE(log, QStringList{"farewell"});
    // A window deleted on its closing is gone by the time the loop returns.
    QVERIFY(farewellAlive.isNull());
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
