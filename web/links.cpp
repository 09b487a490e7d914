// SPDX-License-Identifier: MIT
#include "web/links.h"

#include "web/siteaddresses.h"

namespace Zentrova {

QUrl linkAddress(Link link)
{
    switch (link) {
    case Link::Softwares:
        return webAddress(MainSiteAddress + QStringLiteral("/quorvanesoftwares"));
    case Link::Donate:
        return webAddress(HelpSiteAddress + QStringLiteral("/donate.html"));
    case Link::OnlineHelp:
        return webAddress(ProductSiteAddress + QStringLiteral("/zentrova-help.html"));
    case Link::FullBranding:
        return webAddress(HelpSiteAddress + QStringLiteral("/fully-branded.html"));
    case Link::CoBranding:
        return webAddress(HelpSiteAddress + QStringLiteral("/co-brand.html"));
    case Link::HomePage:
        return webAddress(HomePageAddress);
    case Link::Download:
        return webAddress(ProductSiteAddress + QStringLiteral("/download-zentrova.html"));
    }
    return {};
}

QUrl webAddress(const QString &address)
{
    return QUrl(address, QUrl::TolerantMode);
}

} // namespace Zentrova
