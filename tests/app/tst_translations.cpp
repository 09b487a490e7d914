// SPDX-License-Identifier: MIT
#include "layoutchecks.h"
#include "recordingplatform.h"

#include "app/translations.h"
#include "ui/main/mainwindow.h"
#include "ui/side/aboutdialog.h"
#include "ui/side/farewellwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Zentrova;
using namespace Qt::StringLiterals;

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

// A control's place in its window: the names of its parents and its own.
QString controlPath(const QWidget *control, const QWidget *window)
{
    QString path = control->objectName();
    for (const QWidget *parent = control->parentWidget(); parent && parent != window;
         parent = parent->parentWidget())
        path.prepend(parent->objectName() + QLatin1Char('/'));
    return path;
}

// The size a control's text is drawn at: its font's points, narrowed by the
// font's stretch.
qreal drawnSize(const QWidget *control)
{
    const QFont font = control->font();
    return font.pointSizeF() * (font.stretch() == 0 ? 100 : font.stretch()) / 100;
}

// Every named control under window, by its path, with its drawn size.
QHash<QString, qreal> fontSizes(const QWidget *window)
{
    QHash<QString, qreal> sizes;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->objectName().isEmpty())
            sizes.insert(controlPath(control, window), drawnSize(control));
    }
    return sizes;
}

// The controls whose text is drawn smaller than designed: below nine tenths
// of it, or at all for a link or a call to action, which a translation must
// fit at their full size. designed holds the sizes of the same window in
// English, before any text was fitted.
QStringList shrunkTexts(const QWidget *window, const QHash<QString, qreal> &designed)
{
    static const QRegularExpression callToAction(
        QStringLiteral("(diceView/(invitationLabel|diceHintLabel|\\w+Choice)|castAgainButton|"
                       "referButton|exitButton)$"));
    QStringList shrunk;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const QString path = controlPath(control, window);
        if (control->objectName().isEmpty() || !designed.contains(path))
            continue;
        const qreal size = designed.value(path);
        const bool fullSize =
            control->inherits("Zentrova::LinkButton") || callToAction.match(path).hasMatch();
        if (drawnSize(control) < (fullSize ? size : 0.9 * size))
            shrunk << QStringLiteral("%1 is drawn at %2 of its %3 pt")
                          .arg(path)
                          .arg(drawnSize(control))
                          .arg(size);
    }
    return shrunk;
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
    void chooseLanguage_takesTheFirstThatIsEnglishOrTranslated_data();
    void chooseLanguage_takesTheFirstThatIsEnglishOrTranslated();
    void installTranslations_bringsTheProgramAndQtInOneLanguage_data();
    void installTranslations_bringsTheProgramAndQtInOneLanguage();
    void messages_areAllTranslatedWithTheirPlaceholders_data();
    void messages_areAllTranslatedWithTheirPlaceholders();
    void windows_fitEveryTextAndKeepAccessKeysApart_data();
    void windows_fitEveryTextAndKeepAccessKeysApart();

private:
    std::unique_ptr<Testing::RecordingPlatform> m_platform;
};

void TestTranslations::init()
{
    m_platform = std::make_unique<Testing::RecordingPlatform>();
}

void TestTranslations::cleanup()
{
    Testing::deleteLeftoverWindows();
    // installTranslations gives the application its translators.
    qDeleteAll(qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
    m_platform.reset();
}

void TestTranslations::chooseLanguage_takesTheFirstThatIsEnglishOrTranslated_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("qt");
    // The lists as QLocale::uiLanguages() gives them for LANGUAGE or LANG.
    QTest::newRow("en_GB:de") << QStringList{u"en-GB"_s, u"en-Latn-GB"_s, u"de"_s, u"de-DE"_s}
                              << QString() << QString();
    QTest::newRow("en_US:fr") << QStringList{u"en-US"_s, u"en"_s, u"fr"_s} << QString()
                              << QString();
    QTest::newRow("it:de") << QStringList{u"it"_s, u"it-Latn-IT"_s, u"it-IT"_s,
                                          u"de"_s, u"de-Latn-DE"_s, u"de-DE"_s}
                           << u"de"_s << u"de"_s;
    QTest::newRow("de_AT") << QStringList{u"de-AT"_s, u"de-Latn-AT"_s} << u"de"_s << u"de"_s;
    QTest::newRow("pt_PT:es") << QStringList{u"pt-PT"_s, u"pt-Latn-PT"_s, u"es"_s, u"es-Latn-ES"_s,
                                             u"es-ES"_s}
                              << u"es"_s << u"es"_s;
    QTest::newRow("pt") << QStringList{u"pt"_s, u"pt-Latn-BR"_s, u"pt-BR"_s} << u"pt_BR"_s
                        << u"pt_BR"_s;
    QTest::newRow("zh_Hant_TW:pt_BR")
        << QStringList{u"zh-Hant-TW"_s, u"pt-Latn-BR"_s} << u"pt_BR"_s << u"pt_BR"_s;
    // Qt here has no French: its buttons stay English, not Italian or German.
    QTest::newRow("fr_CA") << QStringList{u"fr-CA"_s, u"fr-Latn-CA"_s, u"it"_s} << u"fr"_s
                           << QString();
    QTest::newRow("C") << QStringList{u"C"_s} << QString() << QString();
    QTest::newRow("nothing translated") << QStringList{u"it"_s, u""_s} << QString() << QString();
}

