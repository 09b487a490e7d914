// SPDX-License-Identifier: MIT
#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace Zentrova::Look {

namespace {

// Resolved once: asking fontconfig for a missing family at every widget is
// slow.
QString uiFontFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString &candidate :
             {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
              QStringLiteral("Bitstream Vera Sans"), QStringLiteral("Liberation Sans")}) {
            if (families.contains(candidate, Qt::CaseInsensitive))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

} // namespace

QFont uiFont(qreal pointSize, bool bold, bool underline)
{
    QFont font(uiFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont windowFont()
{
    return uiFont(8.25);
}

} // namespace Zentrova::Look
