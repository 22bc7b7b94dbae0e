#include "reference_site.h"
#include "test_environment.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <memory>

namespace {

const QString kNovel = QStringLiteral("测试之书");
const QString kOtherNovel = QStringLiteral("另一本书");
constexpr int kChapterLine = 56;

struct Fetched {
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;
    QByteArray body;
    QByteArray contentType;
    QByteArray cacheControl;
};

QByteArray gbkPercentEncoded(const QString &text)
{
    QStringEncoder toGbk("GBK");
    return QByteArray(toGbk(text)).toPercentEncoding();
}

QByteArray searchPath(const QString &title)
{
    return "/searchname.aspx?wd=" + gbkPercentEncoded(title);
}

QStringList crLfLines(const QByteArray &body)
{
    return QString::fromUtf8(body).split(QStringLiteral("\r\n"));
}

class ReferenceSiteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        network.setProxy(QNetworkProxy::NoProxy);
        ASSERT_NE(site->listen(), 0);
        site->addNovel(kNovel, {QStringLiteral("第1章 开端"), QStringLiteral("第2章 风雨夜")});
        site->addNovel(kOtherNovel, {QStringLiteral("第1章 山门")});
    }

    QNetworkReply *get(const QByteArray &pathAndQuery)
    {
        const QUrl url = QUrl::fromEncoded(site->baseAddress().toUtf8() + pathAndQuery);
        return network.get(QNetworkRequest(url));
    }

    static Fetched finish(QNetworkReply *reply)
    {
        QSignalSpy finished(reply, &QNetworkReply::finished);
        EXPECT_TRUE(reply->isFinished() || finished.wait());
        reply->deleteLater();
        // An aborted reply is closed, and reading it would only draw a warning.
        const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
        return Fetched{reply->error(),
                       reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), body,
                       reply->rawHeader("Content-Type"), reply->rawHeader("Cache-Control")};
    }

    Fetched fetch(const QByteArray &pathAndQuery) { return finish(get(pathAndQuery)); }
    Fetched search(const QString &title) { return fetch(searchPath(title)); }

    std::unique_ptr<ReferenceSite> site = std::make_unique<ReferenceSite>();
    QNetworkAccessManager network;
};

// --- the result page -------------------------------------------------------------------------

TEST_F(ReferenceSiteTest, ResultPageCarriesTheNewestChapterOnItsChapterLine)
{
    const Fetched page = search(kNovel);
    ASSERT_EQ(page.status, 200);
    EXPECT_TRUE(page.contentType.contains("utf-8"));
    EXPECT_EQ(page.cacheControl, "no-store");
    EXPECT_TRUE(page.body.endsWith("\r\n"));
    EXPECT_EQ(page.body.count("\n"), page.body.count("\r\n"));
    const QStringList lines = crLfLines(page.body);
    ASSERT_GT(lines.size(), kChapterLine);
    EXPECT_EQ(lines.at(kChapterLine), site->chapterLine(kNovel));
    EXPECT_TRUE(lines.at(kChapterLine).contains(QStringLiteral("第2章 风雨夜")));
    EXPECT_FALSE(lines.at(kChapterLine).contains(QStringLiteral("第1章")));
}

TEST_F(ReferenceSiteTest, UnknownTitleGetsTheSameLayoutSayingNothingWasFound)
{
    const QString title = QStringLiteral("无此书<b>");
    const QStringList lines = crLfLines(search(title).body);
    ASSERT_GT(lines.size(), kChapterLine);
    EXPECT_EQ(lines.at(kChapterLine), site->chapterLine(title));
    EXPECT_TRUE(lines.at(kChapterLine).contains(QStringLiteral("没有找到《无此书&lt;b&gt;》")));
}

TEST_F(ReferenceSiteTest, PublishingChangesTheChapterLine)
{
    QSignalSpy published(site.get(), &ReferenceSite::chapterPublished);
    const QString before = crLfLines(search(kNovel).body).value(kChapterLine);
    const QString chapter = site->publishChapter(kNovel);
    EXPECT_TRUE(chapter.startsWith(QStringLiteral("第3章")));
    const QString after = crLfLines(search(kNovel).body).value(kChapterLine);
    EXPECT_NE(after, before);
    EXPECT_TRUE(after.contains(chapter));
    EXPECT_EQ(after, site->chapterLine(kNovel));
    ASSERT_EQ(published.count(), 1);
    EXPECT_EQ(published.at(0).at(1).toString(), chapter);

    const QString fresh = QStringLiteral("新书");
    site->publishChapter(fresh);
    EXPECT_TRUE(site->chapterLine(fresh).contains(QStringLiteral("第1章")));
}

TEST_F(ReferenceSiteTest, ScheduledPublishingKeepsAddingChapters)
{
    QSignalSpy published(site.get(), &ReferenceSite::chapterPublished);
    site->setPublishInterval(kNovel, 1);
    ASSERT_TRUE(QTest::qWaitFor([&published] { return published.count() >= 2; }));
    site->setPublishInterval(kNovel, 0);
    EXPECT_EQ(published.at(0).at(1).toString().left(3), QStringLiteral("第3章"));
    EXPECT_EQ(published.at(1).at(1).toString().left(3), QStringLiteral("第4章"));
}

