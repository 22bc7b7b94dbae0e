#include "download_timeout.h"
#include "page_download.h"
#include "page_text.h"
#include "reference_site.h"
#include "search_address.h"
#include "settings_store.h"
#include "test_environment.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QString kNovel = QStringLiteral("下载测试");
const QByteArray kEarlierContent = "what an earlier fetch left";

class PageDownloadTest : public FreshFolders, public ::testing::WithParamInterface<FaultMode> {
protected:
    PageDownloadTest()
    {
        EXPECT_NE(site.listen(), 0);
        site.addNovel(kNovel, {QStringLiteral("第1章 起")});
        writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"), site.baseAddress());
        QFile earlier(target);
        EXPECT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(kEarlierContent);
    }
    ~PageDownloadTest() override { replaceDownloadTimeout(std::chrono::seconds(30)); }

    // Downloads the novel's result page and says whether it succeeded.
    bool download()
    {
        PageDownload download(network, searchUrl(kNovel), target, pageHoldsChapterLine);
        QSignalSpy finished(&download, &PageDownload::finished);
        EXPECT_TRUE(finished.wait(10000));
        return finished.first().first().toBool();
    }

    QByteArray targetBytes() const
    {
        QFile file(target);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QString target = workingFile(QStringLiteral("page.ve"));
    ReferenceSite site;
    QNetworkAccessManager network;
};

} // namespace

TEST_F(PageDownloadTest, ASuccessfulDownloadReplacesTheFileWithThePageAsServed)
{
    ASSERT_TRUE(download());
    const QByteArray page = targetBytes();
    EXPECT_TRUE(page.contains(site.chapterLine(kNovel).toUtf8() + "\r\n"));
    EXPECT_EQ(site.searchRequestCount(kNovel), 1);
}

TEST_P(PageDownloadTest, AFailedDownloadLeavesTheFileAsItWas)
{
    replaceDownloadTimeout(std::chrono::milliseconds(300));
    site.setFault(kNovel, GetParam());
    EXPECT_FALSE(download());
    EXPECT_EQ(targetBytes(), kEarlierContent);
}

INSTANTIATE_TEST_SUITE_P(EveryFailingFault, PageDownloadTest,
                         ::testing::Values(FaultMode::Refuse, FaultMode::Stall,
                                           FaultMode::NotFound404, FaultMode::ServerError500,
                                           FaultMode::TruncatedBody, FaultMode::EmptyBody,
                                           FaultMode::LfOnlyLines, FaultMode::ShortPage),
                         [](const auto &info) {
                             QString name = faultModeName(info.param);
                             return name.replace(u'-', u'_').toStdString();
                         });
