// SPDX-License-Identifier: MIT
#include "app/updatereminder.h"
#include "platform/nativesettingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Zentrova;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
    QVERIFY(file.flush());
    // QSettings caches a file by size and time: a rewrite of the same size in
    // the same millisecond would go unseen by the checks made through it.
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime));
}

enum class LeftLock { HeldByARunningProcess, FreshEmptyFile, OldFolder };

} // namespace

Q_DECLARE_METATYPE(LeftLock)

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void write_reachesTheFileAtOnce_asIsoText();
    void absentKey_readsAsEmptyText();
    void dateWrittenThroughQSettings_readsBack();
    void iniValue_readsAsQSettingsDoes_data();
    void iniValue_readsAsQSettingsDoes();
    void write_ignoresWhateverLiesWhereQSettingsLocks_data();
    void write_ignoresWhateverLiesWhereQSettingsLocks();
    void iniWithValue_changesTheOneEntryOnly_data();
    void iniWithValue_changesTheOneEntryOnly();
    void write_keepsTheRestOfTheFileReadable();
    void canWrite_triesWithoutChangingAnything();
    void storeThatIsAFolder_isLeftAloneAndNamedInTheError();
    void storeInAFolderThatCannotExist_refusesTheWriteAndSaysWhy();
    void storeThatIsAPipe_isNotOpened();
    void textThatWouldNeedEscaping_isRefused();
    void damagedFile_keepsItsBytesAndTakesTheDate_data();
    void damagedFile_keepsItsBytesAndTakesTheDate();
    void nativeStore_isFiledUnderTheApplicationName();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath("zentrova.conf");
}

void TestSettingsStore::write_reachesTheFileAtOnce_asIsoText()
{
    NativeSettingsStore store(m_path);

    QVERIFY(store.write("Settings", "Duration", reminderText(QDate(2026, 12, 8))));

    // On disk while the store still lives: a process that ends at once keeps it.
    QCOMPARE(contents(m_path), QByteArray("[Settings]\nDuration=2026-12-08\n"));
    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>("2026-12-08"));
    // Where and how QSettings keeps it, so earlier copies of the program agree.
    QCOMPARE(QSettings(m_path, QSettings::IniFormat).value("Settings/Duration").toString(),
             QStringLiteral("2026-12-08"));
}

void TestSettingsStore::absentKey_readsAsEmptyText()
{
    NativeSettingsStore store(m_path);
    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>(QString()));

    writeFile(m_path, "[Other]\nDuration=2026-12-08\n");
    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>(QString()));
}

void TestSettingsStore::dateWrittenThroughQSettings_readsBack()
{
    // As earlier copies of the program kept it.
    {
        QSettings settings(m_path, QSettings::IniFormat);
        settings.setValue("Settings/Duration", "2026-11-01");
        settings.setValue("Other/Key", "x");
    }
    QCOMPARE(NativeSettingsStore(m_path).read("Settings", "Duration"),
             std::optional<QString>("2026-11-01"));
}

void TestSettingsStore::iniValue_readsAsQSettingsDoes_data()
{
    QTest::addColumn<QByteArray>("ini");

    QTest::newRow("plain") << QByteArray("[Settings]\nDuration=2026-12-08\n");
    QTest::newRow("spaces around") << QByteArray("[ Settings ]\n  Duration =  2026-12-08 \n");
    QTest::newRow("quoted") << QByteArray("[Settings]\nDuration=\"2026-12-08\"\n");
    QTest::newRow("comment after") << QByteArray("[Settings]\nDuration=2026-12-08 ; asked\n");
    QTest::newRow("continued") << QByteArray("[Settings]\nDuration=2026-\\\n12-08\n");
    QTest::newRow("last copy") << QByteArray(
        "[Settings]\nDuration=1999-01-01\nDuration=2026-12-08\n");
    QTest::newRow("Windows line ends") << QByteArray("[Settings]\r\nDuration=2026-12-08\r\n");
    QTest::newRow("among others") << QByteArray(
        "[Other]\nDuration=1\n[Settings]\nA=2\nDuration=2026-12-08\n[More]\n");
    QTest::newRow("absent") << QByteArray("[Other]\nDuration=2026-12-08\n");
}

void TestSettingsStore::iniValue_readsAsQSettingsDoes()
{
    QFETCH(QByteArray, ini);
    writeFile(m_path, ini);
    const QVariant expected = QSettings(m_path, QSettings::IniFormat).value("Settings/Duration");

    const std::optional<QString> value = iniValue(ini, "Settings", "Duration");

    QCOMPARE(value.has_value(), expected.isValid());
    if (value)
        QCOMPARE(*value, expected.toString());
}

void TestSettingsStore::write_ignoresWhateverLiesWhereQSettingsLocks_data()
{
    QTest::addColumn<LeftLock>("left");
    // QSettings::sync() would wait for ever on the first two and 30 s on the third.
    QTest::newRow("a lock held by a running process") << LeftLock::HeldByARunningProcess;
    QTest::newRow("an old folder") << LeftLock::OldFolder;
    QTest::newRow("a fresh empty file") << LeftLock::FreshEmptyFile;
}

