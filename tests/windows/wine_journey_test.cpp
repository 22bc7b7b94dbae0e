#include "common/endpoints.h"
#include "common/line_model.h"
#include "common/program_identity.h"
#include "common/temp_folder.h"
#include "monitor/form3.h"
#include "popup/form4.h"
#include "query/form1.h"
#include "query/title_list.h"
#include "tests/support/test_environment.h"
#include "tests/support/user_view.h"
#include "tests/support/x11_window.h"
#include "tests/windows/wine_prefix.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace {

QByteArray gbk(const QString &text)
{
    return QStringEncoder("GBK").encode(text);
}

QString chapterLineOf(const QString &file)
{
    const QString text = QStringDecoder("GBK").decode(fileBytes(file));
    return text.split(QStringLiteral("\r\n")).value(kChapterLine);
}

QString popupCaption(const QString &title)
{
    return QStringLiteral("来自Ravoskel的消息:【") + title +
           QStringLiteral("已有更新章节】-VemoQQ731508264");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// Text on the clipboard that notes when a program has taken it.
class WatchedText : public QMimeData {
public:
    explicit WatchedText(const QString &text, bool *taken)
        : m_taken(taken)
    {
        setText(text);
    }

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override
    {
        *m_taken = true;
        return QMimeData::retrieveData(mimeType, type);
    }

private:
    bool *m_taken;
};

// Both Windows programs on a Chinese Windows as Wine plays it, met the way a user meets them:
// clicks and keys, what the window manager shows, files on drive C: and the registry, the
// reference site on loopback. Wine in Debian has no HTML engine: every browser view stays
// blank and the version page is never read; these journeys check that nothing fails because
// of it, and the Linux suites check the pages themselves.
using WineJourney = WineSession;

TEST_F(WineJourney, ThePopupNamesTheNovelStartsTheMainProgramAndSlidesOutWhenClosed)
{
    const QString title = QStringLiteral(" 星辰变 后传 ");
    QStringList page;
    for (int line = 0; line < kChapterLine; ++line)
        page << QStringLiteral("第%1行").arg(line);
    page << QStringLiteral("<a href=\"/b/1\">第一千章 终章</a>") << QStringLiteral("完");
    writeFile(prefix.tempFile(kTitleHandoffFile), gbk(title + QStringLiteral("\r\n")));
    writeFile(prefix.tempFile(kPageHandoffFile), gbk(page.join(QStringLiteral("\r\n"))));
    prefix.start(program, QStringLiteral("Pingrel.exe"));

    const X11Window popup = X11Window::awaitCaption(kPopupCaption, kPatienceMs);
    ASSERT_TRUE(popup.isValid());
    EXPECT_EQ(popup.caption(), popupCaption(title));
    EXPECT_TRUE(popup.states().contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    // Under openbox, Wine maps the window only once it has come to rest, so the rise from below
    // the screen cannot be watched here; where it rests can: flush with the right edge, its
    // bottom less than 30 twips (2 pixels) above the screen's.
    const QRect resting = popup.outerRect();
    const QSize screen = X11Window::screenSize();
    EXPECT_EQ(resting.right(), screen.width() - 1);
    EXPECT_GE(resting.bottom(), screen.height() - 2);
    EXPECT_LE(resting.bottom(), screen.height() - 1);

    // The chapter line shows where the title and the notice leave it uncovered.
    clickControl(popup, Form4::design(), QStringLiteral("Label2"));
    EXPECT_TRUE(X11Window::awaitCaption(kQueryCaption, kPatienceMs).isValid())
        << "the main program starts from the popup's folder";

    // A user closes the popup by its close box, which brings it to the front first; the main
    // program has just taken the front.
    popup.activate();
    popup.requestClose();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QRect now = popup.outerRect();
            return now.isValid() && now.top() > resting.top();
        },
        kPatienceMs))
        << "the popup slides down";
    ASSERT_TRUE(program.waitForFinished(kPatienceMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(WineJourney, TheMonitorFindsAPublishedChapterAndItsAlertStartsThePopup)
{
    prefix.start(program, kProgramTitle + QStringLiteral(".exe"));
    const X11Window query = X11Window::awaitCaption(kQueryCaption, kPatienceMs);
    ASSERT_TRUE(query.isValid());
    EXPECT_EQ(query.caption(), kProgramTitle + QStringLiteral("---Vemo制作－QQ:731508264 微博") +
                                   endpointAddress(Endpoint::MicroblogPage) +
                                   QStringLiteral(" 博客") + endpointAddress(Endpoint::BlogPage));

    // Wine reads the keyboard map once, at start, so the keys xdotool makes up for Chinese
    // characters never reach a Windows program: the Chinese part of the title is pasted, and
    // this process hands it over while the program waits for it.
    const QString title = QStringLiteral("斗破苍穹 2");
    bool pasted = false;
    QGuiApplication::clipboard()->setMimeData(new WatchedText(title.chopped(2), &pasted));
    clickControl(query, Form1::design(), QStringLiteral("Combo1"));
    query.pressKey(QStringLiteral("ctrl+a"));
    query.pressKey(QStringLiteral("ctrl+v"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasted; }, kPatienceMs));
    query.typeText(title.right(2));
    query.pressKey(QStringLiteral("Tab"));
    const QByteArray listed = gbk(title + QStringLiteral("\r\n"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return fileBytes(prefix.programFile(kTitleListFile)) == listed; }, kPatienceMs))
        << fileBytes(prefix.programFile(kTitleListFile)).toHex().toStdString();

    clickControl(query, Form1::design(), QStringLiteral("Command3"));
    const X11Window monitor = X11Window::awaitCaption(kMonitorCaption, kPatienceMs);
    ASSERT_TRUE(monitor.isValid());
    // Wine draws the title bar the program measures itself a few pixels taller than openbox's
    // frame, so the window placed at the top lies that much lower on this desktop.
    const QRect corner = monitor.outerRect();
    EXPECT_EQ(corner.right(), X11Window::screenSize().width() - 1);
    EXPECT_LE(corner.top(), 4);

    // The monitor's title box holds the novel it watched last, by default one the site knows.
    const QString novel = QStringLiteral("校花的贴身高手");
    clickControl(monitor, Form3::design(), QStringLiteral("Text5"));
    monitor.pressKey(QStringLiteral("ctrl+a"));
    monitor.typeText(QStringLiteral("1000"));
    clickControl(monitor, Form3::design(), QStringLiteral("Check1"));
    clickControl(monitor, Form3::design(), QStringLiteral("Command1"));
    const QRegularExpression saved(QStringLiteral("1\\.vemo\\s+REG_SZ\\s+") + novel +
                                   QStringLiteral("\\s[\\s\\S]*2\\.vemo\\s+REG_SZ\\s+1000\\s"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return prefix.registryKey(kSettingsKey + QStringLiteral("Settings")).contains(saved);
        },
        kPatienceMs));
    EXPECT_EQ(fileBytes(prefix.tempFile(kTitleHandoffFile)), gbk(novel + QStringLiteral("\r\n")));

    // The baseline and a first poll, both from the site, before the site publishes.
    const QString before = site.chapterLine(novel);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return chapterLineOf(prefix.programFile(QStringLiteral("vemotemp.vemo"))) == before &&
                   chapterLineOf(prefix.tempFile(kPageHandoffFile)) == before;
        },
        kPatienceMs));
    site.publishChapter(novel);
    const X11Window popup = X11Window::awaitCaption(kPopupCaption, kPatienceMs);
    ASSERT_TRUE(popup.isValid());
    EXPECT_EQ(popup.caption(), popupCaption(novel));
    const QString after = site.chapterLine(novel);
    EXPECT_EQ(chapterLineOf(prefix.tempFile(kPageHandoffFile)), after);
    EXPECT_TRUE(fileBytes(prefix.tempFile(kPageHandoffFile)).contains(gbk(after)));
    // Every poll wrote the purge batch and started it, and nothing failed on it.
    EXPECT_TRUE(QFile::exists(prefix.tempFile(QStringLiteral("delCache.bat"))));

    // Wine under Xvfb has no sound device: the sound cannot be heard, only that trying it
    // raises nothing.
    clickControl(monitor, Form3::design(), QStringLiteral("Command4"));
    EXPECT_FALSE(boxAppears());
    EXPECT_EQ(program.state(), QProcess::Running);
    // The version page never loaded, so the version file shipped beside the program is as it was.
    EXPECT_EQ(fileBytes(prefix.programFile(QStringLiteral("version.ini"))),
              fileBytes(QDir(qEnvironmentVariable("RAVOSKEL_WINDOWS_PROGRAM_DIR"))
                            .filePath(QStringLiteral("version.ini"))));
    popup.requestClose();
    EXPECT_TRUE(X11Window::awaitNoCaption(kPopupCaption, kPatienceMs));
}

} // namespace
