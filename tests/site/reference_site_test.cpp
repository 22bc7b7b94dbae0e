#include "reference_site.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kNovel = QStringLiteral("测试之书");
const QString kOtherNovel = QStringLiteral("另一本书");
constexpr int kChapterLine = 56;

struct Fetched {
    int status = 0; // 0 when no answer came
    bool failed = false;
    QByteArray body;
};

QByteArray searchPath(const QString &title)
{
    QStringEncoder toGbk("GBK");
    return "/searchname.aspx?wd=" + QByteArray(toGbk(title)).toPercentEncoding();
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
        return network.get(
            QNetworkRequest(QUrl::fromEncoded(site->baseAddress().toUtf8() + pathAndQuery)));
    }

    static Fetched finish(QNetworkReply *reply)
    {
        QSignalSpy finished(reply, &QNetworkReply::finished);
        EXPECT_TRUE(reply->isFinished() || finished.wait());
        reply->deleteLater();
        // An aborted reply is closed, and reading it would only draw a warning.
        return Fetched{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                       reply->error() != QNetworkReply::NoError,
                       reply->isOpen() ? reply->readAll() : QByteArray()};
    }

    Fetched fetch(const QByteArray &pathAndQuery) { return finish(get(pathAndQuery)); }
    Fetched search(const QString &title) { return fetch(searchPath(title)); }

    // What a reader of the result page finds in it: where the novel's chapter line is, and
    // whether the bytes are clean UTF-8.
    QString reading(const QString &title, const QByteArray &body) const
    {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(body);
        const QString encoding = utf8.hasError() ? QStringLiteral("bad UTF-8, ") : QString();
        if (text.split(QStringLiteral("\r\n")).value(kChapterLine) == site->chapterLine(title))
            return encoding + QStringLiteral("CR LF page");
        if (text.split(u'\n').value(kChapterLine) == site->chapterLine(title))
            return encoding + QStringLiteral("LF page");
        return encoding + (body.isEmpty() ? QStringLiteral("empty") : QStringLiteral("no chapter"));
    }

    std::unique_ptr<ReferenceSite> site = std::make_unique<ReferenceSite>();
    QNetworkAccessManager network;
};

TEST_F(ReferenceSiteTest, ResultPageCarriesTheNewestChapterOnLine56AndPublishingChangesIt)
{
    QSignalSpy published(site.get(), &ReferenceSite::chapterPublished);
    const Fetched page = search(kNovel);
    ASSERT_EQ(page.status, 200);
    EXPECT_TRUE(page.body.endsWith("\r\n"));
    EXPECT_EQ(page.body.count("\n"), page.body.count("\r\n"));
    EXPECT_EQ(reading(kNovel, page.body), QStringLiteral("CR LF page"));
    const QString before = site->chapterLine(kNovel);
    EXPECT_TRUE(before.contains(QStringLiteral("第2章 风雨夜")));

    const QString chapter = site->publishChapter(kNovel);
    EXPECT_TRUE(chapter.startsWith(QStringLiteral("第3章")));
    EXPECT_EQ(reading(kNovel, search(kNovel).body), QStringLiteral("CR LF page"));
    EXPECT_NE(site->chapterLine(kNovel), before);
    EXPECT_TRUE(site->chapterLine(kNovel).contains(chapter));
    ASSERT_EQ(published.count(), 1);
    EXPECT_EQ(published.at(0), QVariantList({kNovel, chapter}));
}

