// SPDX-License-Identifier: MIT
// The addresses of the program's fixed links, on the sites it was built for.
#pragma once

#include <QUrl>

namespace Zentrova {

enum class Link { Softwares, Donate, OnlineHelp, FullBranding, CoBranding, HomePage, Download };

// The page a link opens.
QUrl linkAddress(Link link);

// A complete address as a browser takes it. Any query arrives already
// percent-encoded: existing escapes are kept and only what an address cannot
// hold (spaces, line breaks) is escaped.
QUrl webAddress(const QString &address);

} // namespace Zentrova
