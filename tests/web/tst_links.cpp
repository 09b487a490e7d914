// SPDX-License-Identifier: MIT
#include "recordingplatform.h"

#include "web/links.h"
#include "web/siteaddresses.h"

#include <QSet>
#include <QTest>
#include <QWidget>

using namespace Zentrova;
using Zentrova::Testing::RecordingPlatform;

using LinkOperation = void (*)(Platform &);
Q_DECLARE_METATYPE(LinkOperation)

class TestLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void siteAddresses_areSchemeAndHostOnly_data();
    void siteAddresses_areSchemeAndHostOnly();
    void linkOperation_opensOnePageOfItsSite_data();
    void linkOperation_opensOnePageOfItsSite();
    void linkOperations_openSevenDifferentPages();
    void homePage_isOpenedWithNothingAppended();
    void sameLinkTwice_opensThePageTwice();
    void openWebPage_keepsAnEncodedRequestAsItIs_data();
    void openWebPage_keepsAnEncodedRequestAsItIs();
    void openWebPage_escapesWhatAnAddressCannotHold_data();
    void openWebPage_escapesWhatAnAddressCannotHold();
    void failedOpen_warnsOverTheActiveWindowWithTheWholeAddress_data();
    void failedOpen_warnsOverTheActiveWindowWithTheWholeAddress();
};

namespace {

const QList<LinkOperation> AllLinks{&openSoftwaresPage,    &openDonatePage,     &openOnlineHelp,
                                    &openFullBrandingPage, &openCoBrandingPage, &openHomePage,
                                    &openDownloadPage};

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

void TestLinks::linkOperation_opensOnePageOfItsSite_data()
{
    QTest::addColumn<LinkOperation>("operation");
    QTest::addColumn<QString>("site");

    QTest::newRow("openSoftwaresPage") << LinkOperation(&openSoftwaresPage) << MainSiteAddress;
    QTest::newRow("openDonatePage") << LinkOperation(&openDonatePage) << HelpSiteAddress;
    QTest::newRow("openOnlineHelp") << LinkOperation(&openOnlineHelp) << ProductSiteAddress;
    QTest::newRow("openFullBrandingPage")
        << LinkOperation(&openFullBrandingPage) << HelpSiteAddress;
    QTest::newRow("openCoBrandingPage") << LinkOperation(&openCoBrandingPage) << HelpSiteAddress;
    QTest::newRow("openDownloadPage") << LinkOperation(&openDownloadPage) << ProductSiteAddress;
}

void TestLinks::linkOperation_opensOnePageOfItsSite()
{
    QFETCH(LinkOperation, operation);
    QFETCH(QString, site);

    RecordingPlatform platform;
    operation(platform);

    QCOMPARE(platform.opened.size(), 1);
    const QString opened = platform.openedAddresses().constFirst();
    QVERIFY2(opened.startsWith(site + QLatin1Char('/')), qPrintable(opened));
    QVERIFY(opened.size() > site.size() + 1);
    const QUrl url = platform.opened.constFirst();
    QVERIFY(!url.hasQuery());
    QVERIFY(!url.hasFragment());
    // An opened page shows nothing, stores nothing and ends nothing.
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.store.reads + platform.store.writes, 0);
    QVERIFY(platform.endings.isEmpty());
}

void TestLinks::linkOperations_openSevenDifferentPages()
{
    RecordingPlatform platform;
    for (LinkOperation operation : AllLinks)
        operation(platform);

    const QStringList opened = platform.openedAddresses();
    QCOMPARE(opened.size(), AllLinks.size());
    QCOMPARE(QSet<QString>(opened.cbegin(), opened.cend()).size(), AllLinks.size());
}

void TestLinks::homePage_isOpenedWithNothingAppended()
{
    RecordingPlatform platform;
    openHomePage(platform);

    QCOMPARE(platform.opened.size(), 1);
    const QString opened = platform.openedAddresses().constFirst();
    QCOMPARE(opened, HomePageAddress);
    QCOMPARE(opened.endsWith(QLatin1Char('/')), HomePageAddress.endsWith(QLatin1Char('/')));
}

void TestLinks::sameLinkTwice_opensThePageTwice()
{
    RecordingPlatform platform;
    openDonatePage(platform);
    openDonatePage(platform);
    openWebPage(platform, QStringLiteral("https://x.example/a?b=c"));
    openWebPage(platform, QStringLiteral("https://x.example/a?b=c"));

    const QStringList opened = platform.openedAddresses();
    QCOMPARE(opened.size(), 4);
    QCOMPARE(opened.at(1), opened.at(0));
    QCOMPARE(opened.at(2), QStringLiteral("https://x.example/a?b=c"));
    QCOMPARE(opened.at(3), opened.at(2));
}

void TestLinks::openWebPage_keepsAnEncodedRequestAsItIs_data()
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

void TestLinks::openWebPage_keepsAnEncodedRequestAsItIs()
{
    QFETCH(QString, address);

    RecordingPlatform platform;
    openWebPage(platform, address);

    QCOMPARE(platform.opened.size(), 1);
    QCOMPARE(QString::fromLatin1(platform.opened.constFirst().toEncoded()), address);
}

void TestLinks::openWebPage_escapesWhatAnAddressCannotHold_data()
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

void TestLinks::openWebPage_escapesWhatAnAddressCannotHold()
{
    QFETCH(QString, address);
    QFETCH(QString, encoded);

    RecordingPlatform platform;
    openWebPage(platform, address);

    QCOMPARE(platform.openedAddresses(), QStringList{encoded});
}

void TestLinks::failedOpen_warnsOverTheActiveWindowWithTheWholeAddress_data()
{
    QTest::addColumn<LinkOperation>("operation");
    QTest::addColumn<QString>("address");

    QTest::newRow("a fixed link") << LinkOperation(&openDonatePage) << QString();
    QTest::newRow("a long referral request")
        << LinkOperation(nullptr)
        << MainSiteAddress + "/refer.php?taf1=Ann%20Lee&taf2=ann@x.example&taf3=" +
               QString(300, QLatin1Char('m')) + "&taf4=Bo&taf5=bo@x.example&taf6=a b";
}

void TestLinks::failedOpen_warnsOverTheActiveWindowWithTheWholeAddress()
{
    QFETCH(LinkOperation, operation);
    QFETCH(QString, address);

    RecordingPlatform platform;
    QWidget window;
    platform.activeWidget = &window;

    // A browser that opens: no box.
    operation ? operation(platform) : openWebPage(platform, address);
    QVERIFY(platform.messages.isEmpty());

    platform.browserOpens = false;
    operation ? operation(platform) : openWebPage(platform, address);

    QCOMPARE(platform.messages.size(), 1);
    const Testing::RecordedMessage &warning = platform.messages.constFirst();
    QCOMPARE(warning.icon, MessageIcon::Warning);
    QCOMPARE(warning.buttons, MessageButtons::Ok);
    QCOMPARE(warning.caption, ProgramTitle);
    QCOMPARE(warning.parent.data(), &window);
    // The address as a browser takes it, whole and on a line of its own.
    const QString opened = platform.openedAddresses().constLast();
    QVERIFY(!opened.contains(QLatin1Char(' ')));
    QVERIFY2(warning.text.split(QLatin1Char('\n')).contains(opened), qPrintable(warning.text));
    QCOMPARE(platform.opened.size(), 2);
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