TEST_F(ReferenceSiteTest, TitlesArriveAsGbkAndAreDecodedExactly)
{
    QSignalSpy searched(site.get(), &ReferenceSite::searchRequested);
    const QString title = QStringLiteral("校花 & 高手+#100%");
    const QByteArray encoded = gbkPercentEncoded(title);
    search(title);
    ASSERT_EQ(searched.count(), 1);
    EXPECT_EQ(searched.at(0).at(0).toString(), title);
    EXPECT_EQ(searched.at(0).at(1).toByteArray(), encoded);
    EXPECT_EQ(site->searchRequestCount(title), 1);

    fetch("/searchname.aspx?x=1&wd=a+b&y=2");
    EXPECT_EQ(searched.at(1).at(0).toString(), QStringLiteral("a+b"));
}

// --- the author's pages and everything else ---------------------------------------------------

QStringList divTexts(const QByteArray &body)
{
    QStringList texts;
    static const QRegularExpression div(QStringLiteral("<div>([^<]*)</div>"));
    for (const auto &match : div.globalMatch(QString::fromUtf8(body)))
        texts << match.captured(1);
    return texts;
}

TEST_F(ReferenceSiteTest, VersionPageAnnouncesTheVersionOnItsSecondLine)
{
    const Fetched page = fetch("/version.html");
    EXPECT_EQ(page.status, 200);
    EXPECT_FALSE(page.body.contains('\n'));
    EXPECT_EQ(divTexts(page.body).value(1), QStringLiteral("Ravoskelv1.3.6"));

    site->setVersionText(QStringLiteral("Ravoskelv1.4.0"));
    EXPECT_EQ(divTexts(fetch("/version.html").body).value(1), QStringLiteral("Ravoskelv1.4.0"));
}

TEST_F(ReferenceSiteTest, ServesEveryAuthorPageAndNothingElse)
{
    QSignalSpy requested(site.get(), &ReferenceSite::pageRequested);
    for (const char *path :
         {"/download.html", "/support.html", "/blog.html", "/microblog.html", "/personal.html",
          "/offers/shopping.html", "/offers/antivirus.html", "/offers/tv.html"}) {
        const Fetched page = fetch(path);
        EXPECT_EQ(page.status, 200) << path;
        EXPECT_TRUE(page.body.contains("<meta charset=\"utf-8\">")) << path;
        EXPECT_EQ(page.cacheControl, "no-store") << path;
        EXPECT_EQ(requested.takeLast().at(0).toString(), QString::fromLatin1(path));
    }
    for (const char *path : {"/", "/offers/", "/version.htm", "/control/publish?wd=abc"}) {
        const Fetched page = fetch(path);
        EXPECT_EQ(page.status, 404) << path;
        EXPECT_EQ(page.cacheControl, "no-store") << path;
    }
}

TEST_F(ReferenceSiteTest, ListenFailsOnABusyPort)
{
    const quint16 port = QUrl(site->baseAddress()).port();
    EXPECT_EQ(site->baseAddress(), QStringLiteral("http://127.0.0.1:%1").arg(port));
    ReferenceSite second;
    expectQtWarning(QRegularExpression(QStringLiteral("listen")));
    EXPECT_EQ(second.listen(port), 0);
}

// --- fault modes -----------------------------------------------------------------------------

TEST_F(ReferenceSiteTest, RefusedSearchGetsNoAnswerAtAll)
{
    site->setFault(kNovel, FaultMode::Refuse);
    const Fetched refused = search(kNovel);
    EXPECT_NE(refused.error, QNetworkReply::NoError);
    EXPECT_EQ(refused.status, 0);
    EXPECT_GE(site->searchRequestCount(kNovel), 1);
}

TEST_F(ReferenceSiteTest, StalledSearchHangsWhileOtherRequestsAreServed)
{
    site->setFault(kNovel, FaultMode::Stall);
    QNetworkReply *stalled = get(searchPath(kNovel));
    ASSERT_TRUE(QTest::qWaitFor([this] { return site->searchRequestCount(kNovel) == 1; }));
    EXPECT_EQ(search(kOtherNovel).status, 200);
    EXPECT_EQ(fetch("/version.html").status, 200);
    EXPECT_FALSE(stalled->isFinished());
    stalled->abort();
    EXPECT_EQ(finish(stalled).error, QNetworkReply::OperationCanceledError);
}

TEST_F(ReferenceSiteTest, DestroyingTheSiteEndsStalledRequests)
{
    site->setFault(FaultMode::Stall);
    QNetworkReply *stalled = get(searchPath(kNovel));
    ASSERT_TRUE(QTest::qWaitFor([this] { return site->searchRequestCount(kNovel) == 1; }));
    site.reset();
    EXPECT_NE(finish(stalled).error, QNetworkReply::NoError);
}

