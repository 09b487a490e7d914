// SPDX-License-Identifier: MIT
#include "layoutchecks.h"
#include "recordingplatform.h"

#include "ui/main/mainwindow.h"
#include "ui/side/aboutdialog.h"
#include "ui/side/farewellwindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Zentrova;

namespace {

// The texts its controls cut; a translation moves no control, and the
// picture labels hold no text.
QStringList cutTexts(const QWidget *window)
{
    QStringList cut;
    for (const QString &problem : Testing::layoutProblems(window, {})) {
        if (problem.contains(QLatin1String(" cuts its ")) &&
            !problem.startsWith(QLatin1String("pictureLabel")))
            cut << problem;
    }
    return cut;
}

struct TranslatedMessage
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<TranslatedMessage> readTs(const QString &fileName)
{
    QList<TranslatedMessage> messages;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    TranslatedMessage message;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages.append(message);
            continue;
        }
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = {context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
        }
    }
    return messages;
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &match :
         QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// The access key a caption marks, or a null character.
QChar accessKey(const QString &caption)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("&([^&\\s])")).match(caption);
    return match.hasMatch() ? match.captured(1).at(0).toLower() : QChar();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void messages_areAllTranslatedWithTheirPlaceholders_data();
    void messages_areAllTranslatedWithTheirPlaceholders();
    void windows_fitEveryTextAndKeepAccessKeysApart_data();
    void windows_fitEveryTextAndKeepAccessKeysApart();

private:
    std::unique_ptr<Testing::RecordingPlatform> m_platform;
    std::unique_ptr<QTranslator> m_translator;
};

void TestTranslations::init()
{
    m_platform = std::make_unique<Testing::RecordingPlatform>();
}

void TestTranslations::cleanup()
{
    Testing::deleteLeftoverWindows();
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    m_platform.reset();
}

static void addLanguages()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"de", "es", "fr", "pt_BR"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestTranslations::messages_areAllTranslatedWithTheirPlaceholders_data()
{
    addLanguages();
}

void TestTranslations::messages_areAllTranslatedWithTheirPlaceholders()
{
    QFETCH(QString, language);
    const QList<TranslatedMessage> messages =
        readTs(QStringLiteral(TRANSLATIONS_DIR "/zentrova_%1.ts").arg(language));
    QVERIFY(!messages.isEmpty());
    QStringList problems;
    for (const TranslatedMessage &message : messages) {
        const QString where = message.context + QStringLiteral(": ") + message.source.left(40);
        if (!message.type.isEmpty() || message.translation.isEmpty())
            problems << where + QStringLiteral(" is ") +
                            (message.type.isEmpty() ? QStringLiteral("empty") : message.type);
        if (placeholders(message.translation) != placeholders(message.source))
            problems << where + QStringLiteral(" changes its placeholders");
        if (accessKey(message.source).isNull() != accessKey(message.translation).isNull())
            problems << where + QStringLiteral(" gains or loses its access key");
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslations::windows_fitEveryTextAndKeepAccessKeysApart_data()
{
    addLanguages();
    QTest::newRow("English") << QString();
}

void TestTranslations::windows_fitEveryTextAndKeepAccessKeysApart()
{
    QFETCH(QString, language);
    if (!language.isEmpty()) {
        m_translator = std::make_unique<QTranslator>();
        QVERIFY(m_translator->load(QStringLiteral(":/translations/zentrova_%1.qm").arg(language)));
        QCoreApplication::installTranslator(m_translator.get());
    }
    QStringList problems;
    const auto keysApart = [&problems](const QString &where, const QStringList &captions) {
        QSet<QChar> seen;
        for (const QString &caption : captions) {
            const QChar key = accessKey(caption);
            if (!key.isNull() && Q_UNLIKELY(seen.contains(key)))
                problems << where + QStringLiteral(" repeats the access key of ") + caption;
            seen.insert(key);
        }
    };

    auto *main = new MainWindow(*m_platform);
    main->show();
    QStringList mainKeys;
    for (QAction *menu : main->menuBar()->actions()) {
        mainKeys << menu->text();
        if (menu->menu()) {
            QStringList entries;
            for (QAction *entry : menu->menu()->actions())
                entries << entry->text();
            keysApart(menu->text(), entries);
        }
    }
    for (QAbstractButton *button : main->findChildren<QAbstractButton *>())
        mainKeys << button->text();
    keysApart(QStringLiteral("the main window"), mainKeys);
    problems << cutTexts(main);

    // A comprehensive reading shows each page behind its tab: every die value
    // brings its row of each table.
    auto *comprehensive = main->findChild<QAbstractButton *>(QStringLiteral("comprehensiveChoice"));
    auto *tabs = main->findChild<QTabBar *>(QStringLiteral("readingTabs"));
    QVERIFY(comprehensive && tabs);
    for (int value = 1; value <= 10; ++value) {
        const double first = std::min(value, 5) / 6.0 + 0.01;
        const double second = (value - std::min(value, 5)) / 6.0 + 0.01;
        m_platform->useScript({first, second, first, second, first, second});
        QTest::mouseClick(comprehensive, Qt::LeftButton);
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            problems << cutTexts(main);
        }
        QTest::keyClick(main, Qt::Key_C, Qt::AltModifier);
    }

    auto *farewell = new FarewellWindow(
        *m_platform, FarewellWindow::supportMessageIndex(m_platform->random().next()));
    farewell->show();
    QStringList farewellKeys;
    for (QAbstractButton *button : farewell->findChildren<QAbstractButton *>())
        farewellKeys << button->text();
    keysApart(QStringLiteral("the farewell window"), farewellKeys);
    problems << Testing::layoutProblems(farewell, {QStringLiteral("messageEdit")});

    AboutDialog about(*m_platform);
    about.show();
    problems << Testing::layoutProblems(&about, {QStringLiteral("separatorLine")});

    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
