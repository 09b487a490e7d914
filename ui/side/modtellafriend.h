// The refer-a-friend checks and the referral request, with the module state
// the farewell window keeps between presses of its button.
#pragma once

#include <QString>

class QWidget;

namespace Zentrova {
class Platform;
}

namespace modTellAFriend {

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

inline const QString RequestPath = QStringLiteral("/qvms-refer-a-friend.php");

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
QString TrimSpaces(const QString &text);
Referral TrimSpaces(const Referral &referral);

// The checks the form's button makes on the two trimmed addresses: the
// message to show, or an empty text when both pass.
QString CheckAddresses(const QString &email, const QString &friendEmail);
// TellAFriend's checks, field by field in the order of the form: the message
// for the first field that is empty or still its placeholder, or an empty text.
QString CheckReferral(const Referral &fields);
// The referral request for the stored fields. Every value is percent-encoded
// as UTF-8, so whatever was typed arrives as the one value it was typed into.
QString BuildRequest(const Referral &fields);

// The module's state: the fields of the last press and the last request.
class Module final
{
public:
    // Messages are shown over messageParent.
    Module(Zentrova::Platform &platform, QWidget *messageParent);

    // A press of the form's button with the boxes' texts. True when the
    // request went to the browser.
    bool Submit(const Referral &boxTexts);
    // Checks the stored fields, then builds the request and opens it. True
    // when the request went to the browser.
    bool TellAFriend();

    // Shows an input problem: error icon, OK, the program's title.
    void ShowMessage(const QString &text);

    const Referral &fields() const { return m_fields; }
    const QString &lastRequest() const { return m_lastRequest; }

private:
    Zentrova::Platform &m_platform;
    QWidget *m_messageParent = nullptr;
    Referral m_fields;
    QString m_lastRequest;
};

} // namespace modTellAFriend
