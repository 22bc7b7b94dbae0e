#include "common/line_model.h"
#include "common/temp_folder.h"
#include "common/text_file.h"
#include "monitor/form3.h"
#include "tests/support/effects.h"
#include "tests/support/test_environment.h"
#include "tests/support/user_view.h"
#include "tests/support/x11_window.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

// The road of one update: the monitor polls the site, a chapter is published, the monitor
// starts the real popup program, whose window names the novel.
using UpdateRoad = SiteFolders;

TEST_F(UpdateRoad, APublishedChapterReachesThePopupWindow)
{
    // The monitor finds the popup beside itself or in the working folder.
    ASSERT_TRUE(QFile::link(QDir(programFolder()).filePath(QStringLiteral("Pingrel")),
                            workingFile(QStringLiteral("Pingrel"))));
    RecordedEffects boxes;
    const ScopedOverride realStarts(launchSeam(), launchSeam().product()); // the real popup
    const QString novel = QStringLiteral("校花的贴身高手");
    Form3 monitor;
    monitor.Form_Load();
    monitor.show();
    // The whole window, its frame included, sits in the screen's top right corner.
    const X11Window corner =
        X11Window::awaitCaption(QStringLiteral("^自动检测小说更新"), kPatienceMs);
    EXPECT_EQ(corner.outerRect().topRight(), QPoint(X11Window::screenSize().width() - 1, 0));
    typeOver(monitor.findChild<QWidget *>(QStringLiteral("Text5")), QStringLiteral("1000"));
    QTest::mouseClick(monitor.findChild<QWidget *>(QStringLiteral("Check1")), Qt::LeftButton);
    QSignalSpy baseline(&monitor, &Form3::currentChapterFetchFinished);
    QTest::mouseClick(monitor.findChild<QWidget *>(QStringLiteral("Command1")), Qt::LeftButton);
    ASSERT_TRUE(baseline.wait(kPatienceMs));
    site.publishChapter(novel);

    const QString caption = QStringLiteral("来自Ravoskel的消息:【") + novel +
                            QStringLiteral("已有更新章节】-VemoQQ731508264");
    const QString captionEnd = QStringLiteral("已有更新章节】-VemoQQ731508264$");
    const X11Window popup = X11Window::awaitCaption(captionEnd, kPatienceMs);
    ASSERT_TRUE(popup.isValid());
    EXPECT_EQ(popup.caption(), caption);
    EXPECT_TRUE(popup.states().contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    // What the popup shows as its chapter line is the page it was handed.
    EXPECT_EQ(lineAt(LoadTextFile(tempFilePath(kPageHandoffFile)), kChapterLine),
              site.chapterLine(novel));
    popup.requestClose();
    EXPECT_TRUE(X11Window::awaitNoCaption(captionEnd, kPatienceMs));
    EXPECT_EQ(boxes.effects, QStringList()) << "no message box";
}

} // namespace
