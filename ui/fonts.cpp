// SPDX-License-Identifier: MIT
#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace Zentrova::Look {

namespace {

using namespace Qt::StringLiterals;

constexpr QLatin1StringView DesignedFamily = "Verdana"_L1;

// Resolved once: asking fontconfig for a missing family at every widget is
// slow.
QString uiFontFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (QLatin1StringView candidate :
             {DesignedFamily, "DejaVu Sans"_L1, "Bitstream Vera Sans"_L1, "Liberation Sans"_L1}) {
            if (families.contains(candidate, Qt::CaseInsensitive))
                return QString(candidate);
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
    // A stand-in is as wide as Verdana only at its design advances: full
    // hinting (FreeType's default on Windows, a choice on Linux desktops)
    // rounds each letter up to whole pixels, a line grows by up to 3%
    // and no longer fits its place. Vertical hinting keeps the
    // advances and is what fontconfig gives by default.
    if (font.family() != DesignedFamily)
        font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QFont windowFont()
{
    return uiFont(8.25);
}

} // namespace Zentrova::Look
