#include "web/modhelp.h"

#include "platform/platform.h"

namespace modHelp {

void OpenWebPage(Zentrova::Platform &platform, const QString &address)
{
    platform.openWebAddress(QUrl(address));
}

void OpenSoftwaresPage(Zentrova::Platform &) {}
void OpenDonatePage(Zentrova::Platform &) {}
void OpenOnlineHelp(Zentrova::Platform &) {}
void OpenFullBrandPage(Zentrova::Platform &) {}
void OpenCoBrandPage(Zentrova::Platform &) {}
void OpenHomePage(Zentrova::Platform &) {}
void OpenDownloadPage(Zentrova::Platform &) {}

} // namespace modHelp
