// SPDX-License-Identifier: MIT
#include "ui/pixmaps.h"

#include <QGuiApplication>
#include <QImageReader>

namespace Zentrova::Look {

QPixmap picture(const QString &resourcePath)
{
    // QIcon takes the "@2x" file for dense screens by itself, and leaves a
    // picture at its own size.
    const QSize size = QImageReader(resourcePath).size();
    if (!size.isValid())
        return {};
    return QIcon(resourcePath).pixmap(size, qApp ? qApp->devicePixelRatio() : 1.0);
}

QIcon programIcon()
{
    // Read once: the program and each of its windows carry the same icon.
    static const QIcon icon = [] {
        QIcon files;
        files.addFile(QStringLiteral(":/pictures/icon/zentrova.png"));
        files.addFile(QStringLiteral(":/pictures/icon/zentrova@2x.png"));
        return files;
    }();
    return icon;
}

} // namespace Zentrova::Look
