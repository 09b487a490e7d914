// SPDX-License-Identifier: MIT
// The refer-a-friend checks and the referral request they guard.
#pragma once

#include <QString>

namespace Zentrova {

inline const QString RequestPath = QStringLiteral("/qvms-refer-a-friend.php");

// The longest request the form opens. Common web servers refuse a longer
// request line by default (Apache allows 8190 bytes, nginx 8 KiB), and that
// line holds the method and the protocol besides the address; browsers and
// the system's launcher take far longer ones. A longer request would be lost
// on its way while the form looked as if it had gone.
inline constexpr qsizetype MaxRequestLength = 8000;

// The longest text each single-line box takes. Even with every character
// percent-encoded as three UTF-8 bytes (9 characters), the four single-line
// boxes at this length leave the request room below MaxRequestLength, so
// only the message can make it too long.
inline constexpr int MaxEntryLength = 200;
// The rest (the page's address, the keys, the product site and a short
// message) needs a few hundred characters.
static_assert(4 * 9 * MaxEntryLength + 600 <= MaxRequestLength);

// The five entries, as typed into the boxes or as stored after trimming; or
// the placeholder texts the boxes show while they hold nothing else.
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

// What the form's button can find wrong with the entries. The form tells the
// user in words of its own.
enum class ReferralProblem {
    None,
    NameMissing,
    EmailMissing,
    MessageMissing,
    FriendNameMissing,
    FriendEmailMissing,
    AddressesNotDistinct,
    AddressNotProper,
    // The request would be longer than MaxRequestLength.
    RequestTooLong,
};

// The referral request for the stored fields. Every value is percent-encoded
// as UTF-8, so whatever was typed arrives as the one value it was typed into.
QString buildRequestUrl(const Referral &fields);

// Whether a built request is short enough to reach the referral page.
bool requestFits(const QString &request);

// What a press of the form's button finds wrong with the trimmed entries:
// the two addresses first (the same address twice, then one without "@" or
// "."), then each entry in the order of the form (the first that is empty or
// still shows its placeholder, as the boxes show it), then the length of the
// request they make.
ReferralProblem referralProblem(const Referral &trimmed, const Referral &placeholders);

} // namespace Zentrova
