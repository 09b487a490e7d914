// SPDX-License-Identifier: MIT
#include "web/links.h"

#include "platform/platform.h"
#include "web/siteaddresses.h"

#include <QUrl>

namespace Zentrova {

namespace {

// What failed, and the whole address to copy.
QString browserFailureMessage(const QUrl &address)
{
    return QStringLiteral("Zentrova could not open this page in your web browser.\n"
                          "You can copy its address into a browser yourself:\n\n%1")
        .arg(QString::fromLatin1(address.toEncoded()));
}

} // namespace

void openWebPage(Platform &platform, const QString &address)
{
    // The address arrives complete, any query already percent-encoded: tolerant
    // parsing keeps existing escapes as they are and only escapes what a URL
    // cannot hold (spaces, line breaks).
    const QUrl url(address, QUrl::TolerantMode);
    platform.openWebAddress(url, [&platform, url] {
        // No browser, or an opener that failed: say so over the window the
        // user works in, with the address in the form a browser takes.
        platform.showMessage(platform.activeWindow(), browserFailureMessage(url), ProgramTitle,
                             MessageIcon::Warning, MessageButtons::Ok);
    });
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
