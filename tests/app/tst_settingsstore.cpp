// SPDX-License-Identifier: MIT
#include "boundedstep.h"
#include "helperprocess.h"

#include "platform/usersettingsstore.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <system_error>

using namespace Zentrova;
using Zentrova::Testing::HelperProcess;

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
    QCOMPARE(file.write(data), data.size());
}

// Every key and value QSettings reads from the INI text, read from a file of
// its own: QSettings' cache of a file it has read before plays no part.
QVariantMap meaning(const QByteArray &ini)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("copy.conf"), ini);
    const QSettings settings(dir.filePath("copy.conf"), QSettings::IniFormat);
    QVariantMap values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

// A list nested depth deep, as QSettings keeps a QVariant: QDataStream's
// bytes (Qt 4.0) of a QVariantList (type 9) of one element at each level,
// around an empty one.
QByteArray nestedList(int depth)
{
    return QByteArray("\0\0\0\x09\0\0\0\x01", 8).repeated(depth) +
           QByteArray("\0\0\0\x09\0\0\0\0", 8);
}

// A named pipe at path, made by the system's mkfifo; false where there is
// none (Windows has no named pipes in its file system).
bool makePipe(const QString &path)
{
    return QProcess::execute(QStringLiteral("mkfifo"), {path}) == 0;
}

// Ends the wait of a reader of the pipe at path: it is opened for reading
// and writing, which never waits, and removed, so that its reader reads to
// the end and cannot open it again.
void releasePipe(const QString &path)
{
    QFile pipe(path);
    if (pipe.open(QIODevice::ReadWrite))
        QFile::remove(path);
}

enum class LeftLock {
    HeldByARunningProcess,
    FreshEmptyFile,
    Folder,
    Pipe,
    LeftTenSecondsAgo,
    LeftAnHourAgo,
};

} // namespace

Q_DECLARE_METATYPE(LeftLock)
Q_DECLARE_METATYPE(std::errc)

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void write_reachesTheFileAtOnce_andReadsBack();
    void write_changesTheDateAndNothingElse_data();
    void write_changesTheDateAndNothingElse();
    void lockInTheWay_isWaitedForBriefly_data();
    void lockInTheWay_isWaitedForBriefly();
    void fileQSettingsMustNotOpen_isRefusedAndLeftAlone_data();
    void fileQSettingsMustNotOpen_isRefusedAndLeftAlone();
    void storeInAFolderThatCannotBeMade_refusesTheWriteAndSaysWhy_data();
    void storeInAFolderThatCannotBeMade_refusesTheWriteAndSaysWhy();
    void writeThatWouldPassTheLimit_isRefusedAndTheFileKept();
    void canWrite_leavesNoTrace();
    void userStore_isTheFileQSettingsNames();
    void userStore_isTheMakersRegistryKey();

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

void TestSettingsStore::write_reachesTheFileAtOnce_andReadsBack()
{
    UserSettingsStore store(m_path);
    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>(QString()));

    QVERIFY2(store.write("Settings", "Duration", "2026-12-08"), qPrintable(store.errorString()));

    // On disk while the store still lives: a process that ends at once keeps
    // it. QSettings ends the lines as the system does.
    QCOMPARE(contents(m_path).replace("\r\n", "\n"),
             QByteArray("[Settings]\nDuration=2026-12-08\n"));
    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>("2026-12-08"));
    QCOMPARE(store.read("Settings", "Other"), std::optional<QString>(QString()));
    QVERIFY(!QFileInfo::exists(m_path + ".lock"));
}

void TestSettingsStore::write_changesTheDateAndNothingElse_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("stored");

    // An escaped backslash at the end of a value once read as a line
    // continuation, and the write dropped the next line.
    QTest::newRow("a value ending in a backslash")
        << QByteArray("[Settings]\nDuration=C:\\\\\nKeep=me\n") << "C:\\";
    QTest::newRow("byte-order mark and Windows line ends")
        << QByteArray("\xef\xbb\xbf[Settings]\r\nDuration=2026-11-01\r\nKeep=me\r\n")
        << "2026-11-01";
    QTest::newRow("other groups, comments, lists and quotes")
        << QByteArray("; mine\n[General]\nwindow=1\n[Settings]\nname=\"a, b\"\n"
                      "Duration=2026-11-01\n[Other]\nDuration=x\nlist=1, 2\n")
        << "2026-11-01";
    QTest::newRow("a value continued on the next line")
        << QByteArray("[Settings]\nDuration=2026-\\\n11-01\nKeep=me\n") << "2026-11-01";
    QTest::newRow("the last of two copies")
        << QByteArray("[Settings]\nDuration=1999-01-01\nDuration=2026-11-01\n") << "2026-11-01";
    QTest::newRow("binary garbage") << QByteArray("\x01\xff[Settings\n\xfe\x80=\"\n") << "";
}

