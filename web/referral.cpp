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
    ReferralProblem missing;
};

// In the order of the form and of the request's keys taf1 to taf5.
const std::array<Field, 5> &fieldTable()
{
    static const std::array<Field, 5> table{{
        {&Referral::name, ReferralProblem::NameMissing},
        {&Referral::email, ReferralProblem::EmailMissing},
        {&Referral::message, ReferralProblem::MessageMissing},
        {&Referral::friendName, ReferralProblem::FriendNameMissing},
        {&Referral::friendEmail, ReferralProblem::FriendEmailMissing},
    }};
    return table;
}

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

// The checks on the two trimmed addresses.
ReferralProblem checkAddresses(const QString &email, const QString &friendEmail)
{
    if (email == friendEmail)
        return ReferralProblem::AddressesNotDistinct;
    for (const QString &address : {email, friendEmail}) {
        if (!address.contains(QLatin1Char('@')) || !address.contains(QLatin1Char('.')))
            return ReferralProblem::AddressNotProper;
    }
    return ReferralProblem::None;
}

// The entries, field by field in the order of the form.
ReferralProblem checkEntries(const Referral &fields, const Referral &placeholders)
{
    for (const Field &field : fieldTable()) {
        const QString value = trimSpaces(fields.*field.value);
        if (value.isEmpty() || value == placeholders.*field.value)
            return field.missing;
    }
    return ReferralProblem::None;
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

ReferralProblem referralProblem(const Referral &trimmed, const Referral &placeholders)
{
    ReferralProblem problem = checkAddresses(trimmed.email, trimmed.friendEmail);
    if (problem == ReferralProblem::None)
        problem = checkEntries(trimmed, placeholders);
    if (problem == ReferralProblem::None && !requestFits(buildRequestUrl(trimmed)))
        problem = ReferralProblem::RequestTooLong;
    return problem;
}

} // namespace Zentrova