void TestSettingsStore::write_ignoresWhateverLiesWhereQSettingsLocks()
{
    QFETCH(LeftLock, left);
    const QString lockPath = m_path + ".lock";
    writeFile(m_path, "[Settings]\nDuration=2026-11-01\n");
    QLockFile held(lockPath);
    switch (left) {
    case LeftLock::HeldByARunningProcess:
        QVERIFY(held.tryLock(0));
        break;
    case LeftLock::OldFolder:
        QVERIFY(QDir().mkpath(lockPath));
        break;
    case LeftLock::FreshEmptyFile:
        writeFile(lockPath, {});
        break;
    }
    const QFileInfo lockBefore(lockPath);

    NativeSettingsStore store(m_path);
    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>("2026-11-01"));
    QVERIFY(store.canWrite("Settings", "Duration", "2026-12-08"));
    QVERIFY2(store.write("Settings", "Duration", "2026-12-08"), qPrintable(store.errorString()));

    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>("2026-12-08"));
    // Someone else's lock is theirs to remove.
    const QFileInfo lockAfter(lockPath);
    QVERIFY(lockAfter.exists());
    QCOMPARE(lockAfter.isDir(), lockBefore.isDir());
}

void TestSettingsStore::iniWithValue_changesTheOneEntryOnly_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("no file") << QByteArray() << QByteArray("[Settings]\nDuration=D\n");
    QTest::newRow("value replaced") << QByteArray("[Settings]\nDuration=2001-01-01\n")
                                    << QByteArray("[Settings]\nDuration=D\n");
    QTest::newRow("other keys, sections and comments kept")
        << QByteArray("; mine\n[General]\nDuration=x\n\n[Settings]\nA=1\n Duration = old\nB=2\n")
        << QByteArray("; mine\n[General]\nDuration=x\n\n[Settings]\nA=1\nDuration=D\nB=2\n");
    QTest::newRow("key added to its section")
        << QByteArray("[Settings]\nA=1\n[Other]\nB=2")
        << QByteArray("[Settings]\nDuration=D\nA=1\n[Other]\nB=2");
    QTest::newRow("section added after a blank line")
        << QByteArray("[Other]\nB=2") << QByteArray("[Other]\nB=2\n\n[Settings]\nDuration=D\n");
    QTest::newRow("last line without a line break")
        << QByteArray("[Settings]\nDuration=old") << QByteArray("[Settings]\nDuration=D");
    QTest::newRow("Windows line ends kept") << QByteArray("[Settings]\r\nDuration=old\r\nA=1\r\n")
                                            << QByteArray("[Settings]\r\nDuration=D\r\nA=1\r\n");
    QTest::newRow("every copy of the key")
        << QByteArray("[Settings]\nDuration=a\n[Settings]\nDuration=b\n")
        << QByteArray("[Settings]\nDuration=D\n[Settings]\nDuration=D\n");
    QTest::newRow("a value continued on the next line")
        << QByteArray("[Settings]\nDuration=2026-\\\n11-01\nA=1\n")
        << QByteArray("[Settings]\nDuration=D\nA=1\n");
    QTest::newRow("a longer key with the same start")
        << QByteArray("[Settings]\nDurations=1\n")
        << QByteArray("[Settings]\nDuration=D\nDurations=1\n");
    QTest::newRow("binary garbage kept")
        << QByteArray("\x01\xff[Sett\n\xfe\x80=\"")
        << QByteArray("\x01\xff[Sett\n\xfe\x80=\"\n\n[Settings]\nDuration=D\n");
}

void TestSettingsStore::iniWithValue_changesTheOneEntryOnly()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QCOMPARE(iniWithValue(before, "Settings", "Duration", "D"), after);
}

void TestSettingsStore::write_keepsTheRestOfTheFileReadable()
{
    writeFile(m_path, "[General]\nwindow=1\n\n[Settings]\nDuration=2001-01-01\nname=\"a, b\"\n"
                      "\n[Other]\nlist=1, 2\n");
    QVariantMap values;
    {
        const QSettings before(m_path, QSettings::IniFormat);
        for (const QString &key : before.allKeys())
            values.insert(key, before.value(key));
    }

    NativeSettingsStore store(m_path);
    QVERIFY(store.write("Settings", "Duration", "2026-12-08"));

    values.insert("Settings/Duration", "2026-12-08");
    QSettings after(m_path, QSettings::IniFormat);
    QCOMPARE(after.status(), QSettings::NoError);
    QCOMPARE(after.allKeys().size(), values.size());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
}

