#include "monitor_fixture.h"

#include "download_timeout.h"
#include "line_model.h"
#include "settings_store.h"
#include "text_file.h"

#include <QSignalSpy>
#include <QTimer>

namespace {

constexpr int kServerFetches = 200;
constexpr int kPublishEvery = 37;

const QList<FaultMode> kEveryMode{
    FaultMode::None,        FaultMode::Refuse,         FaultMode::Stall,
    FaultMode::NotFound404, FaultMode::ServerError500, FaultMode::TruncatedBody,
    FaultMode::EmptyBody,   FaultMode::LfOnlyLines,    FaultMode::ShortPage,
    FaultMode::InvalidUtf8,
};

class MonitorFaultRunTest : public MonitorTest {
protected:
    MonitorFaultRunTest() { replaceDownloadTimeout(std::chrono::milliseconds(100)); }
    ~MonitorFaultRunTest() override { replaceDownloadTimeout(std::chrono::seconds(30)); }

    // Monitoring as the user starts it, with a real timer that never comes round in a test.
    void start() const
    {
        setText(QStringLiteral("Text5"), QStringLiteral("2147483647"));
        startMonitoring();
    }

    void takeBaselineDespiteFaults() const
    {
        while (timer("Timer1")->isActive())
            currentFetch();
    }

    void tickArmedAlertChecks() const
    {
        if (timer("Timer3")->isActive())
            form->Timer3_Timer();
        if (timer("Timer4")->isActive())
            form->Timer4_Timer();
    }
};

} // namespace

TEST_F(MonitorFaultRunTest, AFlakySiteNeitherBreaksTheMonitorNorFoolsIt)
{
    check(QStringLiteral("Check1"));
    check(QStringLiteral("Check2"));
    start();
    site.setFaultCycle(kEveryMode);
    takeBaselineDespiteFaults();
    QSignalSpy serverFetches(form.get(), &Form3::serverChapterFetchFinished);
    int publishes = 0;
    bool publishPending = false;
    for (int round = 1; serverFetches.size() < kServerFetches; ++round) {
        if (round % kPublishEvery == 0) {
            site.publishChapter(novel);
            ++publishes;
            publishPending = true;
        }
        const QString before = text(QStringLiteral("Label5"));
        const bool fetched = serverFetch();
        // A failed fetch leaves the caption alone; one that got through shows what is served.
        ASSERT_EQ(text(QStringLiteral("Label5")), fetched ? site.chapterLine(novel) : before)
            << "round " << round;
        tickArmedAlertChecks();
        const bool alerted = !timer("Timer2")->isActive();
        ASSERT_EQ(alerted, fetched && publishPending) << "round " << round;
        if (alerted) {
            publishPending = false;
            takeBaselineDespiteFaults();
            start();
        }
    }
    EXPECT_GE(publishes, 5);
    EXPECT_EQ(popupStarts().size(), publishes);
    EXPECT_EQ(sounds.played.size(), publishes);
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_EQ(lineAt(LoadTextFile(QStringLiteral("vemotemp.vemo")), kChapterLine),
              site.chapterLine(novel));
    EXPECT_EQ(readSetting(QStringLiteral("Settings"), QStringLiteral("1.vemo"), {}), novel);
    EXPECT_EQ(readSetting(QStringLiteral("Settings"), QStringLiteral("2.vemo"), {}),
              QStringLiteral("2147483647"));
}
