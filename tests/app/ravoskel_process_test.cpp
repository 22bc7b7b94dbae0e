#include "reference_site.h"
#include "settings_store.h"
#include "test_environment.h"
#include "x11_window.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

constexpr int kPatienceMs = 60000;
const QString kQueryCaption = QStringLiteral("^Ravoskelv1\\.3\\.6---");
const QString kSupportCaption = QStringLiteral("^支持作者并关注以后更新$");

// The real main program, run from a program folder of its own with its shipped files, its
// outside addresses on an in-process site.
class RavoskelProcess : public FreshFolders {
protected:
    RavoskelProcess()
    {
        EXPECT_NE(site.listen(), 0);
        for (const QString &key : {QStringLiteral("SearchSite")})
            writeSetting(QStringLiteral("Endpoints"), key, site.baseAddress());
        for (const QString &name : {QStringLiteral("Ravoskelv1.3.6"),
                                    QStringLiteral("version1.ini"), QStringLiteral("version.ini")})
            EXPECT_TRUE(QFile::copy(QDir(programFolder()).filePath(name), workingFile(name)))
                << name.toStdString();
    }
    ~RavoskelProcess() override
    {
        ravoskel.kill();
        ravoskel.waitForFinished();
    }

    void start()
    {
        ravoskel.setProgram(workingFile(QStringLiteral("Ravoskelv1.3.6")));
        ravoskel.setWorkingDirectory(workingFolder());
        ravoskel.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        ravoskel.start();
    }

    X11Window waitForWindow(const QString &caption)
    {
        X11Window window;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                window = X11Window::withCaption(caption);
                return window.isValid();
            },
            kPatienceMs))
            << caption.toStdString();
        return window;
    }

    bool waitUntilGone(const QString &caption)
    {
        return QTest::qWaitFor([&] { return !X11Window::withCaption(caption).isValid(); },
                               kPatienceMs);
    }

    ReferenceSite site;
    QProcess ravoskel;
};

TEST_F(RavoskelProcess, TheSupportWindowKeepsTheProgramRunningUntilItIsClosed)
{
    start();
    const X11Window support = waitForWindow(kSupportCaption);
    const X11Window query = waitForWindow(kQueryCaption);
    ASSERT_TRUE(support.isValid() && query.isValid());
    EXPECT_TRUE(support.states().contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    EXPECT_TRUE(QFile::exists(workingFile(QStringLiteral("QQ731508264.vemo"))));

    query.requestClose();
    ASSERT_TRUE(waitUntilGone(kQueryCaption));
    EXPECT_TRUE(X11Window::withCaption(kSupportCaption).isValid());
    EXPECT_EQ(ravoskel.state(), QProcess::Running);

    support.requestClose();
    ASSERT_TRUE(ravoskel.waitForFinished(kPatienceMs));
    EXPECT_EQ(ravoskel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ravoskel.exitCode(), 0);
}

} // namespace
