// SPDX-License-Identifier: MIT
#include "recordingplatform.h"

#include "app/updatereminder.h"
#include "web/siteaddresses.h"

#include <QTest>

using namespace Zentrova;
using Zentrova::Testing::MemorySettingsStore;
using Zentrova::Testing::RecordingPlatform;

Q_DECLARE_METATYPE(Zentrova::ReminderStep)
Q_DECLARE_METATYPE(Zentrova::MessageAnswer)

namespace {

enum class Store { Absent, Holds, Unreadable, Unwritable };

const QDate Today{2026, 12, 8};
const QString Key =
    MemorySettingsStore::path(QStringLiteral("Settings"), QStringLiteral("Duration"));

} // namespace

Q_DECLARE_METATYPE(Store)

class TestUpdateReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reminderStep_countsCalendarDays_data();
    void reminderStep_countsCalendarDays();
    void updateReminder_asksAtMostOnceInFifteenDays_data();
    void updateReminder_asksAtMostOnceInFifteenDays();
    void updateReminder_asksItsQuestionWithoutAParent();
    void updateReminder_writesADateThatReadsBackAsTheSameDay();
    void storeFailingAfterTheAnswer_stillOpensThePageAndSaysWhy();
};

void TestUpdateReminder::reminderStep_countsCalendarDays_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<ReminderStep>("step");

    const auto quiet = ReminderStep::StayQuiet;
    const auto ask = ReminderStep::AskAndRecord;
    const auto record = ReminderStep::RecordToday;

    QTest::newRow("empty") << "" << Today << record;
    QTest::newRow("same day") << "2026-12-08" << Today << quiet;
    QTest::newRow("14 days ago") << "2026-11-24" << Today << quiet;
    QTest::newRow("15 days ago") << "2026-11-23" << Today << ask;
    QTest::newRow("14 days ahead") << "2026-12-22" << Today << quiet;
    QTest::newRow("15 days ahead") << "2026-12-23" << Today << ask;
    QTest::newRow("years ago") << "2001-01-01" << Today << ask;
    QTest::newRow("across the new year, 14") << "2026-12-22" << QDate(2027, 1, 5) << quiet;
    QTest::newRow("across the new year, 15") << "2026-12-21" << QDate(2027, 1, 5) << ask;
    QTest::newRow("over a leap day, 14") << "2024-02-16" << QDate(2024, 3, 1) << quiet;
    QTest::newRow("over a leap day, 15") << "2024-02-15" << QDate(2024, 3, 1) << ask;
    QTest::newRow("no leap day, 14") << "2023-02-15" << QDate(2023, 3, 1) << quiet;
    QTest::newRow("no leap day, 15") << "2023-02-14" << QDate(2023, 3, 1) << ask;
    QTest::newRow("not a date") << "soon" << Today << record;
    QTest::newRow("impossible day") << "2026-02-30" << Today << record;
    QTest::newRow("other date order") << "12/08/2026" << Today << record;
    QTest::newRow("a list") << "2026-12-08, 2026-12-09" << Today << record;
    QTest::newRow("a date and time") << "2026-12-08T10:00:00" << Today << record;
    QTest::newRow("a date with a space") << " 2026-12-08" << Today << record;
}

void TestUpdateReminder::reminderStep_countsCalendarDays()
{
    QFETCH(QString, stored);
    QFETCH(QDate, today);
    QFETCH(ReminderStep, step);

    QCOMPARE(reminderStep(stored, today), step);
}

void TestUpdateReminder::updateReminder_asksAtMostOnceInFifteenDays_data()
{
    QTest::addColumn<Store>("store");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("storedAfter"); // "-" when absent
    QTest::addColumn<bool>("opensDownloadPage");
    QTest::addColumn<bool>("saysWhy");

    const QString today = QStringLiteral("2026-12-08");
    const auto yes = MessageAnswer::Yes;
    const auto no = MessageAnswer::No;

    QTest::newRow("first start") << Store::Absent << "" << yes << false << today << false << false;
    QTest::newRow("empty value") << Store::Holds << "" << yes << false << today << false << false;
    QTest::newRow("asked today") << Store::Holds << today << yes << false << today << false
                                 << false;
    QTest::newRow("14 days ago") << Store::Holds << "2026-11-24" << yes << false << "2026-11-24"
                                 << false << false;
    QTest::newRow("14 days ahead")
        << Store::Holds << "2026-12-22" << yes << false << "2026-12-22" << false << false;
    QTest::newRow("15 days ago, Yes")
        << Store::Holds << "2026-11-23" << yes << true << today << true << false;
    QTest::newRow("15 days ago, No")
        << Store::Holds << "2026-11-23" << no << true << today << false << false;
    QTest::newRow("15 days ahead, Yes")
        << Store::Holds << "2026-12-23" << yes << true << today << true << false;
    QTest::newRow("15 days ahead, No")
        << Store::Holds << "2026-12-23" << no << true << today << false << false;
    QTest::newRow("garbage is replaced")
        << Store::Holds << "@Variant(\\0\\0\\0\\xe)" << yes << false << today << false << false;
    QTest::newRow("unreadable store")
        << Store::Unreadable << "2026-11-23" << yes << false << "2026-11-23" << false << true;
    QTest::newRow("unwritable store, first start")
        << Store::Unwritable << "" << yes << false << "-" << false << true;
    // An answer that could not be kept would bring the question back at every start.
    QTest::newRow("unwritable store, due")
        << Store::Unwritable << "2026-11-23" << yes << false << "2026-11-23" << false << true;
}

