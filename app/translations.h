// SPDX-License-Identifier: MIT
// The program's texts and Qt's own in the desktop's language.
#pragma once

class QCoreApplication;

namespace Zentrova {

// Installs the translations for the first of the user's languages that has
// one (LANGUAGE, LC_ALL, LC_MESSAGES, LANG decide); English, the language
// the texts are written in, needs none. Qt's own texts (Yes, No, OK, the
// options of --help) follow when its translations are installed.
void installTranslations(QCoreApplication &application);

} // namespace Zentrova
