// SPDX-License-Identifier: MIT
// The built-in pictures, read for the screen they show on.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Zentrova::Look {

// A picture from the resources, its "@2x" version on dense screens.
QPixmap picture(const QString &resourcePath);
// The program's icon, in every size there is.
QIcon programIcon();

} // namespace Zentrova::Look
