// SPDX-License-Identifier: MIT
#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
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

// The translation among translations for a language: the one for its whole
// name, then without its script ("de_Latn_AT" is "de_AT"), then the bare
// language's; never one for another region.
QString translationFor(const QStringList &parts, const QStringList &translations)
{
    if (parts.isEmpty())
        return {};
    QStringList candidates{parts.join(QLatin1Char('_'))};
    if (parts.size() > 2 && parts.at(1).size() == 4)
        candidates << parts.at(0) + QLatin1Char('_') + parts.mid(2).join(QLatin1Char('_'));
    candidates << parts.at(0);
    for (const QString &candidate : std::as_const(candidates)) {
        for (const QString &translation : translations) {
            if (translation.compare(candidate, Qt::CaseInsensitive) == 0)
                return translation;
        }
    }
    return {};
}

// The languages of the files prefix_<language>.qm in folder.
QStringList translationsIn(const QString &folder, const QString &prefix)
{
    const QString suffix = QStringLiteral(".qm");
    QStringList languages =
        QDir(folder).entryList({prefix + QLatin1Char('*') + suffix}, QDir::Files | QDir::Readable);
    for (QString &language : languages)
        language = language.mid(prefix.size(), language.size() - prefix.size() - suffix.size());
    return languages;
}

void install(QCoreApplication &application, const QString &fileName, const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(fileName, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

LanguageChoice chooseLanguage(const QStringList &uiLanguages,
                              const QStringList &programTranslations,
                              const QStringList &qtTranslations)
{
    for (const QString &language : uiLanguages) {
        const QStringList parts = nameParts(language);
        if (isEnglish(parts))
            return {};
        const QString program = translationFor(parts, programTranslations);
        if (!program.isEmpty())
            return {program, translationFor(nameParts(program), qtTranslations)};
    }
    return {};
}

void installTranslations(QCoreApplication &application, const QStringList &uiLanguages)
{
    const QString programFolder = QStringLiteral(":/translations");
    const QString programPrefix = QStringLiteral("zentrova_");
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString qtPrefix = QStringLiteral("qtbase_");
    const LanguageChoice choice =
        chooseLanguage(uiLanguages, translationsIn(programFolder, programPrefix),
                       translationsIn(qtFolder, qtPrefix));
    if (!choice.program.isEmpty())
        install(application, programPrefix + choice.program, programFolder);
    if (!choice.qt.isEmpty())
        install(application, qtPrefix + choice.qt, qtFolder);
}

void installTranslations(QCoreApplication &application)
{
    installTranslations(application, QLocale::system().uiLanguages());
}

} // namespace Zentrova
