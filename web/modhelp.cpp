#include "web/modhelp.h"

#include "platform/platform.h"
#include "web/siteaddresses.h"

#include <QUrl>

namespace modHelp {

using namespace Zentrova;

void OpenWebPage(Platform &platform, const QString &address)
{
    // The address arrives complete, any query already percent-encoded: tolerant
    // parsing keeps existing escapes as they are and only escapes what a URL
    // cannot hold (spaces, line breaks). The browser's answer is never looked at.
    platform.openWebAddress(QUrl(address, QUrl::TolerantMode));
}

void OpenSoftwaresPage(Platform &platform)
{
    OpenWebPage(platform, MainSiteAddress + QStringLiteral("/quorvanesoftwares"));
}

void OpenDonatePage(Platform &platform)
{
    OpenWebPage(platform, HelpSiteAddress + QStringLiteral("/donate.html"));
}

void OpenOnlineHelp(Platform &platform)
{
    OpenWebPage(platform, ProductSiteAddress + QStringLiteral("/zentrova-help.html"));
}

void OpenFullBrandPage(Platform &platform)
{
    OpenWebPage(platform, HelpSiteAddress + QStringLiteral("/fully-branded.html"));
}

void OpenCoBrandPage(Platform &platform)
{
    OpenWebPage(platform, HelpSiteAddress + QStringLiteral("/co-brand.html"));
}

void OpenHomePage(Platform &platform)
{
    OpenWebPage(platform, HomePageAddress);
}

void OpenDownloadPage(Platform &platform)
{
    OpenWebPage(platform, ProductSiteAddress + QStringLiteral("/download-zentrova.html"));
}

} // namespace modHelp
