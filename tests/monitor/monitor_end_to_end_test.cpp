#include "monitor_fixture.h"

#include "chapter_change.h"
#include "line_model.h"
#include "program_identity.h"
#include "settings_store.h"
#include "temp_folder.h"

#include <QFile>
#include <QSettings>
#include <QStringEncoder>
#include <QTimer>

namespace {

QByteArray fileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray gbkLine(const QString &text)
{
    QStringEncoder gbk("GBK");
    return QByteArray(gbk.encode(text)) + "\r\n";
}

class MonitorEndToEndTest : public MonitorTest {
protected:
    // Monitoring with both alert boxes ticked and a baseline taken from the site.
    void monitorWithBaseline()
    {
        check(QStringLiteral("Check1"));
        check(QStringLiteral("Check2"));
        startMonitoring();
        ASSERT_TRUE(currentFetch());
    }

    // Closing and opening the window again, as the user would.
    void reopen()
    {
        form->close();
        form = std::make_unique<Form3>();
        form->Form_Load();
    }

    QString rememberedPage() const { return workingFile(QStringLiteral("vemotemp.vemo")); }
};

} // namespace

TEST_F(MonitorEndToEndTest, TheFirstStartFetchesTheBaselineAndLaterStartsReadItFromTheMemory)
{
    startMonitoring();
    ASSERT_TRUE(currentFetch());
    EXPECT_EQ(site.searchRequestCount(novel), 1);
    const QString baseline = site.chapterLine(novel);
    EXPECT_EQ(text("Label2"), baseline);
    // The memory holds the page in the ANSI code page, one CR LF added to the page's own.
    const QByteArray remembered = fileBytes(rememberedPage());
    EXPECT_TRUE(remembered.endsWith("</html>\r\n\r\n"));
    EXPECT_EQ(lineAt(readAnsi(rememberedPage()), kChapterLine), baseline);
    EXPECT_TRUE(remembered.contains(gbkLine(baseline)));

    reopen();
    startMonitoring();
    EXPECT_EQ(text("Label2"), baseline);
    EXPECT_FALSE(timer("Timer1")->isActive());
    EXPECT_EQ(site.searchRequestCount(novel), 1);
}

TEST_F(MonitorEndToEndTest, APublishedChapterPopsUpFirstAndSpeaksAtItsOwnTick)
{
    monitorWithBaseline();
    ASSERT_TRUE(serverFetch());
    form->Timer3_Timer();
    form->Timer4_Timer();
    EXPECT_TRUE(popupStarts().isEmpty());
    EXPECT_TRUE(sounds.played.isEmpty());

    const QString published = site.publishChapter(novel);
    ASSERT_TRUE(serverFetch());
    EXPECT_TRUE(text("Label5").contains(published));
    // One fetch armed both checks: the popup's comes a second before the sound's.
    ASSERT_TRUE(timer("Timer3")->isActive() && timer("Timer4")->isActive());
    EXPECT_EQ(timer("Timer3")->interval(), 4000);
    EXPECT_EQ(timer("Timer4")->interval(), 5000);
    EXPECT_LT(timer("Timer3")->remainingTime(), timer("Timer4")->remainingTime());

    form->Timer3_Timer();
    EXPECT_EQ(popupStarts(), QStringList{kPopupProgramFile});
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(fileBytes(tempFilePath(kTitleHandoffFile)), gbkLine(novel));
    EXPECT_EQ(lineAt(readAnsi(tempFilePath(kPageHandoffFile)), kChapterLine), text("Label5"));
    EXPECT_TRUE(fileBytes(tempFilePath(kPageHandoffFile)).endsWith("\r\n"));

    // The sound check comes before the new baseline is in, so the captions still differ.
    form->Timer4_Timer();
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("vemomp3.mp3")});
    EXPECT_EQ(popupStarts().size(), 1);
}

TEST_F(MonitorEndToEndTest, AfterAnAlertTheNewLineIsTheBaselineAndTheSoundCheckStaysQuiet)
{
    monitorWithBaseline();
    site.publishChapter(novel);
    ASSERT_TRUE(serverFetch());
    form->Timer3_Timer();
    ASSERT_TRUE(timer("Timer1")->isActive());
    ASSERT_TRUE(currentFetch());
    EXPECT_EQ(text("Label2"), site.chapterLine(novel));
    form->Timer4_Timer();
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_TRUE(timer("Timer4")->isActive());

    startMonitoring();
    EXPECT_EQ(text("Label2"), site.chapterLine(novel));
    ASSERT_TRUE(serverFetch());
    form->Timer3_Timer();
    EXPECT_EQ(popupStarts().size(), 1);
}

TEST_F(MonitorEndToEndTest, AChapterLineDifferingOnlyInLetterCaseRaisesNothing)
{
    site.addNovel(novel, {QStringLiteral("第3章 Return of the KING")});
    monitorWithBaseline();
    site.addNovel(novel, {QStringLiteral("第3章 return OF the king")});
    ASSERT_TRUE(serverFetch());
    EXPECT_NE(text("Label5"), text("Label2"));
    form->Timer3_Timer();
    form->Timer4_Timer();
    EXPECT_TRUE(popupStarts().isEmpty());
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(MonitorEndToEndTest, AChapterLineGoingBackToAnOlderTextAlerts)
{
    monitorWithBaseline();
    site.addNovel(novel, {QStringLiteral("第1章 出山")});
    ASSERT_TRUE(serverFetch());
    form->Timer3_Timer();
    EXPECT_EQ(popupStarts(), QStringList{kPopupProgramFile});
}

TEST_F(MonitorEndToEndTest, ADemoDuringMonitoringNoLongerLeaksIntoTheNextAlert)
{
    monitorWithBaseline();
    form->Command5_Click();
    EXPECT_EQ(fileBytes(tempFilePath(kTitleHandoffFile)),
              gbkLine(QStringLiteral("这是示范消息提示")));
    EXPECT_EQ(popupStarts(), QStringList{kPopupProgramFile});
    site.publishChapter(novel);
    ASSERT_TRUE(serverFetch());
    form->Timer3_Timer();
    EXPECT_EQ(popupStarts().size(), 2);
    EXPECT_EQ(fileBytes(tempFilePath(kTitleHandoffFile)), gbkLine(novel));
}

TEST_F(MonitorEndToEndTest, ListeningPlaysTheSoundAndTouchesNothingElse)
{
    form->Command4_Click();
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("vemomp3.mp3")});
    EXPECT_TRUE(launches.requests.empty());
    EXPECT_FALSE(timer("Timer1")->isActive());
}

// --- the settings store ----------------------------------------------------------------------

TEST_F(MonitorEndToEndTest, SettingsGoToTheIniFileAtStartAndComeBackAtTheNextOpening)
{
    const QString ini =
        qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Ravoskelv1.3.6.ini");
    setText(QStringLiteral("Text1"), QStringLiteral("没开始的名字"));
    reopen();
    EXPECT_EQ(text("Text1"), QStringLiteral("校花的贴身高手")); // typed but never started

    setText(QStringLiteral("Text5"), QStringLiteral("3000"));
    startMonitoring();
    const QSettings stored(ini, QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("Settings/1.vemo")).toString(), novel);
    EXPECT_EQ(stored.value(QStringLiteral("Settings/2.vemo")).toString(), QStringLiteral("3000"));

    form->Command3_Click();
    reopen();
    EXPECT_EQ(text("Text1"), novel);
    EXPECT_EQ(text("Text5"), QStringLiteral("3000"));
}
