#include "web/links.h"

#include "platform/platform.h"
#include "web/siteaddresses.h"

#include <QUrl>

namespace Zentrova {

void openWebPage(Platform &platform, const QString &address)
{
    // The address arrives complete, any query already percent-encoded: tolerant
    // parsing keeps existing escapes as they are and only escapes what a URL
    // cannot hold (spaces, line breaks). The browser's answer is never looked at.
    platform.openWebAddress(QUrl(address, QUrl::TolerantMode));
}

void openSoftwaresPage(Platform &platform)
{
    openWebPage(platform, MainSiteAddress + QStringLiteral("/quorvanesoftwares"));
}

void openDonatePage(Platform &platform)
{
    openWebPage(platform, HelpSiteAddress + QStringLiteral("/donate.html"));
}

void openOnlineHelp(Platform &platform)
{
    openWebPage(platform, ProductSiteAddress + QStringLiteral("/zentrova-help.html"));
}

void openFullBrandingPage(Platform &platform)
{
    openWebPage(platform, HelpSiteAddress + QStringLiteral("/fully-branded.html"));
}

void openCoBrandingPage(Platform &platform)
{
    openWebPage(platform, HelpSiteAddress + QStringLiteral("/co-brand.html"));
}

void openHomePage(Platform &platform)
{
    openWebPage(platform, HomePageAddress);
}

void openDownloadPage(Platform &platform)
{
    openWebPage(platform, ProductSiteAddress + QStringLiteral("/download-zentrova.html"));
}

} // namespace Zentrova
