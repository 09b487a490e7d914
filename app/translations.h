// SPDX-License-Identifier: MIT
// The program's texts and Qt's own in the user's first language.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

namespace Zentrova {

// The languages the texts come in: names as the translation files carry them
// ("de", "pt_BR"); empty for English, the language the texts are written in.
struct LanguageChoice
{
    QString program;
    QString qt;

    friend bool operator==(const LanguageChoice &, const LanguageChoice &) = default;
};

// Whether there is a translation for a language, by the name its file
// carries ("de", "pt_BR").
using HasTranslation = std::function<bool(const QString &language)>;

// The first of the user's languages, most wanted first (as QLocale::uiLanguages()
// gives them: "en-GB", "de-Latn-AT", "C"), that is English or has one of the
// program's translations. A language with a region takes the translation for
// that region or for the bare language, never one for another region: no
// Brazilian texts for a Portuguese user. Qt's own texts follow in the same
// language where Qt has it, and in English where it does not.
LanguageChoice chooseLanguage(const QStringList &uiLanguages, const HasTranslation &program,
                              const HasTranslation &qt);

// Installs the translations chooseLanguage picks for the user's languages, by
// default those of the desktop (LANGUAGE, LC_ALL, LC_MESSAGES, LANG on Linux;
// the display language on Windows).
void installTranslations(QCoreApplication &application, const QStringList &uiLanguages);
void installTranslations(QCoreApplication &application);

} // namespace Zentrova
