// SPDX-License-Identifier: MIT
#include "helperprocess.h"

#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

using namespace Zentrova;
using Zentrova::Testing::age;
using Zentrova::Testing::HelperProcess;

namespace {

const QString LockName = QStringLiteral("zentrova.lock");

enum class Before {
    LiveHolder,
    LiveHolderAged,
    KilledHolder,
    LiveSameNameAged,
    LiveSameNameFresh,
    EmptyAged,
    EmptyOneSecond,
    EmptyFresh,
    EmptyFromTheFuture,
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// A lock file exactly as Qt writes it, naming this live test process: what a
// dead holder's file looks like once its process id is reused by a process of
// the same name.
QByteArray lockNamingThisProcess(const QString &folder)
{
    QLockFile lock(folder + QStringLiteral("/crafted.lock"));
    if (!lock.tryLock(0))
        return {};
    return readAll(folder + QStringLiteral("/crafted.lock"));
}

} // namespace

Q_DECLARE_METATYPE(Before)

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopy_startsOnlyWhenNoLiveCopyHoldsTheLock_data();
    void secondCopy_startsOnlyWhenNoLiveCopyHoldsTheLock();
    void twelveCopiesStartedTogether_exactlyOneRuns_data();
    void twelveCopiesStartedTogether_exactlyOneRuns();
    void heldLock_isReleasedForTheNextCopy();
    void returningFromMain_releasesTheLock();
    void lockThatCannotBeMade_letsTheCopyStartAndSaysWhy();
};

void TestSingleInstance::secondCopy_startsOnlyWhenNoLiveCopyHoldsTheLock_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<bool>("anotherUsers");
    QTest::addColumn<bool>("starts");

    QTest::newRow("first copy still running") << Before::LiveHolder << false << false;
    QTest::newRow("first copy running for long") << Before::LiveHolderAged << false << false;
    QTest::newRow("first copy killed") << Before::KilledHolder << false << true;
    QTest::newRow("old lock naming a live process of the same name")
        << Before::LiveSameNameAged << false << true;
    QTest::newRow("young lock naming a live process of the same name")
        << Before::LiveSameNameFresh << false << false;
    QTest::newRow("old empty lock") << Before::EmptyAged << false << true;
    QTest::newRow("empty lock 1 s old, a slow copy still writing it")
        << Before::EmptyOneSecond << false << false;
    QTest::newRow("young empty lock, a copy still writing it")
        << Before::EmptyFresh << false << false;
    // The clock was set back since: the lock is as old as it is far ahead.
    QTest::newRow("empty lock dated an hour ahead") << Before::EmptyFromTheFuture << false << true;
    // A copy started with sudo -E shares the user's runtime folder; its lock
    // can be read but not written.
    QTest::newRow("another user's copy running for long")
        << Before::LiveHolderAged << true << false;
    QTest::newRow("another user's copy killed") << Before::KilledHolder << true << true;
}

