// SPDX-License-Identifier: MIT
// The referral checks and the request sent to the browser.
#include "web/referral.h"
#include "web/siteaddresses.h"

#include <QTest>
#include <QUrlQuery>

using namespace Zentrova;

namespace Zentrova {
// Names the problem in a failed comparison.
char *toString(ReferralProblem problem)
{
    return QTest::toString(int(problem));
}
} // namespace Zentrova

namespace {

// What the boxes show while empty, in some language: the checks take them
// as given.
const Referral Placeholders{"Ihr Name", "Ihre E-Mail", "Ihre Nachricht", "Name des Freundes",
                            "E-Mail des Freundes"};
// The message box starts with a line break after its placeholder.
const QString InitialMessage = Placeholders.message + "\r\n";

const Referral Valid{QStringLiteral("Ann"), QStringLiteral("ann@home.example"), InitialMessage,
                     QStringLiteral("Bob"), QStringLiteral("bob@work.example")};

// The decoded value of each key in the order the request carries them.
QList<QPair<QString, QString>> decodedItems(const QString &request)
{
    return QUrlQuery(QUrl(request)).queryItems(QUrl::FullyDecoded);
}

} // namespace

class TestReferral : public QObject
{
    Q_OBJECT

private slots:
    void trimSpaces_removesOuterSpacesOnly_data();
    void trimSpaces_removesOuterSpacesOnly();

    void buildRequest_keepsAddressPathAndKeyOrder();
    void buildRequest_carriesUntouchedMessageWithItsLineBreak();
    void buildRequest_deliversEachTypedValueAsOneValue_data();
    void buildRequest_deliversEachTypedValueAsOneValue();

    void referralProblem_acceptsTrimmedValidEntries();
    void referralProblem_checksAddressesThenEntriesThenLength_data();
    void referralProblem_checksAddressesThenEntriesThenLength();
    void referralProblem_refusesRequestOverTheLimit_data();
    void referralProblem_refusesRequestOverTheLimit();
    void singleLineEntries_atTheirLongest_leaveRoomForTheMessage_data();
    void singleLineEntries_atTheirLongest_leaveRoomForTheMessage();
};

void TestReferral::trimSpaces_removesOuterSpacesOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("spaces only") << QStringLiteral("    ") << QString();
    QTest::newRow("outer spaces") << QStringLiteral("  a b  ") << QStringLiteral("a b");
    QTest::newRow("tabs stay") << QStringLiteral("\ta\t") << QStringLiteral("\ta\t");
    QTest::newRow("line breaks stay")
        << QStringLiteral(" Message\r\n ") << QStringLiteral("Message\r\n");
    QTest::newRow("non-breaking space stays")
        << QStringLiteral("\u00a0x ") << QStringLiteral("\u00a0x");
}

void TestReferral::trimSpaces_removesOuterSpacesOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(trimSpaces(text), trimmed);
}

void TestReferral::buildRequest_keepsAddressPathAndKeyOrder()
{
    const QString request = buildRequestUrl(Valid);
    QVERIFY(request.startsWith(MainSiteAddress + "/qvms-refer-a-friend.php?taf1=Ann&taf2="));

    const QUrl url(request);
    QCOMPARE(url.scheme() + "://" + url.host(), MainSiteAddress);
    QCOMPARE(url.path(), QStringLiteral("/qvms-refer-a-friend.php"));
    QVERIFY(!url.hasFragment());

    const auto items = decodedItems(request);
    QStringList keys;
    for (const auto &item : items)
        keys.append(item.first);
    QCOMPARE(keys, QStringList({"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"}));
    QCOMPARE(items.at(5).second, ProductSiteAddress + "/");
}

void TestReferral::buildRequest_carriesUntouchedMessageWithItsLineBreak()
{
    const QString request = buildRequestUrl(Valid);
    QVERIFY2(request.contains("&taf3=Ihre%20Nachricht%0D%0A&taf4="), qPrintable(request));
    QCOMPARE(decodedItems(request).at(2).second, InitialMessage);
}

void TestReferral::buildRequest_deliversEachTypedValueAsOneValue_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("ampersand and key") << QStringLiteral("A&taf6=x");
    QTest::newRow("override first key") << QStringLiteral("x&taf1=evil");
    QTest::newRow("escape stays three characters") << QStringLiteral("%41");
    QTest::newRow("plus") << QStringLiteral("a+b");
    QTest::newRow("fragment") << QStringLiteral("x#frag");
    QTest::newRow("equals") << QStringLiteral("a=b");
    QTest::newRow("reserved characters") << QStringLiteral("/?;:@,$");
    QTest::newRow("inner spaces") << QStringLiteral("Ann Lee");
    QTest::newRow("line breaks") << QStringLiteral("one\r\ntwo\nthree");
    QTest::newRow("non-ASCII letters") << QStringLiteral("Zoë Ünal Ørsted Łukasz 山田");
    QTest::newRow("apostrophe and quotes") << QStringLiteral("O'Neil \"Jr\" <b>");
}

