// SPDX-License-Identifier: MIT
#include "ui/openwebpage.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace Zentrova {

void openWebPage(Platform &platform, QWidget *window, const QUrl &address)
{
    platform.openWebAddress(address, [&platform, parent = QPointer<QWidget>(window), address] {
        platform.showMessage(
            parent,
            {QCoreApplication::translate("Zentrova::WebPage",
                                         "Zentrova could not open this page in your web browser.\n"
                                         "You can copy its address into a browser yourself:"),
             MessageIcon::Warning, MessageButtons::Ok, QString::fromLatin1(address.toEncoded())});
    });
}

} // namespace Zentrova