void TestSettingsStore::canWrite_triesWithoutChangingAnything()
{
    const QByteArray before("[Settings]\nDuration=2001-01-01\n");
    writeFile(m_path, before);
    NativeSettingsStore store(m_path);

    QVERIFY(store.canWrite("Settings", "Duration", "2026-12-08"));

    QCOMPARE(contents(m_path), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"zentrova.conf"});

    // Nor does it make the file when there is none.
    QFile::remove(m_path);
    QVERIFY(store.canWrite("Settings", "Duration", "2026-12-08"));
    QVERIFY(QDir(m_dir->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestSettingsStore::storeThatIsAFolder_isLeftAloneAndNamedInTheError()
{
    QVERIFY(QDir().mkpath(m_path + "/inside"));
    NativeSettingsStore store(m_path);

    QCOMPARE(store.read("Settings", "Duration"), std::nullopt);
    QVERIFY(store.errorString().contains(m_path));
    QVERIFY(!store.canWrite("Settings", "Duration", "2026-12-08"));
    QVERIFY(!store.write("Settings", "Duration", "2026-12-08"));
    QVERIFY(store.errorString().contains(m_path));
    QVERIFY(store.errorString().contains("folder"));
    QVERIFY(QFileInfo(m_path + "/inside").isDir());
}

void TestSettingsStore::storeInAFolderThatCannotExist_refusesTheWriteAndSaysWhy()
{
    // The parent "folder" is a file, so no folder can be made there (as root too).
    writeFile(m_dir->filePath("plain"), "x");
    const QString path = m_dir->filePath("plain/zentrova.conf");
    NativeSettingsStore store(path);

    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>(QString()));
    QVERIFY(!store.canWrite("Settings", "Duration", "2026-12-08"));
    QVERIFY(!store.write("Settings", "Duration", "2026-12-08"));
    QVERIFY2(store.errorString().contains(path), qPrintable(store.errorString()));
    QCOMPARE(contents(m_dir->filePath("plain")), QByteArray("x"));
}

void TestSettingsStore::storeThatIsAPipe_isNotOpened()
{
    // Reading a pipe would wait for a writer that never comes.
    QVERIFY(mkfifo(QFile::encodeName(m_path).constData(), 0600) == 0);
    NativeSettingsStore store(m_path);

    QCOMPARE(store.read("Settings", "Duration"), std::nullopt);
    QVERIFY(!store.canWrite("Settings", "Duration", "2026-12-08"));
    QVERIFY(!store.write("Settings", "Duration", "2026-12-08"));
    QVERIFY(store.errorString().contains(m_path));
}

void TestSettingsStore::textThatWouldNeedEscaping_isRefused()
{
    writeFile(m_path, "[Settings]\nDuration=2001-01-01\n");
    NativeSettingsStore store(m_path);

    const QStringList refused{"a, b", "a;b", " padded", "@Variant(x)", "line\nbreak", "\u00e4"};
    for (const QString &value : refused)
        QVERIFY2(!store.write("Settings", "Duration", value), qPrintable(value));
    QCOMPARE(contents(m_path), QByteArray("[Settings]\nDuration=2001-01-01\n"));
}

void TestSettingsStore::damagedFile_keepsItsBytesAndTakesTheDate_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("a list") << QByteArray("[Settings]\nDuration=2026-12-08, 2026-12-09\n");
    QTest::newRow("a stored variant")
        << QByteArray("[Settings]\nDuration=@Variant(\\0\\0\\0\\x7f)\n");
    QTest::newRow("binary garbage") << QByteArray("\x01\xff[Settings\n\xfe\x80=\"\n");
    QTest::newRow("garbage before the entry")
        << QByteArray("\x01\xff[Set\n\xfe=\n[Settings]\nDuration=2026-12\n");
}

void TestSettingsStore::damagedFile_keepsItsBytesAndTakesTheDate()
{
    QFETCH(QByteArray, file);
    writeFile(m_path, file);
    NativeSettingsStore store(m_path);

    const std::optional<QString> value = store.read("Settings", "Duration");
    QVERIFY(value.has_value());
    QCOMPARE(reminderStep(value, QDate(2026, 12, 8)), ReminderStep::RecordToday);

    QVERIFY2(store.write("Settings", "Duration", "2026-12-08"), qPrintable(store.errorString()));
    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>("2026-12-08"));
    // Nothing but the damaged entry changed: whatever else it held can be recovered.
    const QByteArray after = contents(m_path);
    for (const QByteArray &line : file.split('\n')) {
        if (!line.startsWith("Duration="))
            QVERIFY2(after.contains(line), line.toHex().constData());
    }
}

void TestSettingsStore::nativeStore_isFiledUnderTheApplicationName()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString name = QStringLiteral("tst_settingsstore_native");
    const QString path = NativeSettingsStore::userFileName(name);
    QVERIFY2(QFileInfo(path).fileName() == name + ".conf", qPrintable(path));

    NativeSettingsStore store(path);
    QVERIFY(store.write("Settings", "Duration", "2026-12-08"));
    QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, name)
                 .value("Settings/Duration")
                 .toString(),
             QStringLiteral("2026-12-08"));
    QFile::remove(path);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
