// The web page launcher and the program's fixed links.
#pragma once

#include <QString>

namespace Zentrova {
class Platform;
}

namespace modHelp {

// Opens one complete web address in the default browser, fire-and-forget.
void OpenWebPage(Zentrova::Platform &platform, const QString &address);

void OpenSoftwaresPage(Zentrova::Platform &platform);
void OpenDonatePage(Zentrova::Platform &platform);
void OpenOnlineHelp(Zentrova::Platform &platform);
void OpenFullBrandPage(Zentrova::Platform &platform);
void OpenCoBrandPage(Zentrova::Platform &platform);
void OpenHomePage(Zentrova::Platform &platform);
void OpenDownloadPage(Zentrova::Platform &platform);

} // namespace modHelp
