// SPDX-License-Identifier: MIT
// The refer-a-friend checks and the referral request they guard.
#pragma once

#include <QString>

namespace Zentrova {

inline const QString NamePlaceholder = QStringLiteral("Your Name");
inline const QString EmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString MessagePlaceholder = QStringLiteral("Your Message");
inline const QString FriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString FriendEmailPlaceholder = QStringLiteral("Friend's Email Address");

// The message box starts with a line break after the placeholder, so it is
// not the placeholder and is sent as it stands.
inline const QString InitialMessage = MessagePlaceholder + QStringLiteral("\r\n");

inline const QString NameMissingMessage = QStringLiteral("Please Enter Your Name");
inline const QString EmailMissingMessage = QStringLiteral("Please Enter Your Email");
inline const QString MessageMissingMessage = QStringLiteral("Please Enter Your Message");
inline const QString FriendNameMissingMessage = QStringLiteral("Please Enter Your Friend's Name");
inline const QString FriendEmailMissingMessage = QStringLiteral("Please Enter Your Friend's Email");
inline const QString DistinctAddressesMessage =
    QStringLiteral("Please Enter Distinct Email Addresses");
inline const QString ProperAddressMessage = QStringLiteral("Please Enter Proper Email Address");
inline const QString SpaceInAddressMessage = QStringLiteral("Email Address Cannot Contain Space");
inline const QString RequestTooLongMessage = QStringLiteral("Please Shorten Your Message");

inline const QString RequestPath = QStringLiteral("/qvms-refer-a-friend.php");

// The longest request the form opens. Common web servers refuse a longer
// request line by default (Apache allows 8190 bytes, nginx 8 KiB), and that
// line holds the method and the protocol besides the address; browsers and
// the system's launcher take far longer ones. A longer request would be lost
// on its way while the form looked as if it had gone.
inline constexpr qsizetype MaxRequestLength = 8000;

// The five entries, as typed into the boxes or as stored after trimming.
struct Referral
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;

    friend bool operator==(const Referral &, const Referral &) = default;
};

// Removes leading and trailing spaces (code 32) and nothing else.
QString trimSpaces(const QString &text);
Referral trimSpaces(const Referral &referral);

// The checks the form's button makes on the two trimmed addresses: the
// message to show, or an empty text when both pass.
QString checkAddresses(const QString &email, const QString &friendEmail);
// The entry checks, field by field in the order of the form: the message
// for the first field that is empty or still its placeholder, or an empty text.
QString checkReferral(const Referral &fields);
// The referral request for the stored fields. Every value is percent-encoded
// as UTF-8, so whatever was typed arrives as the one value it was typed into.
QString buildRequestUrl(const Referral &fields);

// Whether a built request is short enough to reach the referral page.
bool requestFits(const QString &request);

// What a press of the form's button finds wrong with the trimmed entries:
// the two addresses first, then each entry in the order of the form, then
// the length of the request they make. Empty when the referral may go.
QString referralProblem(const Referral &trimmed);

} // namespace Zentrova
