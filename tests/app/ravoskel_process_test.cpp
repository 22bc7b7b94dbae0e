#include "reference_site.h"
#include "settings_store.h"
#include "test_environment.h"
#include "x11_window.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

constexpr int kPatienceMs = 60000;
const QString kQueryCaption = QStringLiteral("^Ravoskelv1\\.3\\.6---");
const QString kSupportCaption = QStringLiteral("^支持作者并关注以后更新$");

class RavoskelProcess : public FreshFolders {
protected:
    ~RavoskelProcess() override
    {
        ravoskel.kill();
        ravoskel.waitForFinished();
    }
    QProcess ravoskel;
};

TEST_F(RavoskelProcess, TheSupportWindowKeepsTheProgramRunningUntilItIsClosed)
{
    // The real main program, in a program folder of its own, its search site on loopback.
    ReferenceSite site;
    ASSERT_NE(site.listen(), 0);
    writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"), site.baseAddress());
    for (const QString &name : {QStringLiteral("Ravoskelv1.3.6"), QStringLiteral("version1.ini"),
                                QStringLiteral("version.ini")})
        ASSERT_TRUE(QFile::copy(QDir(programFolder()).filePath(name), workingFile(name)));
    ravoskel.setWorkingDirectory(workingFolder());
    ravoskel.start(workingFile(QStringLiteral("Ravoskelv1.3.6")), {});

    const X11Window support = X11Window::awaitCaption(kSupportCaption, kPatienceMs);
    const X11Window query = X11Window::awaitCaption(kQueryCaption, kPatienceMs);
    ASSERT_TRUE(support.isValid() && query.isValid());
    EXPECT_TRUE(support.states().contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    EXPECT_TRUE(QFile::exists(workingFile(QStringLiteral("QQ731508264.vemo"))));

    query.requestClose();
    ASSERT_TRUE(X11Window::awaitNoCaption(kQueryCaption, kPatienceMs));
    EXPECT_TRUE(X11Window::withCaption(kSupportCaption).isValid());
    EXPECT_EQ(ravoskel.state(), QProcess::Running);

    support.requestClose();
    ASSERT_TRUE(ravoskel.waitForFinished(kPatienceMs));
    EXPECT_EQ(ravoskel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ravoskel.exitCode(), 0);
}

} // namespace