TEST_F(ReferenceSiteTest, ErrorStatusesComeWithASmallPage)
{
    site->setFault(kNovel, FaultMode::NotFound404);
    site->setFault(kOtherNovel, FaultMode::ServerError500);
    const Fetched notFound = search(kNovel);
    const Fetched serverError = search(kOtherNovel);
    EXPECT_EQ(notFound.status, 404);
    EXPECT_EQ(serverError.status, 500);
    EXPECT_FALSE(notFound.body.isEmpty());
    EXPECT_FALSE(serverError.body.isEmpty());
    EXPECT_EQ(serverError.cacheControl, "no-store");
}

TEST_F(ReferenceSiteTest, DamagedBodiesAreDamagedTheWayAnnounced)
{
    const QByteArray whole = search(kNovel).body;

    site->setFault(kNovel, FaultMode::TruncatedBody);
    const Fetched truncated = search(kNovel);
    EXPECT_TRUE(truncated.error != QNetworkReply::NoError || truncated.body.size() < whole.size());
    EXPECT_FALSE(truncated.body.contains(site->chapterLine(kNovel).toUtf8()));

    site->setFault(kNovel, FaultMode::EmptyBody);
    const Fetched empty = search(kNovel);
    EXPECT_EQ(empty.status, 200);
    EXPECT_EQ(empty.error, QNetworkReply::NoError);
    EXPECT_TRUE(empty.body.isEmpty());

    site->setFault(kNovel, FaultMode::ShortPage);
    const Fetched shortPage = search(kNovel);
    EXPECT_EQ(shortPage.status, 200);
    EXPECT_LT(crLfLines(shortPage.body).size() - 1, kChapterLine + 1);
}

TEST_F(ReferenceSiteTest, OddlyEncodedPagesKeepTheChapterLine)
{
    const qsizetype wholeLines = crLfLines(search(kNovel).body).size();

    site->setFault(kNovel, FaultMode::LfOnlyLines);
    const QByteArray lfOnly = search(kNovel).body;
    EXPECT_FALSE(lfOnly.contains("\r\n"));
    EXPECT_EQ(QString::fromUtf8(lfOnly).split(u'\n').value(kChapterLine),
              site->chapterLine(kNovel));

    site->setFault(kNovel, FaultMode::InvalidUtf8);
    const QByteArray invalid = search(kNovel).body;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QStringList lines = QString(utf8(invalid)).split(QStringLiteral("\r\n"));
    EXPECT_TRUE(utf8.hasError());
    EXPECT_EQ(lines.size(), wholeLines);
    EXPECT_EQ(lines.value(kChapterLine), site->chapterLine(kNovel));
}

TEST_F(ReferenceSiteTest, NovelFaultLeavesOtherNovelsAndPagesAlone)
{
    site->setFault(kNovel, FaultMode::ServerError500);
    EXPECT_EQ(search(kNovel).status, 500);
    EXPECT_EQ(search(kOtherNovel).status, 200);
    EXPECT_EQ(fetch("/version.html").status, 200);
    site->setFault(kNovel, FaultMode::None);
    EXPECT_EQ(search(kNovel).status, 200);
}

TEST_F(ReferenceSiteTest, SiteWideOutageTakesDownTheAuthorPagesToo)
{
    site->setFault(FaultMode::ServerError500);
    EXPECT_EQ(search(kOtherNovel).status, 500);
    EXPECT_EQ(fetch("/version.html").status, 200);

    site->setFault(FaultMode::Refuse);
    EXPECT_NE(fetch("/version.html").error, QNetworkReply::NoError);
    site->setFault(FaultMode::None);
    EXPECT_EQ(fetch("/version.html").status, 200);
}

TEST_F(ReferenceSiteTest, FaultCycleTakesModesInTurnAndWraps)
{
    site->setFaultCycle({FaultMode::NotFound404, FaultMode::None, FaultMode::ServerError500});
    QList<int> statuses;
    for (int request = 0; request < 4; ++request)
        statuses << search(request % 2 ? kNovel : kOtherNovel).status;
    EXPECT_EQ(statuses, QList<int>({404, 200, 500, 404}));

    site->setFault(kNovel, FaultMode::EmptyBody);
    EXPECT_TRUE(search(kNovel).body.isEmpty());
    EXPECT_EQ(search(kOtherNovel).status, 200);
    site->setFaultCycle({});
    EXPECT_EQ(search(kOtherNovel).status, 200);
}

// --- the demo program's control pages --------------------------------------------------------

TEST_F(ReferenceSiteTest, ControlPagesPublishAndBreakTheSite)
{
    site->setControlPagesEnabled(true);
    site->setFault(FaultMode::Refuse);
    const Fetched published = fetch("/control/publish?wd=" + gbkPercentEncoded(kNovel));
    EXPECT_EQ(published.status, 200);
    EXPECT_TRUE(published.body.contains("第3章"));
    EXPECT_EQ(QString::fromUtf8(published.body).trimmed(), site->chapterLine(kNovel));

    EXPECT_EQ(fetch("/control/fault?mode=500").status, 200);
    EXPECT_EQ(search(kNovel).status, 500);
    EXPECT_EQ(fetch("/control/fault?mode=sideways").status, 400);
    EXPECT_EQ(fetch("/control/publish").status, 400);
}

} // namespace
