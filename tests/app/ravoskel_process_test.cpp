#include "common/program_identity.h"
#include "common/settings_store.h"
#include "common/temp_folder.h"
#include "monitor/form3.h"
#include "query/form1.h"
#include "tests/support/test_environment.h"
#include "tests/support/user_view.h"
#include "tests/support/x11_window.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kQueryCaption = "^" + QRegularExpression::escape(kProgramTitle) + "---";

// The real main program, in a program folder of its own, its site on loopback.
class RavoskelProcess : public SiteFolders {
protected:
    ~RavoskelProcess() override
    {
        ravoskel.kill();
        ravoskel.waitForFinished();
    }
    void start()
    {
        for (const QString &name :
             {kProgramTitle, QStringLiteral("version1.ini"), QStringLiteral("version.ini")})
            ASSERT_TRUE(QFile::copy(QDir(programFolder()).filePath(name), workingFile(name)));
        ravoskel.setWorkingDirectory(workingFolder());
        ravoskel.start(workingFile(kProgramTitle), {});
    }

    QProcess ravoskel;
};

TEST_F(RavoskelProcess, AFailingHandlerShowsOneBoxWithNothingRunningBehindItThenEndsTheProgram)
{
    writeSetting(QStringLiteral("Settings"), QStringLiteral("2.vemo"), QStringLiteral("1000"));
    // The page hand-off file cannot be written: a folder has its name.
    ASSERT_TRUE(QDir().mkpath(tempFilePath(kPageHandoffFile)));
    start();
    X11Window::awaitCaption(kQueryCaption, kPatienceMs)
        .click(placeInWindow(Form1::design(), QStringLiteral("Command3")).center());
    X11Window::awaitCaption(QStringLiteral("^自动检测小说更新"), kPatienceMs)
        .click(placeInWindow(Form3::design(), QStringLiteral("Command1")).center());

    const QString boxCaption = "^" + QRegularExpression::escape(kProgramTitle) + "$";
    const X11Window box = X11Window::awaitCaption(boxCaption, kPatienceMs);
    ASSERT_TRUE(box.isValid());
    // With the monitor polling every second, anything running behind the box would show.
    const QString novel = QStringLiteral("校花的贴身高手");
    const int searches = site.searchRequestCount(novel);
    EXPECT_FALSE(QTest::qWaitFor(
        [&] {
            return site.searchRequestCount(novel) > searches ||
                   X11Window::countWithCaption(boxCaption) > 1;
        },
        3000));
    box.pressKey(QStringLiteral("Return"));
    ASSERT_TRUE(ravoskel.waitForFinished(kPatienceMs));
    EXPECT_EQ(ravoskel.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(ravoskel.exitCode(), 0);
}

TEST_F(RavoskelProcess, TheSupportWindowKeepsTheProgramRunningUntilItIsClosed)
{
    start();
    const QString supportCaption = QStringLiteral("^支持作者并关注以后更新$");
    const X11Window support = X11Window::awaitCaption(supportCaption, kPatienceMs);
    const X11Window query = X11Window::awaitCaption(kQueryCaption, kPatienceMs);
    ASSERT_TRUE(support.isValid() && query.isValid());
    EXPECT_TRUE(support.states().contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    EXPECT_TRUE(QFile::exists(workingFile(QStringLiteral("QQ731508264.vemo"))));

    query.requestClose();
    ASSERT_TRUE(X11Window::awaitNoCaption(kQueryCaption, kPatienceMs));
    EXPECT_EQ(ravoskel.state(), QProcess::Running);
    support.requestClose();
    ASSERT_TRUE(ravoskel.waitForFinished(kPatienceMs));
    EXPECT_EQ(ravoskel.exitCode(), 0);
}

} // namespace