void TestUpdateReminder::updateReminder_asksAtMostOnceInFifteenDays()
{
    QFETCH(Store, store);
    QFETCH(QString, stored);
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, asks);
    QFETCH(QString, storedAfter);
    QFETCH(bool, opensDownloadPage);
    QFETCH(bool, saysWhy);

    RecordingPlatform platform;
    platform.todayDate = Today;
    platform.answers.enqueue(answer);
    if (store != Store::Absent && !(store == Store::Unwritable && stored.isEmpty()))
        platform.store.values.insert(Key, stored);
    platform.store.failReads = store == Store::Unreadable;
    platform.store.failWrites = store == Store::Unwritable;

    Testing::WarningLog log;
    runUpdateReminder(platform);

    QCOMPARE(platform.messages.size(), asks ? 1 : 0);
    if (asks) {
        const auto &message = platform.messages.constFirst();
        QCOMPARE(message.text, QStringLiteral("There maybe an update to this software available\n"
                                              "Do you want to check for an update?"));
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.buttons, MessageButtons::YesNo);
    }
    if (storedAfter == QLatin1String("-"))
        QVERIFY(!platform.store.values.contains(Key));
    else
        QCOMPARE(platform.store.values.value(Key), storedAfter);
    // Only the one entry is ever written.
    QVERIFY(platform.store.values.size() <= 1);
    // Nothing is written where nothing changes.
    if (store == Store::Holds && storedAfter == stored)
        QCOMPARE(platform.store.writes, 0);

    const QStringList opened = opensDownloadPage
                                   ? QStringList{ProductSiteAddress + "/download-zentrova.html"}
                                   : QStringList{};
    QCOMPARE(platform.openedAddresses(), opened);
    // One line, naming the store's own account of what failed.
    QCOMPARE(log.lines.size(), saysWhy ? 1 : 0);
    if (saysWhy)
        QVERIFY(log.lines.constFirst().contains(platform.store.error));
}

void TestUpdateReminder::updateReminder_asksItsQuestionWithoutAParent()
{
    RecordingPlatform platform;
    platform.store.values.insert(Key, QStringLiteral("2026-01-01"));
    bool storedWhileAsking = true;
    platform.onMessage = [&](const Testing::RecordedMessage &) {
        // The date is written after the answer, not before the question.
        storedWhileAsking = platform.store.writes > 0;
    };

    runUpdateReminder(platform);

    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages.constFirst().parent.isNull());
    QVERIFY(!storedWhileAsking);
    QCOMPARE(platform.store.writes, 1);
}

void TestUpdateReminder::updateReminder_writesADateThatReadsBackAsTheSameDay()
{
    // Two runs fifteen days apart: the first records its day, the second asks.
    RecordingPlatform platform;
    platform.todayDate = QDate(1999, 12, 31);
    runUpdateReminder(platform);
    QCOMPARE(QDate::fromString(platform.store.values.value(Key), Qt::ISODate), platform.todayDate);

    platform.todayDate = platform.todayDate.addDays(14);
    runUpdateReminder(platform);
    QVERIFY(platform.messages.isEmpty());

    platform.todayDate = platform.todayDate.addDays(1);
    runUpdateReminder(platform);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.store.values.value(Key), QStringLiteral("2000-01-15"));
}

void TestUpdateReminder::storeFailingAfterTheAnswer_stillOpensThePageAndSaysWhy()
{
    RecordingPlatform platform;
    platform.store.values.insert(Key, QStringLiteral("2026-01-01"));
    platform.answers.enqueue(MessageAnswer::Yes);
    // The disk fills up while the question is open.
    platform.onMessage = [&](const Testing::RecordedMessage &) {
        platform.store.failWrites = true;
    };

    Testing::WarningLog log;
    runUpdateReminder(platform);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.openedAddresses(),
             QStringList{ProductSiteAddress + "/download-zentrova.html"});
    QCOMPARE(log.lines.size(), 1);
    QCOMPARE(platform.store.values.value(Key), QStringLiteral("2026-01-01"));
}

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
