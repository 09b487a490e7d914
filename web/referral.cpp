// SPDX-License-Identifier: MIT
#include "web/referral.h"

#include "web/siteaddresses.h"

#include <QUrl>

#include <array>

namespace Zentrova {

namespace {

struct Field
{
    QString Referral::*value;
    const QString &placeholder;
    const QString &missingMessage;
};

// In the order of the form and of the request's keys taf1 to taf5.
const std::array<Field, 5> &fieldTable()
{
    static const std::array<Field, 5> table{{
        {&Referral::name, NamePlaceholder, NameMissingMessage},
        {&Referral::email, EmailPlaceholder, EmailMissingMessage},
        {&Referral::message, MessagePlaceholder, MessageMissingMessage},
        {&Referral::friendName, FriendNamePlaceholder, FriendNameMissingMessage},
        {&Referral::friendEmail, FriendEmailPlaceholder, FriendEmailMissingMessage},
    }};
    return table;
}

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first);
}

Referral trimSpaces(const Referral &referral)
{
    Referral trimmed;
    for (const Field &field : fieldTable())
        trimmed.*field.value = trimSpaces(referral.*field.value);
    return trimmed;
}

QString checkAddresses(const QString &email, const QString &friendEmail)
{
    if (email == friendEmail)
        return DistinctAddressesMessage;
    if (!email.contains(QLatin1Char('@')) || !friendEmail.contains(QLatin1Char('@')))
        return ProperAddressMessage;
    if (!email.contains(QLatin1Char('.')) || !friendEmail.contains(QLatin1Char('.')))
        return ProperAddressMessage;
    return {};
}

QString checkReferral(const Referral &fields)
{
    for (const Field &field : fieldTable()) {
        const QString value = trimSpaces(fields.*field.value);
        if (value.isEmpty() || value == field.placeholder)
            return field.missingMessage;
    }
    return {};
}

QString buildRequestUrl(const Referral &fields)
{
    QString request = MainSiteAddress + RequestPath + QLatin1Char('?');
    int key = 1;
    for (const Field &field : fieldTable()) {
        if (key > 1)
            request += QLatin1Char('&');
        request += QStringLiteral("taf%1=").arg(key++) + encoded(fields.*field.value);
    }
    request += QStringLiteral("&taf6=") + encoded(ProductSiteAddress + QLatin1Char('/'));
    return request;
}

bool requestFits(const QString &request)
{
    return request.size() <= MaxRequestLength;
}

QString referralProblem(const Referral &trimmed)
{
    QString problem = checkAddresses(trimmed.email, trimmed.friendEmail);
    if (problem.isEmpty())
        problem = checkReferral(trimmed);
    if (problem.isEmpty() && !requestFits(buildRequestUrl(trimmed)))
        problem = RequestTooLongMessage;
    return problem;
}

} // namespace Zentrova