TEST_F(ReferenceSiteTest, TitlesArriveAsGbkAndAreDecodedExactly)
{
    QSignalSpy searched(site.get(), &ReferenceSite::searchRequested);
    const QString title = QStringLiteral("校花 & 高手+#100%");
    search(title);
    fetch("/searchname.aspx?x=1&wd=a+b&y=2");
    fetch("/searchname.aspx?wd=A%D9"); // cut off after a lead byte
    ASSERT_EQ(searched.count(), 3);
    EXPECT_EQ(searched.at(0).at(0).toString(), title);
    EXPECT_EQ("/searchname.aspx?wd=" + searched.at(0).at(1).toByteArray(), searchPath(title));
    EXPECT_EQ(site->searchRequestCount(title), 1);
    EXPECT_EQ(searched.at(1).at(0).toString(), QStringLiteral("a+b"));
    EXPECT_EQ(searched.at(2).at(0).toString(), QStringLiteral("A\uFFFD"));
}

TEST_F(ReferenceSiteTest, EachNovelFaultDamagesOnlyThatNovelsSearchTheWayItSays)
{
    const struct {
        FaultMode mode;
        int status;
        bool failed;
        const char *reading;
    } faults[] = {
        {FaultMode::None, 200, false, "CR LF page"},
        {FaultMode::Refuse, 0, true, "empty"},
        {FaultMode::NotFound404, 404, true, "no chapter"},
        {FaultMode::ServerError500, 500, true, "no chapter"},
        {FaultMode::TruncatedBody, 200, true, "no chapter"},
        {FaultMode::EmptyBody, 200, false, "empty"},
        {FaultMode::LfOnlyLines, 200, false, "LF page"},
        {FaultMode::ShortPage, 200, false, "no chapter"},
        {FaultMode::InvalidUtf8, 200, false, "bad UTF-8, CR LF page"},
    };
    for (const auto &[mode, status, failed, reading] : faults) {
        SCOPED_TRACE(faultModeName(mode).toStdString());
        site->setFault(kNovel, mode);
        const Fetched page = search(kNovel);
        EXPECT_EQ(page.status, status);
        EXPECT_EQ(page.failed, failed);
        EXPECT_EQ(this->reading(kNovel, page.body), QLatin1String(reading));
        EXPECT_EQ(this->reading(kOtherNovel, search(kOtherNovel).body),
                  QStringLiteral("CR LF page"));
        EXPECT_EQ(fetch("/version.html").status, 200);
    }
}

TEST_F(ReferenceSiteTest, StalledSearchHangsWhileOtherRequestsAreServedUntilTheSiteGoes)
{
    site->setFault(kNovel, FaultMode::Stall);
    QNetworkReply *stalled = get(searchPath(kNovel));
    ASSERT_TRUE(QTest::qWaitFor([this] { return site->searchRequestCount(kNovel) == 1; }));
    EXPECT_EQ(search(kOtherNovel).status, 200);
    EXPECT_EQ(fetch("/version.html").status, 200);
    EXPECT_FALSE(stalled->isFinished());
    site.reset();
    EXPECT_TRUE(finish(stalled).failed);
}

TEST_F(ReferenceSiteTest, SiteWideFaultsHitSearchesAndARefusalTheAuthorPagesToo)
{
    site->setFault(FaultMode::ServerError500);
    EXPECT_EQ(search(kOtherNovel).status, 500);
    EXPECT_EQ(fetch("/version.html").status, 200);
    site->setFault(FaultMode::Refuse);
    EXPECT_TRUE(fetch("/version.html").failed);
    site->setFault(FaultMode::None);
    EXPECT_EQ(fetch("/version.html").status, 200);
}

TEST_F(ReferenceSiteTest, FaultCycleTakesModesInTurnAndWrapsButANovelsOwnFaultWins)
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

TEST_F(ReferenceSiteTest, VersionPageAnnouncesTheVersionOnItsSecondLine)
{
    for (const QString version : {"Ravoskelv1.3.6", "Ravoskelv1.4.0"}) {
        // The page's text lines are its div elements.
        const QString page = QString::fromUtf8(fetch("/version.html").body);
        EXPECT_TRUE(page.split(QStringLiteral("<div>")).value(2).startsWith(version + "</div>"));
        site->setVersionText(QStringLiteral("Ravoskelv1.4.0"));
    }
}

} // namespace
