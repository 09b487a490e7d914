#include "recordingplatform.h"

#include "web/links.h"
#include "web/siteaddresses.h"

#include <QTest>

using namespace Zentrova;
using Zentrova::Testing::RecordingPlatform;

using LinkOperation = void (*)(Platform &);
Q_DECLARE_METATYPE(LinkOperation)

class TestModHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void siteAddresses_areSchemeAndHostOnly_data();
    void siteAddresses_areSchemeAndHostOnly();
    void linkOperation_opensItsFixedAddressOnly_data();
    void linkOperation_opensItsFixedAddressOnly();
    void homePage_isOpenedWithNothingAppended();
    void sameLinkTwice_opensThePageTwice();
    void openWebPage_keepsAnEncodedRequestAsItIs_data();
    void openWebPage_keepsAnEncodedRequestAsItIs();
    void openWebPage_escapesWhatAnAddressCannotHold_data();
    void openWebPage_escapesWhatAnAddressCannotHold();
};

void TestModHelp::siteAddresses_areSchemeAndHostOnly_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("main site") << MainSiteAddress;
    QTest::newRow("help site") << HelpSiteAddress;
    QTest::newRow("product site") << ProductSiteAddress;
}

void TestModHelp::siteAddresses_areSchemeAndHostOnly()
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

void TestModHelp::linkOperation_opensItsFixedAddressOnly_data()
{
    QTest::addColumn<LinkOperation>("operation");
    QTest::addColumn<QString>("address");

    QTest::newRow("openSoftwaresPage")
        << LinkOperation(&openSoftwaresPage) << MainSiteAddress + "/quorvanesoftwares";
    QTest::newRow("openDonatePage")
        << LinkOperation(&openDonatePage) << HelpSiteAddress + "/donate.html";
    QTest::newRow("openOnlineHelp")
        << LinkOperation(&openOnlineHelp) << ProductSiteAddress + "/zentrova-help.html";
    QTest::newRow("openFullBrandingPage")
        << LinkOperation(&openFullBrandingPage) << HelpSiteAddress + "/fully-branded.html";
    QTest::newRow("openCoBrandingPage")
        << LinkOperation(&openCoBrandingPage) << HelpSiteAddress + "/co-brand.html";
    QTest::newRow("openHomePage") << LinkOperation(&openHomePage) << HomePageAddress;
    QTest::newRow("openDownloadPage")
        << LinkOperation(&openDownloadPage) << ProductSiteAddress + "/download-zentrova.html";
}

void TestModHelp::linkOperation_opensItsFixedAddressOnly()
{
    QFETCH(LinkOperation, operation);
    QFETCH(QString, address);

    RecordingPlatform platform;
    operation(platform);

    QCOMPARE(platform.openedAddresses(), QStringList{address});
    const QUrl opened = platform.opened.constFirst();
    QVERIFY(!opened.hasQuery());
    QVERIFY(!opened.hasFragment());
    // Fire-and-forget: nothing shown, stored or ended.
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.store.reads + platform.store.writes, 0);
    QVERIFY(platform.endings.isEmpty());
}

void TestModHelp::homePage_isOpenedWithNothingAppended()
{
    RecordingPlatform platform;
    openHomePage(platform);

    QCOMPARE(platform.opened.size(), 1);
    const QString opened = platform.openedAddresses().constFirst();
    QCOMPARE(opened, HomePageAddress);
    QCOMPARE(opened.endsWith(QLatin1Char('/')), HomePageAddress.endsWith(QLatin1Char('/')));
}

void TestModHelp::sameLinkTwice_opensThePageTwice()
{
    RecordingPlatform platform;
    openDonatePage(platform);
    openDonatePage(platform);
    openWebPage(platform, QStringLiteral("https://x.example/a?b=c"));
    openWebPage(platform, QStringLiteral("https://x.example/a?b=c"));

    const QString donate = HelpSiteAddress + "/donate.html";
    QCOMPARE(platform.openedAddresses(),
             (QStringList{donate, donate, "https://x.example/a?b=c", "https://x.example/a?b=c"}));
}

void TestModHelp::openWebPage_keepsAnEncodedRequestAsItIs_data()
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

void TestModHelp::openWebPage_keepsAnEncodedRequestAsItIs()
{
    QFETCH(QString, address);

    RecordingPlatform platform;
    openWebPage(platform, address);

    QCOMPARE(platform.opened.size(), 1);
    QCOMPARE(QString::fromLatin1(platform.opened.constFirst().toEncoded()), address);
}

void TestModHelp::openWebPage_escapesWhatAnAddressCannotHold_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("encoded");

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

void TestModHelp::openWebPage_escapesWhatAnAddressCannotHold()
{
    QFETCH(QString, address);
    QFETCH(QString, encoded);

    RecordingPlatform platform;
    openWebPage(platform, address);

    QCOMPARE(platform.openedAddresses(), QStringList{encoded});
}

QTEST_GUILESS_MAIN(TestModHelp)
#include "tst_links.moc"