void TestReferral::buildRequest_deliversEachTypedValueAsOneValue()
{
    QFETCH(QString, typed);
    // The same text in every field the user can type into.
    const Referral fields{typed, typed + "@a.b", typed, typed, "f" + typed + "@c.d"};

    QCOMPARE(referralProblem(trimSpaces(fields), Placeholders), ReferralProblem::None);
    const QUrl request(buildRequestUrl(fields));
    QVERIFY(request.isValid());

    const auto items = QUrlQuery(request).queryItems(QUrl::FullyDecoded);
    QCOMPARE(items.size(), 6);
    const QStringList expected{typed, typed + "@a.b",       typed,
                               typed, "f" + typed + "@c.d", ProductSiteAddress + "/"};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(items.at(i).first, QStringLiteral("taf%1").arg(i + 1));
        QCOMPARE(items.at(i).second, expected.at(i));
    }
    QCOMPARE(request.path(), QStringLiteral("/qvms-refer-a-friend.php"));
    QVERIFY(!request.hasFragment());
}

void TestReferral::referralProblem_acceptsTrimmedValidEntries()
{
    const Referral typed{"  Ann  ", " ann@home.example ", InitialMessage, "Bob ",
                         "  bob@work.example"};
    const Referral trimmed = trimSpaces(typed);
    QCOMPARE(trimmed, Valid);
    QCOMPARE(referralProblem(trimmed, Placeholders), ReferralProblem::None);
}

void TestReferral::referralProblem_checksAddressesThenEntriesThenLength_data()
{
    QTest::addColumn<Referral>("typed");
    QTest::addColumn<Referral>("placeholders");
    QTest::addColumn<ReferralProblem>("problem");
    using enum ReferralProblem;

    const auto with = [](QString Referral::*field, const QString &value) {
        Referral fields = Valid;
        fields.*field = value;
        return fields;
    };
    const auto addresses = [](const QString &email, const QString &friendEmail) {
        Referral fields = Valid;
        fields.email = email;
        fields.friendEmail = friendEmail;
        return fields;
    };

    Referral untouched = Placeholders;
    untouched.message = InitialMessage;
    QTest::newRow("untouched form") << untouched << Placeholders << AddressNotProper;

    // The addresses, before any entry.
    QTest::newRow("same address") << addresses("a@b.c", "a@b.c") << Placeholders
                                  << AddressesNotDistinct;
    QTest::newRow("same address after trimming")
        << Referral{"Ann", "a@b.c ", InitialMessage, "Bob", " a@b.c"} << Placeholders
        << AddressesNotDistinct;
    QTest::newRow("both empty are the same")
        << addresses("", "") << Placeholders << AddressesNotDistinct;
    QTest::newRow("same without @ is still the same")
        << addresses("abc", "abc") << Placeholders << AddressesNotDistinct;
    QTest::newRow("differ only in case") << addresses("Ann@B.c", "ann@b.c") << Placeholders << None;
    QTest::newRow("no @ in mine") << addresses("ann.b.c", "bob@b.c") << Placeholders
                                  << AddressNotProper;
    QTest::newRow("no @ in friend's")
        << addresses("ann@b.c", "bob.b.c") << Placeholders << AddressNotProper;
    QTest::newRow("no dot in mine")
        << addresses("ann@bc", "bob@b.c") << Placeholders << AddressNotProper;
    QTest::newRow("no dot in friend's")
        << addresses("ann@b.c", "bob@bc") << Placeholders << AddressNotProper;
    QTest::newRow("only dot before @") << addresses("a.nn@bc", "b.ob@bc") << Placeholders << None;
    QTest::newRow("nothing but @ and dot") << addresses("@.", ".@") << Placeholders << None;
    QTest::newRow("several @") << addresses("a@@b.c", "@b@.c") << Placeholders << None;
    // An empty address box cannot pass the address checks.
    QTest::newRow("email empty") << with(&Referral::email, QString()) << Placeholders
                                 << AddressNotProper;
    QTest::newRow("friend's email empty")
        << with(&Referral::friendEmail, QString()) << Placeholders << AddressNotProper;

    // Then each entry in the order of the form.
    QTest::newRow("name empty") << with(&Referral::name, QString()) << Placeholders << NameMissing;
    QTest::newRow("name spaces only")
        << with(&Referral::name, "   ") << Placeholders << NameMissing;
    QTest::newRow("name placeholder in spaces")
        << with(&Referral::name, "  " + Placeholders.name + " ") << Placeholders << NameMissing;
    QTest::newRow("name placeholder other case")
        << with(&Referral::name, Placeholders.name.toLower()) << Placeholders << None;
    // The boxes show the placeholders of the user's language: the English
    // text is then a name like any other.
    QTest::newRow("another language's placeholder")
        << with(&Referral::name, "Your Name") << Placeholders << None;
    QTest::newRow("message empty")
        << with(&Referral::message, QString()) << Placeholders << MessageMissing;
    QTest::newRow("message with line break is not the placeholder")
        << with(&Referral::message, InitialMessage) << Placeholders << None;
    QTest::newRow("missing name before overlong message")
        << Referral{Placeholders.name, "a@b.c", QString(MaxRequestLength, 'x'), "Bob", "b@b.c"}
        << Placeholders << NameMissing;

    // A language whose address placeholders look like addresses: they pass
    // the address checks and are still refused as missing, in form order.
    const Referral addressLike{"Ihr Name", "ihre@adresse.de", "Ihre Nachricht", "Name des Freundes",
                               "freund@adresse.de"};
    Referral allMissing = addressLike;
    QTest::newRow("all placeholders: name first") << allMissing << addressLike << NameMissing;
    allMissing.name = QStringLiteral("Ann");
    QTest::newRow("then e-mail") << allMissing << addressLike << EmailMissing;
    allMissing.email = QStringLiteral("a@b.c");
    QTest::newRow("then message") << allMissing << addressLike << MessageMissing;
    allMissing.message = QStringLiteral("Hi");
    QTest::newRow("then friend's name") << allMissing << addressLike << FriendNameMissing;
    allMissing.friendName = QStringLiteral("Bob");
    QTest::newRow("then friend's e-mail") << allMissing << addressLike << FriendEmailMissing;
}

