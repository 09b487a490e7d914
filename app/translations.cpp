// SPDX-License-Identifier: MIT
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Zentrova {

void installTranslations(QCoreApplication &application)
{
    const QLocale locale = QLocale::system();
    auto *program = new QTranslator(&application);
    if (!program->load(locale, QStringLiteral("zentrova"), QStringLiteral("_"),
                       QStringLiteral(":/translations"))) {
        // No translation for any of the user's languages: English throughout,
        // Qt's buttons included.
        delete program;
        return;
    }
    QCoreApplication::installTranslator(program);
    auto *qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

} // namespace Zentrova
