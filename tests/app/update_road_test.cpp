#include "form3.h"
#include "line_model.h"
#include "reference_site.h"
#include "seam_recorders.h"
#include "settings_store.h"
#include "temp_folder.h"
#include "test_environment.h"
#include "text_file.h"
#include "x11_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int kPatienceMs = 60000;
const QString kNovel = QStringLiteral("校花的贴身高手");

// The road of one update: the monitor polls the site, a chapter is published, the monitor
// starts the real popup program, whose window names the novel.
class UpdateRoad : public FreshFolders {
protected:
    UpdateRoad()
    {
        EXPECT_NE(site.listen(), 0);
        writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"), site.baseAddress());
        // The monitor finds the popup beside itself or in the working folder.
        EXPECT_TRUE(QFile::link(QDir(programFolder()).filePath(QStringLiteral("Pingrel")),
                                workingFile(QStringLiteral("Pingrel"))));
    }

    ReferenceSite site;
    MessageBoxRecorder boxes;
};

TEST_F(UpdateRoad, APublishedChapterReachesThePopupWindow)
{
    Form3 monitor;
    monitor.Form_Load();
    monitor.show();
    // The whole window, its frame included, sits in the screen's top right corner.
    const X11Window corner =
        X11Window::awaitCaption(QStringLiteral("^自动检测小说更新"), kPatienceMs);
    EXPECT_EQ(corner.outerRect().topRight(), QPoint(X11Window::screenSize().width() - 1, 0));
    monitor.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(kNovel);
    monitor.findChild<QLineEdit *>(QStringLiteral("Text5"))->setText(QStringLiteral("1000"));
    monitor.findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);

    QSignalSpy baseline(&monitor, &Form3::currentChapterFetchFinished);
    monitor.Command1_Click();
    ASSERT_TRUE(baseline.wait(kPatienceMs));
    ASSERT_TRUE(baseline.first().at(0).toBool());
    site.publishChapter(kNovel);

    const QString caption = QStringLiteral("来自Ravoskel的消息:【") + kNovel +
                            QStringLiteral("已有更新章节】-VemoQQ731508264");
    const QString captionPattern = QStringLiteral("已有更新章节】-VemoQQ731508264$");
    const X11Window popup = X11Window::awaitCaption(captionPattern, kPatienceMs);
    ASSERT_TRUE(popup.isValid());
    EXPECT_EQ(popup.caption(), caption);
    EXPECT_TRUE(popup.states().contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    // What the popup shows as its chapter line is the page it was handed.
    EXPECT_EQ(lineAt(LoadTextFile(tempFilePath(kPageHandoffFile)), kChapterLine),
              site.chapterLine(kNovel));
    EXPECT_TRUE(boxes.texts.isEmpty());

    popup.requestClose();
    EXPECT_TRUE(X11Window::awaitNoCaption(captionPattern, kPatienceMs));
}

} // namespace
