// The Windows programs on the web as it is, under Wine: https through Schannel with the
// prefix's own certificate store, plain addresses moved to https, certificates nobody should
// trust, and the proxy set in Internet Options.

#include "common/line_model.h"
#include "common/program_identity.h"
#include "common/temp_folder.h"
#include "monitor/form3.h"
#include "query/form1.h"
#include "site/redirect_server.h"
#include "site/test_authority.h"
#include "tests/support/test_environment.h"
#include "tests/support/test_proxy.h"
#include "tests/support/user_view.h"
#include "tests/support/x11_window.h"
#include "tests/windows/wine_session.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QStringDecoder>
#include <QTest>

namespace {

// The novel the monitor's title box holds by default, one the site knows.
const QString kNovel = QStringLiteral("校花的贴身高手");
QString httpsAddress(const QString &host, quint16 port)
{
    return QStringLiteral("https://%1:%2").arg(host).arg(port);
}

// A length-prefixed string of the connection settings.
QByteArray counted(const QByteArray &text)
{
    const quint32 size = text.size();
    return QByteArray(reinterpret_cast<const char *>(&size), sizeof size) + text;
}

// What the Internet Options dialog writes for a proxy and its bypass list, as .reg lines: the
// values programs read through wininet, and the connection settings WinHTTP reads, which is
// where Qt asks. Their layout: a version (0x46), a change count and the flags (1 direct,
// 2 through the proxy), then the proxy, the bypass list and the script address, each counted,
// then room for what automatic detection found.
QString internetOptionsProxy(const QString &server, const QString &bypass)
{
    const QByteArray flags = QByteArray::fromHex("460000000000000003000000");
    const QByteArray settings = flags + counted(server.toLatin1()) + counted(bypass.toLatin1()) +
                                counted({}) + QByteArray(28, '\0');
    const QString key = QStringLiteral(
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");
    return key +
           QStringLiteral("]\r\n\"ProxyEnable\"=dword:00000001\r\n\"ProxyServer\"=\"%1\"\r\n"
                          "\"ProxyOverride\"=\"%2\"\r\n\r\n")
               .arg(server, bypass) +
           key + QStringLiteral("\\Connections]\r\n\"DefaultConnectionSettings\"=hex:") +
           QString::fromLatin1(settings.toHex(',')) + QStringLiteral("\r\n");
}

class WineWeb : public WineSession {
protected:
    void SetUp() override
    {
        WineSession::SetUp();
        ASSERT_TRUE(authority.isReady());
        ASSERT_TRUE(trustAuthority());
    }

    // The prefix's user trusts the test's authority, as one does who imports it into the
    // Root store; the machine's own store is untouched.
    bool trustAuthority() const
    {
        const QList<QSslCertificate> pem = QSslCertificate::fromPath(
            authority.certificateFile(), QSsl::Pem, QSslCertificate::PatternSyntax::FixedString);
        if (pem.size() != 1 || !writeFile(prefix.tempFile("authority.cer"), pem.first().toDer()))
            return false;
        QProcess helper;
        prefix.start(helper, qEnvironmentVariable("RAVOSKEL_TRUST_ROOT"),
                     {QStringLiteral("C:\\windows\\temp\\authority.cer")});
        return helper.waitForFinished(kPatienceMs) && helper.exitStatus() == QProcess::NormalExit &&
               helper.exitCode() == 0;
    }
    // Registry values as a .reg file carries them, UTF-16 so that any text survives.
    bool importRegistry(const QString &lines) const
    {
        const QString text = "Windows Registry Editor Version 5.00\r\n\r\n" + lines + "\r\n";
        QByteArray bytes("\xFF\xFE");
        bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        if (!writeFile(prefix.tempFile("settings.reg"), bytes))
            return false;
        QProcess regedit;
        prefix.start(regedit, QStringLiteral("regedit"),
                     {QStringLiteral("/S"), QStringLiteral("C:\\windows\\temp\\settings.reg")});
        return regedit.waitForFinished(kPatienceMs) && regedit.exitCode() == 0;
    }
    void pointAt(const QString &address) const
    {
        ASSERT_TRUE(prefix.setRegistryValue(kSettingsKey + QStringLiteral("Endpoints"),
                                            QStringLiteral("SearchSite"), address));
    }
    // Starts the main program, opens its monitor and starts monitoring the default novel at
    // the shortest interval, with the popup alert ticked.
    X11Window startMonitoring()
    {
        prefix.start(program, kProgramTitle + QStringLiteral(".exe"));
        const X11Window query = X11Window::awaitCaption(kQueryCaption, kPatienceMs);
        if (!query.isValid())
            return query;
        query.click(placeInWindow(Form1::design(), QStringLiteral("Command3")).center());
        const X11Window monitor = X11Window::awaitCaption(kMonitorCaption, kPatienceMs);
        if (!monitor.isValid())
            return monitor;
        monitor.click(placeInWindow(Form3::design(), QStringLiteral("Text5")).center());
        monitor.pressKey(QStringLiteral("ctrl+a"));
        monitor.typeText(QStringLiteral("1000"));
        for (const QString &control : {QStringLiteral("Check1"), QStringLiteral("Command1")})
            monitor.click(placeInWindow(Form3::design(), control).center());
        return monitor;
    }
    bool baselineAndPollShow(const QString &line) const
    {
        return QTest::qWaitFor(
            [&] {
                return chapterLineOf(prefix.programFile(QStringLiteral("vemotemp.vemo"))) == line &&
                       chapterLineOf(prefix.tempFile(kPageHandoffFile)) == line;
            },
            kPatienceMs);
    }
    void expectAlertForNewChapter()
    {
        site.publishChapter(kNovel);
        const X11Window popup = X11Window::awaitCaption(kPopupCaption, kPatienceMs);
        ASSERT_TRUE(popup.isValid());
        EXPECT_EQ(chapterLineOf(prefix.tempFile(kPageHandoffFile)), site.chapterLine(kNovel));
    }

    TestAuthority authority;
};

TEST_F(WineWeb, AnHttpsSiteAndAPlainAddressMovedToItGiveTheBaselineAndTheAlert)
{
    const QString secure = httpsAddress("localhost", site.listenTls(authority.vouchedFor()));
    RedirectServer moved(secure, 301);
    pointAt(QStringLiteral("http://127.0.0.1:%1").arg(moved.listenOnLoopback()));
    ASSERT_TRUE(startMonitoring().isValid());
    EXPECT_TRUE(baselineAndPollShow(site.chapterLine(kNovel)));
    // The address is read at every poll: from now on the monitor asks the https site itself.
    pointAt(secure);
    expectAlertForNewChapter();
}

TEST_F(WineWeb, ACertificateNobodyVouchesForGivesNoBaselineNoAlertAndNoBox)
{
    QSignalSpy handshakes(&site, &ReferenceSite::tlsHandshakeBegun);
    pointAt(httpsAddress("localhost", site.listenTls(authority.selfSigned())));
    ASSERT_TRUE(startMonitoring().isValid());
    // The baseline's try and two polls, each refused.
    EXPECT_TRUE(QTest::qWaitFor([&] { return handshakes.size() >= 3; }, kPatienceMs));
    pointAt(httpsAddress("localhost", site.listenTls(authority.forAnotherHost())));
    const int before = handshakes.size();
    EXPECT_TRUE(QTest::qWaitFor([&] { return handshakes.size() >= before + 2; }, kPatienceMs));
    EXPECT_EQ(site.searchRequestCount(kNovel), 0);
    EXPECT_FALSE(QFile::exists(prefix.programFile(QStringLiteral("vemotemp.vemo"))));
    EXPECT_FALSE(QFile::exists(prefix.tempFile(kPageHandoffFile)));
    EXPECT_FALSE(boxAppears());
    EXPECT_EQ(X11Window::countWithCaption(kPopupCaption), 0);
    EXPECT_EQ(program.state(), QProcess::Running);
}

TEST_F(WineWeb, TheInternetOptionsProxyCarriesPlainAndHttpsPagesToAHostOnlyItKnows)
{
    TestProxy proxy;
    ASSERT_TRUE(importRegistry(internetOptionsProxy(
        QStringLiteral("127.0.0.1:%1").arg(proxy.port()), QStringLiteral("<local>"))));
    const int port = QUrl(site.baseAddress()).port();
    const QString plain = QStringLiteral("%1:%2").arg(kProxiedHost).arg(port);
    pointAt("http://" + plain);
    ASSERT_TRUE(startMonitoring().isValid());
    EXPECT_TRUE(baselineAndPollShow(site.chapterLine(kNovel)));
    EXPECT_TRUE(proxy.requests.contains("GET " + plain)) << proxy.requests.join(", ").toStdString();

    const quint16 tlsPort = site.listenTls(authority.vouchedFor());
    pointAt(httpsAddress(kProxiedHost, tlsPort));
    expectAlertForNewChapter();
    EXPECT_TRUE(
        proxy.requests.contains(QStringLiteral("CONNECT %1:%2").arg(kProxiedHost).arg(tlsPort)));
}

} // namespace
