// SPDX-License-Identifier: MIT
#include "app/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Zentrova {

namespace {

// The parts of a language's name: "de-Latn-AT" and "de_Latn_AT" are "de",
// "Latn", "AT".
QStringList nameParts(QString language)
{
    return language.replace(QLatin1Char('-'), QLatin1Char('_'))
        .split(QLatin1Char('_'), Qt::SkipEmptyParts);
}

bool isEnglish(const QStringList &parts)
{
    const QString language = parts.value(0);
    return language.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
           language == QLatin1String("C") || language == QLatin1String("POSIX");
}

// The name of the translation there is for a language: the one for its
// whole name, then without its script ("de_Latn_AT" is "de_AT"), then the
// bare language's; never one for another region.
QString translationFor(const QStringList &parts, const HasTranslation &hasTranslation)
{
    if (parts.isEmpty())
        return {};
    QStringList candidates{parts.join(QLatin1Char('_'))};
    if (parts.size() > 2 && parts.at(1).size() == 4)
        candidates << parts.at(0) + QLatin1Char('_') + parts.mid(2).join(QLatin1Char('_'));
    candidates << parts.at(0);
    for (const QString &candidate : std::as_const(candidates)) {
        if (hasTranslation(candidate))
            return candidate;
    }
    return {};
}

// Each translation is looked up by its file name: listing Qt's folder instead
// cost every start, English too, some 2 million instructions.
struct TranslationFiles
{
    QString folder;
    QString prefix;

    QString path(const QString &language) const
    {
        return folder + QLatin1Char('/') + prefix + language + QStringLiteral(".qm");
    }
    bool has(const QString &language) const { return QFileInfo::exists(path(language)); }

    void install(QCoreApplication &application, const QString &language) const
    {
        if (language.isEmpty())
            return;
        auto *translator = new QTranslator(&application);
        if (translator->load(path(language)))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
};

} // namespace

LanguageChoice chooseLanguage(const QStringList &uiLanguages, const HasTranslation &program,
                              const HasTranslation &qt)
{
    for (const QString &language : uiLanguages) {
        const QStringList parts = nameParts(language);
        if (isEnglish(parts))
            return {};
        const QString programLanguage = translationFor(parts, program);
        if (!programLanguage.isEmpty())
            return {programLanguage, translationFor(nameParts(programLanguage), qt)};
    }
    return {};
}

void installTranslations(QCoreApplication &application, const QStringList &uiLanguages)
{
    const TranslationFiles program{QStringLiteral(":/translations"), QStringLiteral("zentrova_")};
    const TranslationFiles qt{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                              QStringLiteral("qtbase_")};
    const LanguageChoice choice = chooseLanguage(
        uiLanguages, [&program](const QString &language) { return program.has(language); },
        [&qt](const QString &language) { return qt.has(language); });
    program.install(application, choice.program);
    qt.install(application, choice.qt);
}

void installTranslations(QCoreApplication &application)
{
    installTranslations(application, QLocale::system().uiLanguages());
}

} // namespace Zentrova
