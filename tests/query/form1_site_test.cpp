#include "browser.h"
#include "browser_page.h"
#include "program_folder.h"
#include "query_window_fixture.h"
#include "temp_folder.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QString kNovel = QStringLiteral("校花的贴身高手");

TEST_F(QueryWindowTest, TheNewestTitleIsQueriedOnceHalfASecondAfterStart)
{
    writeListFile("\xD0\xA3\xBB\xA8\xB5\xC4\xCC\xF9\xC9\xED\xB8\xDF\xCA\xD6\r\nOther\r\n");
    QSignalSpy searches(&site, &ReferenceSite::searchRequested);
    openWindow();
    ASSERT_TRUE(searches.wait(30000));
    EXPECT_EQ(searches.first().at(0).toString(), kNovel);
    EXPECT_FALSE(control<QTimer>(QStringLiteral("Timer2"))->isActive());
    EXPECT_TRUE(resultPageText().contains(
        site.chapterLine(kNovel).section(QLatin1Char('>'), 2, 2).section(QLatin1Char('<'), 0, 0)));
    EXPECT_EQ(site.searchRequestCount(kNovel), 1);
    EXPECT_TRUE(launches.requests.empty()) << "the automatic query purges nothing";
}

TEST_F(QueryWindowTest, ATypedTitleIsRememberedAndQueriedAsTypedNeverCompletedFromTheList)
{
    writeListFile("Old\r\n\xD0\xA3\xBB\xA8 a&b#c+d%e \xCD\xEA\r\n"); // 校花 a&b#c+d%e 完
    openWindow();
    QSignalSpy startupSearch(&site, &ReferenceSite::searchRequested);
    ASSERT_TRUE(startupSearch.wait(30000));
    resultPageText();

    const QString title = QStringLiteral("校花 A&B#C+D%E");
    typeTitle(title);
    QSignalSpy searches(&site, &ReferenceSite::searchRequested);
    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);

    EXPECT_EQ(fileBytes(workingFile(QStringLiteral("QQ731508264.vemo"))),
              QByteArray("\xD0\xA3\xBB\xA8 A&B#C+D%E\r\nOld\r\n\xD0\xA3\xBB\xA8 a&b#c+d%e "
                         "\xCD\xEA\r\n"));
    EXPECT_EQ(fileBytes(tempFilePath(kPurgeBatchFile)).count("\r\n"), 5);
    ASSERT_EQ(launches.requests.size(), 1u);
    EXPECT_EQ(launches.requests[0].intent, LaunchRequest::Intent::RunPurgeBatch);
    ASSERT_TRUE(searches.wait(30000));
    EXPECT_EQ(searches.first().at(0).toString(), title);
    EXPECT_EQ(searches.first().at(1).toByteArray(), QByteArray("%D0%A3%BB%A8%20A%26B%23C%2BD%25E"));
    EXPECT_TRUE(resultPageText().contains(QStringLiteral("校花 A&B#C+D%E")));
}

class VersionRun : public QueryWindowTest {
protected:
    // One run of the program: its load, and the version page loaded by the hidden browser.
    void runOnce(bool expectSaved)
    {
        writeWorkingFile(QStringLiteral("version1.ini"), "[Ravoskel]\r\nRavoskelv1.3.6\r\n");
        Form1 window;
        QSignalSpy completed(window.findChild<Browser *>(QStringLiteral("Web3")),
                             &Browser::DocumentComplete);
        window.Form_Load();
        ASSERT_TRUE(completed.wait(60000));
        const QString saved = workingFile(QStringLiteral("version.ini"));
        if (expectSaved) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(saved); }, 30000));
        }
        // Scripts answer in turn: once this one has, the window's reading has answered too.
        bool answered = false;
        window.findChild<Browser *>(QStringLiteral("Web3"))
            ->page()
            ->runJavaScript(QStringLiteral("0"), [&](const QVariant &) { answered = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return answered; }, 30000));
    }
};

TEST_F(VersionRun, ANewerVersionIsAnnouncedFromTheStartAfterTheOneThatSawIt)
{
    runOnce(true);
    EXPECT_EQ(fileBytes(workingFile(QStringLiteral("version.ini"))).split('\n').value(2),
              QByteArray("Ravoskelv1.3.6\r"));
    site.setVersionText(QStringLiteral("Ravoskelv1.4.0"));
    QFile::remove(workingFile(QStringLiteral("version.ini")));
    runOnce(true);
    EXPECT_TRUE(boxes.texts.isEmpty()) << "the page seen during a run speaks at the next start";
    Form1 &window = openWindow();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts.first().startsWith(QStringLiteral("Ravoskel已有新的版本")));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label8"))->text(),
              QStringLiteral("Ravoskelv1.4.0"));
}

TEST_F(VersionRun, ARunThatCouldNotReadTheVersionPageLeavesTheSavedVersionAsItWas)
{
    const QByteArray saved = "\r\nRavoskel\r\nRavoskelv1.3.6\r\n";
    writeWorkingFile(QStringLiteral("version.ini"), saved);
    site.setFault(FaultMode::Refuse);
    runOnce(false);
    site.setFault(FaultMode::None);
    // The page loads, but its own script breaks what the element texts are read with.
    site.setVersionPageScript(QStringLiteral("Array.prototype.map = function () { throw 1; };"));
    runOnce(false);
    EXPECT_EQ(fileBytes(workingFile(QStringLiteral("version.ini"))), saved);
    EXPECT_TRUE(boxes.texts.isEmpty());
}

} // namespace
