#include "ui/side/modtellafriend.h"

#include "platform/platform.h"
#include "web/modhelp.h"
#include "web/siteaddresses.h"

#include <QUrl>

#include <array>

namespace modTellAFriend {

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

QString TrimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first);
}

Referral TrimSpaces(const Referral &referral)
{
    Referral trimmed;
    for (const Field &field : fieldTable())
        trimmed.*field.value = TrimSpaces(referral.*field.value);
    return trimmed;
}

QString CheckAddresses(const QString &email, const QString &friendEmail)
{
    if (email == friendEmail)
        return DistinctAddressesMessage;
    if (!email.contains(QLatin1Char('@')) || !friendEmail.contains(QLatin1Char('@')))
        return ProperAddressMessage;
    if (!email.contains(QLatin1Char('.')) || !friendEmail.contains(QLatin1Char('.')))
        return ProperAddressMessage;
    return {};
}

QString CheckReferral(const Referral &fields)
{
    for (const Field &field : fieldTable()) {
        const QString value = TrimSpaces(fields.*field.value);
        if (value.isEmpty() || value == field.placeholder)
            return field.missingMessage;
    }
    return {};
}

QString BuildRequest(const Referral &fields)
{
    QString request = Zentrova::MainSiteAddress + RequestPath + QLatin1Char('?');
    int key = 1;
    for (const Field &field : fieldTable()) {
        if (key > 1)
            request += QLatin1Char('&');
        request += QStringLiteral("taf%1=").arg(key++) + encoded(fields.*field.value);
    }
    request += QStringLiteral("&taf6=") + encoded(Zentrova::ProductSiteAddress + QLatin1Char('/'));
    return request;
}

Module::Module(Zentrova::Platform &platform, QWidget *messageParent)
    : m_platform(platform), m_messageParent(messageParent)
{}

bool Module::Submit(const Referral &boxTexts)
{
    m_fields = TrimSpaces(boxTexts);
    const QString problem = CheckAddresses(m_fields.email, m_fields.friendEmail);
    if (!problem.isEmpty()) {
        ShowMessage(problem);
        return false;
    }
    return TellAFriend();
}

bool Module::TellAFriend()
{
    const QString problem = CheckReferral(m_fields);
    if (!problem.isEmpty()) {
        ShowMessage(problem);
        return false;
    }
    m_lastRequest = BuildRequest(m_fields);
    modHelp::OpenWebPage(m_platform, m_lastRequest);
    return true;
}

void Module::ShowMessage(const QString &text)
{
    m_platform.showMessage(m_messageParent, text, Zentrova::ProgramTitle,
                           Zentrova::MessageIcon::Critical, Zentrova::MessageButtons::Ok);
}

} // namespace modTellAFriend
