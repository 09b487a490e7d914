// SPDX-License-Identifier: MIT
#include "web/links.h"
#include "web/siteaddresses.h"

#include <QSet>
#include <QTest>

using namespace Zentrova;

Q_DECLARE_METATYPE(Zentrova::Link)

class TestLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void siteAddresses_areSchemeAndHostOnly_data();
    void siteAddresses_areSchemeAndHostOnly();
    void link_isOnePageOfItsSite_data();
    void link_isOnePageOfItsSite();
    void links_areSevenDifferentPages();
    void homePage_isOpenedWithNothingAppended();
    void webAddress_keepsAnEncodedRequestAsItIs_data();
    void webAddress_keepsAnEncodedRequestAsItIs();
    void webAddress_escapesWhatAnAddressCannotHold_data();
    void webAddress_escapesWhatAnAddressCannotHold();
};

namespace {

const QList<Link> AllLinks{Link::Softwares,  Link::Donate,   Link::OnlineHelp, Link::FullBranding,
                           Link::CoBranding, Link::HomePage, Link::Download};

QString encoded(const QUrl &url)
{
    return QString::fromLatin1(url.toEncoded());
}

} // namespace

void TestLinks::siteAddresses_areSchemeAndHostOnly_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("main site") << MainSiteAddress;
    QTest::newRow("help site") << HelpSiteAddress;
    QTest::newRow("product site") << ProductSiteAddress;
}

void TestLinks::siteAddresses_areSchemeAndHostOnly()
{
    QFETCH(QString, address);
    const QUrl url(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QVERIFY(!url.scheme().isEmpty());
    QVERIFY(!url.host().isEmpty());
    // A path would double the slash of every link path appended to it.
    QVERIFY2(url.path().isEmpty(), qPrintable(address));
    QVERIFY(!url.hasQuery());
    QVERIFY(!url.hasFragment());
    QCOMPARE(siteHost(address), url.host());
}

void TestLinks::link_isOnePageOfItsSite_data()
{
    QTest::addColumn<Link>("link");
    QTest::addColumn<QString>("site");

    QTest::newRow("softwares") << Link::Softwares << MainSiteAddress;
    QTest::newRow("donate") << Link::Donate << HelpSiteAddress;
    QTest::newRow("online help") << Link::OnlineHelp << ProductSiteAddress;
    QTest::newRow("full branding") << Link::FullBranding << HelpSiteAddress;
    QTest::newRow("co-branding") << Link::CoBranding << HelpSiteAddress;
    QTest::newRow("download") << Link::Download << ProductSiteAddress;
}

void TestLinks::link_isOnePageOfItsSite()
{
    QFETCH(Link, link);
    QFETCH(QString, site);

    const QUrl url = linkAddress(link);
    const QString address = encoded(url);
    QVERIFY2(address.startsWith(site + QLatin1Char('/')), qPrintable(address));
    QVERIFY(address.size() > site.size() + 1);
    QVERIFY(!url.hasQuery());
    QVERIFY(!url.hasFragment());
}

void TestLinks::links_areSevenDifferentPages()
{
    QSet<QString> addresses;
    for (Link link : AllLinks)
        addresses.insert(encoded(linkAddress(link)));
    QCOMPARE(addresses.size(), AllLinks.size());
}

void TestLinks::homePage_isOpenedWithNothingAppended()
{
    QCOMPARE(encoded(linkAddress(Link::HomePage)), HomePageAddress);
}

void TestLinks::webAddress_keepsAnEncodedRequestAsItIs_data()
{
    QTest::addColumn<QString>("address");

    const QString base = MainSiteAddress + "/cgi-bin/taf.cgi?";
    QTest::newRow("escaped ampersand and equals")
        << base + "taf1=A%26B&taf2=x%3Dy&taf3=&taf4=&taf5=&taf6=";
    QTest::newRow("escaped percent stays single-escaped") << base + "taf1=100%25&taf2=%2541";
    QTest::newRow("escaped plus, hash and slash") << base + "taf1=a%2Bb%23c%2Fd";
    QTest::newRow("escaped space and line break") << base + "taf1=Dear%20Ann%0D%0Ahello";
    QTest::newRow("escaped UTF-8") << base + "taf1=J%C3%BCrgen%20%E2%82%AC";
    QTest::newRow("plus as space") << base + "taf1=Dear+Ann";
    QTest::newRow("query without escapes") << base + "taf1=Ann&taf2=ann@x.example";
}

void TestLinks::webAddress_keepsAnEncodedRequestAsItIs()
{
    QFETCH(QString, address);

    QCOMPARE(encoded(webAddress(address)), address);
}

void TestLinks::webAddress_escapesWhatAnAddressCannotHold_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");

    QTest::newRow("space") << "https://x.example/a b?c=d e"
                           << "https://x.example/a%20b?c=d%20e";
    QTest::newRow("line break") << "https://x.example/?c=d\r\ne"
                                << "https://x.example/?c=d%0D%0Ae";
    QTest::newRow("bare ampersand stays a separator") << "https://x.example/?a=1&b=2"
                                                      << "https://x.example/?a=1&b=2";
    QTest::newRow("lone percent") << "https://x.example/?a=100%"
                                  << "https://x.example/?a=100%25";
    QTest::newRow("non-ASCII") << QString::fromUtf8("https://x.example/?a=\xC3\xA4")
                               << "https://x.example/?a=%C3%A4";
}

void TestLinks::webAddress_escapesWhatAnAddressCannotHold()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);

    QCOMPARE(encoded(webAddress(address)), expected);
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
