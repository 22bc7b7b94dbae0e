#include "reference_site.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

const QString kNovel = QStringLiteral("测试之书");
const QString kOther = QStringLiteral("另一本书");

struct Fetched {
    int status = 0; // 0 when no answer came
    bool failed = false;
    QByteArray body;
};

class ReferenceSiteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(site.listen(), 0);
        site.addNovel(kNovel, {QStringLiteral("第1章 开端"), QStringLiteral("第2章 风雨夜")});
        site.addNovel(kOther, {QStringLiteral("第1章 山门")});
    }

    Fetched fetch(const QByteArray &pathAndQuery)
    {
        QNetworkReply *reply = network.get(
            QNetworkRequest(QUrl::fromEncoded(site.baseAddress().toUtf8() + pathAndQuery)));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        EXPECT_TRUE(reply->isFinished() || finished.wait());
        reply->deleteLater();
        return Fetched{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                       reply->error() != QNetworkReply::NoError, reply->readAll()};
    }
    Fetched search(const QString &title)
    {
        return fetch("/searchname.aspx?wd=" +
                     QByteArray(QStringEncoder("GBK").encode(title)).toPercentEncoding());
    }

    // What a reader of the result page finds in it: where the novel's chapter line is, and
    // whether the bytes are clean UTF-8.
    QString reading(const QString &title, const QByteArray &body) const
    {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(body);
        const QString encoding = utf8.hasError() ? QStringLiteral("bad UTF-8, ") : QString();
        if (text.split(QStringLiteral("\r\n")).value(56) == site.chapterLine(title))
            return encoding + QStringLiteral("CR LF page");
        if (text.split(u'\n').value(56) == site.chapterLine(title))
            return encoding + QStringLiteral("LF page");
        return encoding + (body.isEmpty() ? QStringLiteral("empty") : QStringLiteral("no chapter"));
    }

    ReferenceSite site;
    QNetworkAccessManager network;
};

TEST_F(ReferenceSiteTest, EachFaultDamagesTheSearchTheWayItSaysAndTheMostParticularWins)
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
        site.setFault(kNovel, mode);
        const Fetched page = search(kNovel);
        EXPECT_EQ(page.status, status);
        EXPECT_EQ(page.failed, failed);
        EXPECT_EQ(this->reading(kNovel, page.body), QLatin1String(reading));
        EXPECT_EQ(this->reading(kOther, search(kOther).body), QStringLiteral("CR LF page"));
    }
    // A novel's own fault beats the cycle, which beats the site-wide fault; a site that
    // refuses takes the author's pages down too.
    site.setFault(FaultMode::ServerError500);
    site.setFaultCycle({FaultMode::NotFound404, FaultMode::None});
    QList<int> statuses;
    for (const QString &title : {kOther, kOther, kOther, kNovel})
        statuses << search(title).status;
    EXPECT_EQ(statuses, QList<int>({404, 200, 404, 200}));
    site.setFaultCycle({});
    EXPECT_EQ(search(kOther).status, 500);
    EXPECT_EQ(fetch("/version.html").status, 200);
    site.setFault(FaultMode::Refuse);
    EXPECT_TRUE(fetch("/version.html").failed);
}

} // namespace