void TestSingleInstance::secondCopy_startsOnlyWhenNoLiveCopyHoldsTheLock()
{
    QFETCH(Before, before);
    QFETCH(bool, anotherUsers);
    QFETCH(bool, starts);
#ifdef Q_OS_WIN
    if (anotherUsers)
        QSKIP("Windows gives each user a temporary folder of their own: no other user's lock "
              "lies there");
    if (before == Before::LiveHolderAged)
        QSKIP("Windows keeps a held lock file closed to others: its time cannot be set");
#endif

    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    const QString path = runtime.filePath(LockName);
    std::unique_ptr<HelperProcess> holder;

    switch (before) {
    case Before::LiveHolder:
    case Before::LiveHolderAged:
    case Before::KilledHolder:
        holder = std::make_unique<HelperProcess>(QStringList{runtime.path()});
        QCOMPARE(holder->answer(), QStringLiteral("won"));
        if (before == Before::LiveHolderAged)
            QVERIFY(age(path, 60));
        if (before == Before::KilledHolder) {
            holder->process().kill();
            QVERIFY(holder->waitForEnd());
            QCOMPARE(holder->process().exitStatus(), QProcess::CrashExit);
            QVERIFY(QFile::exists(path));
        }
        break;
    case Before::LiveSameNameAged:
    case Before::LiveSameNameFresh: {
        const QByteArray crafted = lockNamingThisProcess(runtime.path());
        QVERIFY(crafted.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
        QVERIFY(writeFile(path, crafted));
        if (before == Before::LiveSameNameAged)
            QVERIFY(age(path, 60));
        break;
    }
    case Before::EmptyAged:
    case Before::EmptyOneSecond:
    case Before::EmptyFresh:
    case Before::EmptyFromTheFuture:
        QVERIFY(writeFile(path, {}));
        if (before == Before::EmptyAged)
            QVERIFY(age(path, 10));
        if (before == Before::EmptyOneSecond)
            QVERIFY(age(path, 1));
        if (before == Before::EmptyFromTheFuture)
            QVERIFY(age(path, -3600));
        break;
    }
    QStringList asOtherUser;
    if (anotherUsers) {
        QVERIFY(age(path, 60));
        const std::optional<QStringList> command = Testing::asAnotherUser(path);
        if (!command)
            QSKIP("Running a copy as another user needs setpriv here");
        asOtherUser = *command;
    }
    const QByteArray lockBefore = readAll(path);

    // In a process of its own: a copy that waits for the lock instead of
    // trying it fails the test in seconds.
    HelperProcess second(QStringList{runtime.path()}, asOtherUser);
    QCOMPARE(second.answer(), starts ? QStringLiteral("won") : QStringLiteral("lost"));

    if (starts) {
        QLockFile probe(path);
        qint64 pid = 0;
        QVERIFY(probe.getLockInfo(&pid, nullptr, nullptr));
        QCOMPARE(pid, second.process().processId());
    } else {
        QCOMPARE(readAll(path), lockBefore);
    }
    if (holder && before != Before::KilledHolder) {
        // The running copy is left as it was.
        QCOMPARE(holder->process().state(), QProcess::Running);
        holder->send("quit");
        QVERIFY(holder->waitForEnd());
        QCOMPARE(holder->process().exitCode(), 0);
        QVERIFY(!QFile::exists(path));
    }
}

void TestSingleInstance::twelveCopiesStartedTogether_exactlyOneRuns_data()
{
    QTest::addColumn<bool>("leftLock");
    QTest::newRow("no lock before") << false;
    QTest::newRow("an old empty lock before") << true;
}

void TestSingleInstance::twelveCopiesStartedTogether_exactlyOneRuns()
{
    QFETCH(bool, leftLock);
    constexpr int Copies = 12;
    constexpr int Rounds = 10;

    // A folder for each round, kept until the copies have ended: a round's
    // winner holds its lock until the next round, and Windows removes no
    // folder with a file open in it.
    std::array<QTemporaryDir, Rounds> runtimes;
    // Started once: each round sets them all off on a folder of its own.
    std::array<std::unique_ptr<HelperProcess>, Copies> copies;
    for (auto &copy : copies)
        copy = std::make_unique<HelperProcess>(QStringList{"--rounds"});
    for (auto &copy : copies)
        QCOMPARE(copy->nextLine(), QStringLiteral("ready"));

    for (int round = 0; round < Rounds; ++round) {
        const QTemporaryDir &runtime = runtimes.at(round);
        QVERIFY(runtime.isValid());
        if (leftLock) {
            QVERIFY(writeFile(runtime.filePath(LockName), {}));
            QVERIFY(age(runtime.filePath(LockName), 10));
        }

        for (auto &copy : copies)
            copy->send(runtime.path().toUtf8());

        int winners = 0;
        for (auto &copy : copies) {
            const QString result = copy->answer();
            QVERIFY2(result == "won" || result == "lost", qPrintable(result));
            winners += result == "won";
        }
        QVERIFY2(winners == 1, qPrintable(QString("round %1: %2 winners").arg(round).arg(winners)));
    }
}

void TestSingleInstance::heldLock_isReleasedForTheNextCopy()
{
    QTemporaryDir runtime;
    SingleInstance first(runtime.path(), LockName);
    QVERIFY(first.tryAcquire());
    QVERIFY(first.tryAcquire()); // asking again keeps it

    {
        HelperProcess second(QStringList{runtime.path()});
        QCOMPARE(second.answer(), QStringLiteral("lost"));
        QVERIFY(second.waitForEnd());
        QCOMPARE(second.process().exitCode(), 1);
    }

    first.release();
    QVERIFY(!first.isHeld());
    QVERIFY(!QFile::exists(runtime.filePath(LockName)));
    HelperProcess third(QStringList{runtime.path()});
    QCOMPARE(third.answer(), QStringLiteral("won"));
}

void TestSingleInstance::returningFromMain_releasesTheLock()
{
    QTemporaryDir runtime;
    HelperProcess copy(QStringList{runtime.path()});
    QCOMPARE(copy.answer(), QStringLiteral("won"));
    QVERIFY(QFile::exists(runtime.filePath(LockName)));

    copy.process().closeWriteChannel();
    QVERIFY(copy.waitForEnd(10000));

    QCOMPARE(copy.process().exitCode(), 0);
    QVERIFY(!QFile::exists(runtime.filePath(LockName)));
}

void TestSingleInstance::lockThatCannotBeMade_letsTheCopyStartAndSaysWhy()
{
    // A "folder" that is a file cannot hold the lock, for root too.
    QTemporaryDir runtime;
    const QString notAFolder = runtime.filePath("plain");
    QVERIFY(writeFile(notAFolder, "x"));

    SingleInstance copy(notAFolder, LockName);
    QVERIFY(copy.tryAcquire());
    QVERIFY(!copy.anotherCopyRuns());
    QVERIFY(!copy.isHeld());
    QVERIFY2(copy.problem().contains(QDir::toNativeSeparators(copy.fileName())),
             qPrintable(copy.problem()));

    // Nor can one where a folder has its name; a start is not refused for it.
    QVERIFY(QDir().mkpath(runtime.filePath(LockName)));
    SingleInstance blocked(runtime.path(), LockName);
    QVERIFY(blocked.tryAcquire());
    QVERIFY(!blocked.anotherCopyRuns());
    QVERIFY(blocked.problem().contains(QDir::toNativeSeparators(blocked.fileName())));

    SingleInstance nowhere(QString(), LockName);
    QVERIFY(nowhere.tryAcquire());
    QVERIFY(!nowhere.problem().isEmpty());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