void TestSettingsStore::write_changesTheDateAndNothingElse()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, stored);
    writeFile(m_path, ini);
    UserSettingsStore store(m_path);

    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>(stored));
    QVERIFY2(store.write("Settings", "Duration", "2026-12-08"), qPrintable(store.errorString()));

    QVariantMap expected = meaning(ini);
    expected.insert("Settings/Duration", "2026-12-08");
    QCOMPARE(meaning(contents(m_path)), expected);
}

void TestSettingsStore::lockInTheWay_isWaitedForBriefly_data()
{
    QTest::addColumn<LeftLock>("left");
    QTest::addColumn<bool>("anotherUsers");
    QTest::addColumn<bool>("taken");
    // QSettings would wait for ever on the first four, and 30 s on the second.
    QTest::newRow("held by a running process") << LeftLock::HeldByARunningProcess << false << false;
    QTest::newRow("a fresh empty file") << LeftLock::FreshEmptyFile << false << false;
    QTest::newRow("a folder") << LeftLock::Folder << false << false;
    QTest::newRow("a pipe") << LeftLock::Pipe << false << false;
    // A lock its owner left behind does not keep the date out for long: an
    // empty one is left by a copy killed while making it.
    QTest::newRow("an empty file left 10 s ago") << LeftLock::LeftTenSecondsAgo << false << true;
    QTest::newRow("left an hour ago") << LeftLock::LeftAnHourAgo << false << true;
    // A copy started with sudo -E shares the user's settings file; its lock
    // can be read but not written.
    QTest::newRow("held for an hour by another user's copy")
        << LeftLock::HeldByARunningProcess << true << false;
    QTest::newRow("left an hour ago by another user") << LeftLock::LeftAnHourAgo << true << true;
}

void TestSettingsStore::lockInTheWay_isWaitedForBriefly()
{
    QFETCH(LeftLock, left);
    QFETCH(bool, anotherUsers);
    QFETCH(bool, taken);
#ifdef Q_OS_WIN
    if (anotherUsers)
        QSKIP("Windows keeps each user's settings in their own registry key: no other user's "
              "lock lies beside them");
#endif
    const QString lockPath = m_path + ".lock";
    const QByteArray before("[Settings]\nDuration=2026-11-01\n");
    writeFile(m_path, before);
    QLockFile held(lockPath);
    switch (left) {
    case LeftLock::HeldByARunningProcess:
        QVERIFY(held.tryLock(0));
        break;
    case LeftLock::FreshEmptyFile:
    case LeftLock::LeftTenSecondsAgo:
    case LeftLock::LeftAnHourAgo:
        writeFile(lockPath, {});
        break;
    case LeftLock::Folder:
        QVERIFY(QDir().mkpath(lockPath));
        break;
    case LeftLock::Pipe:
        if (!makePipe(lockPath))
            QSKIP("No named pipes here");
        break;
    }
    if (left == LeftLock::LeftTenSecondsAgo)
        QVERIFY(Testing::age(lockPath, 10));
    if (left == LeftLock::LeftAnHourAgo || anotherUsers)
        QVERIFY(Testing::age(lockPath, 3600));
    QStringList asOtherUser;
    if (anotherUsers) {
        const std::optional<QStringList> command = Testing::asAnotherUser(lockPath);
        if (!command)
            QSKIP("Running a copy as another user needs setpriv here");
        asOtherUser = *command;
        QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadOther | QFile::WriteOther));
    }
    QCOMPARE(UserSettingsStore(m_path).read("Settings", "Duration"),
             std::optional<QString>("2026-11-01"));

    // In a process of its own: a write that waits for the lock instead of
    // trying it fails the test in seconds.
    HelperProcess writer({QStringLiteral("--write-settings"), m_path}, asOtherUser);
    const QString answer = writer.answer();

    if (taken) {
        QCOMPARE(answer, QStringLiteral("written"));
        QCOMPARE(UserSettingsStore(m_path).read("Settings", "Duration"),
                 std::optional<QString>("2026-12-08"));
        return;
    }
    QVERIFY2(answer.contains(QDir::toNativeSeparators(m_path)) &&
                 answer.contains(QDir::toNativeSeparators(lockPath)),
             qPrintable(answer));
    QCOMPARE(contents(m_path), before);
    // Someone else's lock is theirs to remove.
    QVERIFY(QFileInfo::exists(lockPath));
}

