// SPDX-License-Identifier: MIT
#include "resources/pictures.h"

#include <array>

namespace Zentrova::Pictures {

namespace {

constexpr std::array<const char *, SetSize> PlanetFiles = {
    "01_sun",    "02_moon",   "03_mercury", "04_venus", "05_mars",    "06_jupiter",
    "07_saturn", "08_uranus", "09_neptune", "10_pluto", "11_mercury", "12_venus"};

constexpr std::array<const char *, SetSize> ZodiacFiles = {
    "01_aries", "02_taurus",  "03_gemini",      "04_cancer",    "05_leo",      "06_virgo",
    "07_libra", "08_scorpio", "09_sagittarius", "10_capricorn", "11_aquarius", "12_pisces"};

bool inSet(int position)
{
    return position >= 1 && position <= SetSize;
}

} // namespace

QString dice(int position)
{
    return inSet(position) ? QStringLiteral(":/pictures/dice/%1.png").arg(position) : QString();
}

QString planet(int position)
{
    return inSet(position) ? QStringLiteral(":/pictures/planets/%1.png")
                                 .arg(QLatin1String(PlanetFiles[position - 1]))
                           : QString();
}

QString zodiac(int position)
{
    return inSet(position) ? QStringLiteral(":/pictures/zodiac/%1.png")
                                 .arg(QLatin1String(ZodiacFiles[position - 1]))
                           : QString();
}

QString icon()
{
    return QStringLiteral(":/pictures/icon/zentrova.png");
}

QStringList all()
{
    QStringList paths;
    for (int n = 1; n <= SetSize; ++n)
        paths << dice(n) << planet(n) << zodiac(n);
    paths << icon();
    return paths;
}

} // namespace Zentrova::Pictures
