// SPDX-License-Identifier: MIT
// The web page launcher and the program's fixed links.
#pragma once

#include <QString>

namespace Zentrova {

class Platform;

// Opens one complete web address in the default browser without waiting for
// the page. When no browser takes it, a warning gives the address to the user.
void openWebPage(Platform &platform, const QString &address);

void openSoftwaresPage(Platform &platform);
void openDonatePage(Platform &platform);
void openOnlineHelp(Platform &platform);
void openFullBrandingPage(Platform &platform);
void openCoBrandingPage(Platform &platform);
void openHomePage(Platform &platform);
void openDownloadPage(Platform &platform);

} // namespace Zentrova