void TestReferral::referralProblem_checksAddressesThenEntriesThenLength()
{
    QFETCH(Referral, typed);
    QFETCH(Referral, placeholders);
    QFETCH(ReferralProblem, problem);
    QCOMPARE(referralProblem(trimSpaces(typed), placeholders), problem);
}

void TestReferral::referralProblem_refusesRequestOverTheLimit_data()
{
    QTest::addColumn<QString>("unit");
    // Each unit grows the request by the length of its encoded form.
    QTest::newRow("letters") << QStringLiteral("x");
    QTest::newRow("ampersands") << QStringLiteral("&");
    QTest::newRow("non-ASCII letters") << QStringLiteral("山");
}

void TestReferral::referralProblem_refusesRequestOverTheLimit()
{
    QFETCH(QString, unit);
    const auto withMessage = [](const QString &message) {
        Referral fields = Valid;
        fields.message = message;
        return fields;
    };
    const qsizetype base = buildRequestUrl(withMessage({})).size();
    const qsizetype encoded = buildRequestUrl(withMessage(unit)).size() - base;
    const qsizetype units = (MaxRequestLength - base) / encoded;

    const Referral longest = withMessage(unit.repeated(units));
    const QString fitting = buildRequestUrl(longest);
    QVERIFY(fitting.size() > MaxRequestLength - encoded);
    QVERIFY(requestFits(fitting));
    QCOMPARE(referralProblem(longest, Placeholders), ReferralProblem::None);

    const Referral tooLong = withMessage(unit.repeated(units + 1));
    QVERIFY(!requestFits(buildRequestUrl(tooLong)));
    QCOMPARE(referralProblem(tooLong, Placeholders), ReferralProblem::RequestTooLong);
}

void TestReferral::singleLineEntries_atTheirLongest_leaveRoomForTheMessage_data()
{
    QTest::addColumn<QString>("unit");
    // The characters that take the most room encoded: 3, 9 and 12 for two.
    QTest::newRow("ampersands") << QStringLiteral("&");
    QTest::newRow("three UTF-8 bytes") << QStringLiteral("山");
    QTest::newRow("surrogate pairs") << QStringLiteral("😀");
}

void TestReferral::singleLineEntries_atTheirLongest_leaveRoomForTheMessage()
{
    QFETCH(QString, unit);
    // As long as a box takes them: its length counts UTF-16 code units.
    const QString longest = unit.repeated(MaxEntryLength / unit.size());
    QCOMPARE(longest.size(), MaxEntryLength);
    const Referral fields{longest, longest + "@a.b", InitialMessage, longest, longest + "@c.d"};
    QVERIFY(requestFits(buildRequestUrl(fields)));
}

QTEST_MAIN(TestReferral)
#include "tst_referral.moc"
