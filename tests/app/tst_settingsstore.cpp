#include "app/updatereminder.h"
#include "platform/nativesettingsstore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Zentrova;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void write_reachesTheFileAtOnce_asIsoText();
    void absentKey_readsAsEmptyText();
    void storeThatIsADirectory_cannotBeReadOrWritten();
    void storeInAFolderThatCannotExist_refusesTheWrite();
    void damagedValues_readAsTextThatIsNoDate_data();
    void damagedValues_readAsTextThatIsNoDate();
    void nativeStore_isFiledUnderTheApplicationName();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsStore::write_reachesTheFileAtOnce_asIsoText()
{
    const QString path = m_dir->filePath("zentrova.conf");
    NativeSettingsStore store(path, QSettings::IniFormat);

    QVERIFY(store.write("Settings", "Duration", reminderText(QDate(2026, 12, 8))));

    // On disk while the store still lives: a process that ends at once keeps it.
    const QByteArray onDisk = contents(path);
    QVERIFY2(onDisk.contains("[Settings]\nDuration=2026-12-08\n"), onDisk.constData());
    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>("2026-12-08"));
    NativeSettingsStore again(path, QSettings::IniFormat);
    QCOMPARE(again.read("Settings", "Duration"), std::optional<QString>("2026-12-08"));
}

void TestSettingsStore::absentKey_readsAsEmptyText()
{
    const QString path = m_dir->filePath("zentrova.conf");
    NativeSettingsStore store(path, QSettings::IniFormat);
    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>(QString()));

    writeFile(path, "[Other]\nDuration=2026-12-08\n");
    NativeSettingsStore other(path, QSettings::IniFormat);
    QCOMPARE(other.read("Settings", "Duration"), std::optional<QString>(QString()));
}

void TestSettingsStore::storeThatIsADirectory_cannotBeReadOrWritten()
{
    const QString path = m_dir->filePath("zentrova.conf");
    QVERIFY(QDir().mkpath(path));
    NativeSettingsStore store(path, QSettings::IniFormat);

    QCOMPARE(store.read("Settings", "Duration"), std::nullopt);
    QVERIFY(!store.write("Settings", "Duration", "2026-12-08"));
    store.flush();
}

void TestSettingsStore::storeInAFolderThatCannotExist_refusesTheWrite()
{
    // The parent "folder" is a file, so no folder can be made there (as root too).
    writeFile(m_dir->filePath("plain"), "x");
    NativeSettingsStore store(m_dir->filePath("plain/zentrova.conf"), QSettings::IniFormat);

    QVERIFY(!store.write("Settings", "Duration", "2026-12-08"));
}

void TestSettingsStore::damagedValues_readAsTextThatIsNoDate_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("a list") << QByteArray("[Settings]\nDuration=2026-12-08, 2026-12-09\n");
    QTest::newRow("a stored variant")
        << QByteArray("[Settings]\nDuration=@Variant(\\0\\0\\0\\x7f)\n");
    QTest::newRow("binary garbage") << QByteArray("\x01\xff[Settings\n\xfe\x80=\"\n", 12);
    QTest::newRow("half a date") << QByteArray("[Settings]\nDuration=2026-12\n");
}

void TestSettingsStore::damagedValues_readAsTextThatIsNoDate()
{
    QFETCH(QByteArray, file);
    const QString path = m_dir->filePath("zentrova.conf");
    writeFile(path, file);
    NativeSettingsStore store(path, QSettings::IniFormat);

    const std::optional<QString> value = store.read("Settings", "Duration");
    QVERIFY(value.has_value());
    QCOMPARE(reminderStep(value, QDate(2026, 12, 8)), ReminderStep::RecordToday);

    // A file Qt cannot parse may refuse the write; either way the store must
    // not claim a value it does not hold.
    if (store.write("Settings", "Duration", "2026-12-08"))
        QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>("2026-12-08"));
    else
        QCOMPARE(store.read("Settings", "Duration"), std::nullopt);
}

void TestSettingsStore::nativeStore_isFiledUnderTheApplicationName()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString name = QStringLiteral("tst_settingsstore_native");
    NativeSettingsStore store(name);
    QVERIFY2(store.location().contains(name), qPrintable(store.location()));
    QVERIFY(store.write("Settings", "Duration", "2026-12-08"));
    QCOMPARE(NativeSettingsStore(name).read("Settings", "Duration"),
             std::optional<QString>("2026-12-08"));
    if (store.location().startsWith(QLatin1Char('/')))
        QFile::remove(store.location());
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