void TestSettingsStore::fileQSettingsMustNotOpen_isRefusedAndLeftAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<qint64>("size"); // the file's, or 0 for as long as its text
    QTest::addColumn<QString>("reason");

    const QByteArray dated("[Settings]\nDuration=2026-11-01\n");
    constexpr qint64 limit = UserSettingsStore::MaxFileSize;
    QTest::newRow("a folder") << "folder" << QByteArray() << qint64(0) << "folder";
    // Reading it would wait for a writer that never comes.
    QTest::newRow("a pipe") << "pipe" << QByteArray() << qint64(0) << "not a regular file";
    QTest::newRow("larger than the limit") << "file" << dated << limit + 1 << "larger than";
    QTest::newRow("at the limit") << "file" << dated << limit << "";

    // Values QSettings decodes as data when it loads the file, in any group,
    // written plainly or escaped: the file holds nothing of the kind.
    QTest::newRow("a list nested 40,000 deep, beside the date")
        << "file" << dated + "list=@Variant(" + nestedList(40000) + ")\n"
        << qint64(0) << "encoded";
    QTest::newRow("@ByteArray in the date's place")
        << "file" << QByteArray("[Settings]\nDuration=@ByteArray(2026-11-01)\n") << qint64(0)
        << "encoded";
    QTest::newRow("@Rect in a list") << "file" << dated + "[Other]\nlist=a, @Rect(1 2 3 4)\n"
                                     << qint64(0) << "encoded";
    QTest::newRow("@Point in quotes") << "file" << dated + "[Other]\nq=\"@Point(1 2)\"\n"
                                      << qint64(0) << "encoded";
    QTest::newRow("\\x40 for the at sign")
        << "file" << QByteArray("[Settings]\nDuration=\\x40Size(1 2)\n") << qint64(0) << "encoded";
    QTest::newRow("\\100 for the at sign") << "file" << dated + "[Other]\nv=\\100Size(1 2)\n"
                                           << qint64(0) << "encoded";
    // Qt keeps the last 16 bits of a longer escape.
    QTest::newRow("\\x10040 for the at sign") << "file" << dated + "[Other]\nv=\\x10040String(x)\n"
                                              << qint64(0) << "encoded";
    QTest::newRow("@@, a plain at sign") << "file" << dated + "[Other]\nmail=@@me\n"
                                         << qint64(0) << "encoded";
    QTest::newRow("escapes of other characters")
        << "file" << dated + "[Other]\nv=\\x41\\101\\\\x40\\x\\@\n"
        << qint64(0) << "";
}

void TestSettingsStore::fileQSettingsMustNotOpen_isRefusedAndLeftAlone()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, ini);
    QFETCH(qint64, size);
    QFETCH(QString, reason);
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(m_path + "/inside"));
    } else if (kind == "pipe") {
        if (!makePipe(m_path))
            QSKIP("No named pipes here");
    } else {
        writeFile(m_path, ini);
        // Sparse: the size costs no disk.
        if (size > 0)
            QVERIFY(QFile::resize(m_path, size));
    }
    UserSettingsStore store(m_path);

    std::optional<QString> stored;
    QString readError;
    bool canWrite = true;
    bool written = true;
    QString writeError;
    // Reading a pipe would wait for a writer that never comes.
    QVERIFY2(
        Testing::endsInTime(
            [&] {
                stored = store.read("Settings", "Duration");
                readError = store.errorString();
                canWrite = store.canWrite("Settings", "Duration", "2026-12-08");
                written = store.write("Settings", "Duration", "2026-12-08");
                writeError = store.errorString();
            },
            [this] { releasePipe(m_path); }),
        qPrintable(QStringLiteral("the store still waited for its file, %1, after 5 s").arg(kind)));

    if (reason.isEmpty()) {
        QCOMPARE(stored, std::optional<QString>("2026-11-01"));
        return;
    }
    QCOMPARE(stored, std::nullopt);
    QVERIFY2(readError.contains(QDir::toNativeSeparators(m_path)) && readError.contains(reason),
             qPrintable(readError));
    QVERIFY(!canWrite);
    QVERIFY(!written);
    QVERIFY2(writeError.contains(reason), qPrintable(writeError));

    if (kind == "file" && size == 0)
        QCOMPARE(contents(m_path), ini);
    if (kind == "file" && size > 0)
        QCOMPARE(QFileInfo(m_path).size(), size);
    QVERIFY(kind != "folder" || QFileInfo(m_path + "/inside").isDir());
    QCOMPARE(QDir(m_dir->path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"zentrova.conf"});
}

