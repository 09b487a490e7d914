// SPDX-License-Identifier: MIT
// Opening a web page for the user, and telling them when no browser took it.
#pragma once

class QUrl;
class QWidget;

namespace Zentrova {

class Platform;

// Hands address to the default browser without waiting for the page. When no
// browser takes it, a warning over window (while that is open; otherwise over
// the screen) gives the address for the user to copy.
void openWebPage(Platform &platform, QWidget *window, const QUrl &address);

} // namespace Zentrova