void TestTranslations::chooseLanguage_takesTheFirstThatIsEnglishOrTranslated()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, program);
    QFETCH(QString, qt);
    const auto oneOf = [](const QStringList &languages) {
        return [languages](const QString &language) {
            return languages.contains(language);
        };
    };
    const LanguageChoice choice =
        chooseLanguage(uiLanguages, oneOf({u"de"_s, u"es"_s, u"fr"_s, u"pt_BR"_s}),
                       oneOf({u"de"_s, u"en"_s, u"es"_s, u"it"_s, u"pt_BR"_s}));
    QCOMPARE(choice.program, program);
    QCOMPARE(choice.qt, qt);
}

void TestTranslations::installTranslations_bringsTheProgramAndQtInOneLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("yes");
    QTest::newRow("it:de") << QStringList{u"it"_s, u"de"_s} << u"&Hilfe"_s << u"&Ja"_s;
    QTest::newRow("en_GB:de") << QStringList{u"en-GB"_s, u"de"_s} << u"&Help"_s << u"&Yes"_s;
}

void TestTranslations::installTranslations_bringsTheProgramAndQtInOneLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, help);
    QFETCH(QString, yes);
    const QDir qtTranslations(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!qtTranslations.exists(u"qtbase_de.qm"_s) || !qtTranslations.exists(u"qtbase_it.qm"_s))
        QSKIP("Qt's German and Italian translations are not installed");
    installTranslations(*qApp, uiLanguages);
    QCOMPARE(QCoreApplication::translate("Zentrova::MainWindow", "&Help"), help);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
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

    // The designed sizes: each window as built in English, before any
    // translation is installed.
    const auto designedSizes = [this](QWidget *window) {
        window->show();
        const QHash<QString, qreal> sizes = fontSizes(window);
        delete window;
        return sizes;
    };
    const QHash<QString, qreal> mainSizes = designedSizes(new MainWindow(*m_platform));
    const QHash<QString, qreal> farewellSizes = designedSizes(new FarewellWindow(*m_platform, 0));
    const QHash<QString, qreal> aboutSizes = designedSizes(new AboutDialog(*m_platform));

    if (!language.isEmpty()) {
        installTranslations(*qApp, {language});
        QVERIFY(qApp->findChild<QTranslator *>());
    }

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
    problems << cutTexts(main) << shrunkTexts(main, mainSizes);

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
            problems << cutTexts(main) << shrunkTexts(main, mainSizes);
        }
        QTest::mouseClick(main->findChild<QAbstractButton *>(QStringLiteral("castAgainButton")),
                          Qt::LeftButton);
    }

    // Each support message in its turn.
    const int supportMessages = int(FarewellWindow::supportMessages().size());
    for (int message = 0; message < supportMessages; ++message) {
        auto *farewell = new FarewellWindow(*m_platform, message);
        farewell->show();
        QStringList farewellKeys;
        for (QAbstractButton *button : farewell->findChildren<QAbstractButton *>())
            farewellKeys << button->text();
        keysApart(QStringLiteral("the farewell window"), farewellKeys);
        problems << Testing::layoutProblems(farewell, {QStringLiteral("messageEdit")})
                 << shrunkTexts(farewell, farewellSizes);
        delete farewell;
    }

    AboutDialog about(*m_platform);
    about.show();
    problems << Testing::layoutProblems(&about, {QStringLiteral("separatorLine")})
             << shrunkTexts(&about, aboutSizes);

    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
