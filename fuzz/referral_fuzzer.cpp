// SPDX-License-Identifier: MIT
// Fuzzes the referral request: whatever is typed into the five boxes, the
// request names exactly the keys taf1 to taf6 in order, each value decodes
// back to what the form sends (the trimmed text), and the address reaches
// the browser as one piece.
//
// An input is the five entries as UTF-8, one after the other, separated by the
// byte 0xFF, which UTF-8 never uses; missing entries are empty.

#include "web/referral.h"
#include "web/siteaddresses.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringDecoder>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Zentrova;

namespace {

using Fields = std::array<QString, 6>;

// What the boxes show while empty, as in the English form.
const Referral Placeholders{QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
                            QStringLiteral("Your Message"), QStringLiteral("Friend's Name"),
                            QStringLiteral("Friend's Email Address")};

// UTF-8 as the page reads it: a byte order mark at the start is a character
// like any other (QString::fromUtf8 would drop it).
QString fromUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

[[noreturn]] void fail(const char *what, const QString &address)
{
    std::fprintf(stderr, "referral request: %s\n%s\n", what, address.toUtf8().constData());
    std::abort();
}

Referral referralFrom(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayList parts =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\xff');
    std::array<QString, 5> entries;
    for (qsizetype i = 0; i < qMin<qsizetype>(parts.size(), 5); ++i)
        entries[i] = fromUtf8(parts.at(i));
    return {entries[0], entries[1], entries[2], entries[3], entries[4]};
}

// Trimming takes spaces off both ends and nothing else.
bool trimmedFrom(const QString &typed, const QString &trimmed)
{
    qsizetype leading = 0;
    while (leading < typed.size() && typed.at(leading) == QLatin1Char(' '))
        ++leading;
    if (trimmed.isEmpty())
        return leading == typed.size();
    if (trimmed.startsWith(QLatin1Char(' ')) || trimmed.endsWith(QLatin1Char(' ')))
        return false;
    if (typed.sliced(leading).left(trimmed.size()) != trimmed)
        return false;
    for (qsizetype i = leading + trimmed.size(); i < typed.size(); ++i) {
        if (typed.at(i) != QLatin1Char(' '))
            return false;
    }
    return true;
}

// The query holds taf1 to taf6 in order, each once, each decoding to its field.
void checkQuery(const QByteArray &query, const Fields &expected, const QString &address)
{
    const QByteArrayList pairs = query.split('&');
    if (pairs.size() != qsizetype(expected.size()))
        fail("the query does not hold exactly six values", address);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QByteArray key = "taf" + QByteArray::number(qulonglong(i + 1)) + '=';
        const QByteArray &pair = pairs.at(qsizetype(i));
        if (!pair.startsWith(key))
            fail("a key is missing or out of order", address);
        const QByteArray value = pair.sliced(key.size());
        if (value.contains('=') || value.contains('#') || value.contains('?'))
            fail("a value holds an unencoded delimiter", address);
        if (fromUtf8(QByteArray::fromPercentEncoding(value)) != expected[i])
            fail("a value does not decode to its entry", address);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Referral typed = referralFrom(data, size);
    // What the farewell window does with the boxes' texts before it builds.
    const Referral trimmed = trimSpaces(typed);
    if (!trimmedFrom(typed.name, trimmed.name) || !trimmedFrom(typed.email, trimmed.email) ||
        !trimmedFrom(typed.message, trimmed.message) ||
        !trimmedFrom(typed.friendName, trimmed.friendName) ||
        !trimmedFrom(typed.friendEmail, trimmed.friendEmail))
        fail("trimming changed more than the spaces at the ends", typed.name);

    // The checks judge any text without failing themselves. Single-line
    // entries no longer than their boxes take never make the request too
    // long: only the message can.
    const ReferralProblem problem = referralProblem(trimmed, Placeholders);
    (void)referralProblem(typed, Placeholders);
    if (problem == ReferralProblem::RequestTooLong && trimmed.message.size() <= 2 &&
        std::max({trimmed.name.size(), trimmed.email.size(), trimmed.friendName.size(),
                  trimmed.friendEmail.size()}) <= MaxEntryLength)
        fail("the single-line entries alone made the request too long", typed.name);

    const QString address = buildRequestUrl(trimmed);
    const Fields expected{trimmed.name,       trimmed.email,       trimmed.message,
                          trimmed.friendName, trimmed.friendEmail, ProductSiteAddress + u'/'};

    const QString start = MainSiteAddress + RequestPath + u'?';
    if (!address.startsWith(start))
        fail("the address does not start with the referral page", address);
    // Printable ASCII only: no space, control, quote or backslash that a
    // command line would split, strip or unescape.
    for (const QChar c : address) {
        const char16_t u = c.unicode();
        if (u <= 0x20 || u >= 0x7f || u == u'"' || u == u'\'' || u == u'\\')
            fail("the address holds a character that is not sent as it stands", address);
    }
    checkQuery(address.sliced(start.size()).toLatin1(), expected, address);

    // What the launcher hands to the opener: the address read tolerantly,
    // then written out as one argument after the opener's name.
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid() || url.hasFragment())
        fail("the launcher does not read the address back whole", address);
    if (url.adjusted(QUrl::RemoveQuery).toString() != MainSiteAddress + RequestPath)
        fail("the launcher reads another page", address);
    const QByteArray encoded = url.toEncoded();
    const QStringList arguments =
        QProcess::splitCommand(QStringLiteral("xdg-open ") + QString::fromLatin1(encoded));
    if (arguments.size() != 2 || arguments.at(1) != QString::fromLatin1(encoded))
        fail("the opener's command line splits the address", address);
    checkQuery(url.query(QUrl::FullyEncoded).toLatin1(), expected, address);
    return 0;
}