void TestSettingsStore::storeInAFolderThatCannotBeMade_refusesTheWriteAndSaysWhy_data()
{
    QTest::addColumn<bool>("fileInTheWay");
    QTest::addColumn<std::errc>("reason");
    // A file where a folder goes stops root too.
    QTest::newRow("a file where the folder goes") << true << std::errc::not_a_directory;
    QTest::newRow("a folder the user cannot write") << false << std::errc::permission_denied;
}

void TestSettingsStore::storeInAFolderThatCannotBeMade_refusesTheWriteAndSaysWhy()
{
    QFETCH(bool, fileInTheWay);
    QFETCH(std::errc, reason);
    const QString above = m_dir->filePath("above");
    QStringList asOtherUser;
    if (fileInTheWay) {
        writeFile(above, "x");
    } else {
#ifdef Q_OS_WIN
        QSKIP("Windows has no read-only folders");
#endif
        QVERIFY(QDir().mkpath(above));
        const std::optional<QStringList> command = Testing::asAnotherUser(above);
        if (!command)
            QSKIP("Running a copy as another user needs setpriv here");
        asOtherUser = *command;
    }
    const QString path = above + "/config/zentrova.conf";

    HelperProcess writer({QStringLiteral("--write-settings"), path}, asOtherUser);
    const QString answer = writer.answer();

    // The system's reason for the folder, not what is missing without it.
    const QString expected = QString::fromLocal8Bit(std::make_error_code(reason).message());
    QVERIFY2(answer.contains(QDir::toNativeSeparators(path)) && answer.endsWith(": " + expected),
             qPrintable(answer));
    QCOMPARE(contents(path), QByteArray("<missing>"));
    if (fileInTheWay)
        QCOMPARE(contents(above), QByteArray("x"));
}

void TestSettingsStore::writeThatWouldPassTheLimit_isRefusedAndTheFileKept()
{
    // QSettings writes a list back with a space after each comma: a
    // thousand of them take a file just under the limit past it. (A long
    // value fills the rest; a list that long would take minutes to write in
    // the sanitized build.)
    const QByteArray list = "list=a" + QByteArray(",a").repeated(1000) + '\n';
    QByteArray ini("[Settings]\nDuration=2026-11-01\n[Other]\npad=");
    ini += QByteArray(UserSettingsStore::MaxFileSize - ini.size() - list.size() - 100, 'x');
    ini += '\n' + list;
    QCOMPARE_LE(ini.size(), UserSettingsStore::MaxFileSize);
    writeFile(m_path, ini);
    UserSettingsStore store(m_path);

    QVERIFY(!store.canWrite("Settings", "Duration", "2026-12-08"));
    QVERIFY(!store.write("Settings", "Duration", "2026-12-08"));
    QVERIFY2(store.errorString().contains("would grow larger than"),
             qPrintable(store.errorString()));
    QCOMPARE(contents(m_path), ini);
    QCOMPARE(store.read("Settings", "Duration"), std::optional<QString>("2026-11-01"));
}

void TestSettingsStore::canWrite_leavesNoTrace()
{
    UserSettingsStore store(m_path);
    const auto entries = [this] {
        return QDir(m_dir->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };

    QVERIFY2(store.canWrite("Settings", "Duration", "2026-12-08"), qPrintable(store.errorString()));
    QCOMPARE(entries(), QStringList());

    const QByteArray before("[Settings]\nDuration=2026-11-01\n");
    writeFile(m_path, before);
    QVERIFY2(store.canWrite("Settings", "Duration", "2026-12-08"), qPrintable(store.errorString()));
    QCOMPARE(contents(m_path), before);
    QCOMPARE(entries(), QStringList{"zentrova.conf"});
}

void TestSettingsStore::userStore_isTheFileQSettingsNames()
{
#ifdef Q_OS_WIN
    QSKIP("Windows keeps the settings in the registry");
#endif
    // Earlier copies of the program kept their settings there.
    QStandardPaths::setTestModeEnabled(true);
    const QString name = QStringLiteral("tst_settingsstore_native");
    QCOMPARE(UserSettingsStore::forApplication(name).location(),
             QSettings(QSettings::NativeFormat, QSettings::UserScope, name).fileName());
}

void TestSettingsStore::userStore_isTheMakersRegistryKey()
{
#ifndef Q_OS_WIN
    QSKIP("Only Windows keeps the settings in the registry");
#endif
    // Where Windows programs keep theirs, and earlier copies of the program
    // kept them; QSettings names the key with a leading backslash.
    const QString name = QStringLiteral("tst_settingsstore_native");
    QCOMPARE(
        QLatin1Char('\\') + UserSettingsStore::forApplication(name).location(),
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane"), name)
            .fileName());
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
