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
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <ostream>

namespace {

const QString kQueryCaption = "^" + QRegularExpression::escape(kProgramTitle) + "---";
const QString kBoxCaption = "^" + QRegularExpression::escape(kProgramTitle) + "$";

// The real main program, in a program folder of its own, its site on loopback.
class RavoskelProcess : public SiteFolders {
protected:
    ~RavoskelProcess() override
    {
        ravoskel.kill();
        ravoskel.waitForFinished();
    }
    // Starts the program copied into the folder, by default its working folder, as a shortcut
    // starts it from its own folder.
    void start(const QString &folder = {})
    {
        const QDir programs(folder.isEmpty() ? workingFolder() : folder);
        for (const QString &name :
             {kProgramTitle, QStringLiteral("version1.ini"), QStringLiteral("version.ini")})
            ASSERT_TRUE(QFile::copy(QDir(programFolder()).filePath(name), programs.filePath(name)));
        ravoskel.setWorkingDirectory(workingFolder());
        ravoskel.start(programs.filePath(kProgramTitle), {});
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

    const X11Window box = X11Window::awaitCaption(kBoxCaption, kPatienceMs);
    ASSERT_TRUE(box.isValid());
    // With the monitor polling every second, anything running behind the box would show.
    const QString novel = QStringLiteral("校花的贴身高手");
    const int searches = site.searchRequestCount(novel);
    EXPECT_FALSE(QTest::qWaitFor(
        [&] {
            return site.searchRequestCount(novel) > searches ||
                   X11Window::countWithCaption(kBoxCaption) > 1;
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

TEST_F(RavoskelProcess, StartedFromAnotherWorkingFolderItKeepsToItsOwnFiles)
{
    // As from a menu, the Run box or autostart: the working folder is not the program's.
    const QTemporaryDir programs;
    ASSERT_TRUE(programs.isValid());
    const QString list = QDir(programs.path()).filePath(QStringLiteral("QQ731508264.vemo"));
    QFile listFile(list);
    ASSERT_TRUE(listFile.open(QIODevice::WriteOnly));
    listFile.write("\xBC\xD7\xCA\xE9\r\n"); // 甲书
    listFile.close();
    QSignalSpy searches(&site, &ReferenceSite::searchRequested);
    start(programs.path());

    bool failed = false;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            failed = X11Window::withCaption(kBoxCaption).isValid();
            return failed || X11Window::withCaption(kQueryCaption).isValid();
        },
        kPatienceMs));
    ASSERT_FALSE(failed) << "a run-time error instead of the query window";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !searches.isEmpty(); }, kPatienceMs))
        << "the title box shows the list's newest title";
    EXPECT_EQ(searches.first().at(0).toString(), QStringLiteral("甲书"));
    EXPECT_EQ(ravoskel.state(), QProcess::Running);
    EXPECT_EQ(QDir(workingFolder()).entryList(QDir::Files), QStringList());
}

// A scaled desktop, set the two ways a user sets one: the X resources' font resolution, which
// desktops write when the user picks a scale, or Qt's own scale factor.
struct DesktopScale {
    const char *name;
    const char *xftDpi;      // none: the X server's own 96 dpi
    const char *scaleFactor; // none: Qt's default
    qreal ratio;
};

void PrintTo(const DesktopScale &scale, std::ostream *out)
{
    *out << scale.name;
}

// The X resources' font resolution, as xrdb would set it; none takes it away.
void setXftDpi(const char *dpi)
{
    QStringList arguments{QStringLiteral("-root")};
    if (dpi)
        arguments << QStringLiteral("-f") << QStringLiteral("RESOURCE_MANAGER")
                  << QStringLiteral("8s") << QStringLiteral("-set")
                  << QStringLiteral("RESOURCE_MANAGER")
                  << QStringLiteral("Xft.dpi:\t%1\n").arg(QLatin1String(dpi));
    else
        arguments << QStringLiteral("-remove") << QStringLiteral("RESOURCE_MANAGER");
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), arguments);
    ASSERT_TRUE(xprop.waitForFinished());
    ASSERT_EQ(xprop.exitCode(), 0);
}

class ScaledDesktop : public RavoskelProcess, public ::testing::WithParamInterface<DesktopScale> {
protected:
    void SetUp() override
    {
        setXftDpi(GetParam().xftDpi);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (GetParam().scaleFactor)
            environment.insert(QStringLiteral("QT_SCALE_FACTOR"), GetParam().scaleFactor);
        ravoskel.setProcessEnvironment(environment);
    }
    void TearDown() override { setXftDpi(nullptr); }

    // The window's frame, once the window manager has put it up.
    static QRect frameOf(const QString &caption)
    {
        const X11Window window = X11Window::awaitCaption(caption, kPatienceMs);
        QRect frame;
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return (frame = window.outerRect()).isValid(); }, kPatienceMs))
            << caption.toStdString();
        return frame;
    }
    // How far the frame's middle lies from the screen's, in screen pixels, twice over so that
    // half a pixel counts.
    static QPoint offCentre(const QRect &frame)
    {
        const QSize screen = X11Window::screenSize();
        return frame.topLeft() + frame.bottomRight() + QPoint(1, 1) -
               QPoint(screen.width(), screen.height());
    }
};

TEST_P(ScaledDesktop, TheWindowsSitInTheMiddleAndTheMonitorInTheTopRightCorner)
{
    start();
    // Qt places windows at whole scaled pixels, so on a scaled screen an edge of a frame one
    // screen pixel wide can come within a pixel of its place, not onto it.
    const int slack = GetParam().ratio == 1 ? 0 : 1;
    const QPoint query = offCentre(frameOf(kQueryCaption));
    EXPECT_LE(std::abs(query.x()), 1 + 2 * slack) << query.x();
    EXPECT_LE(std::abs(query.y()), 1 + 2 * slack) << query.y();
    const QPoint support = offCentre(frameOf(QStringLiteral("^支持作者并关注以后更新$")));
    EXPECT_LE(std::abs(support.x()), 1 + 2 * slack) << support.x();
    EXPECT_LE(std::abs(support.y()), 1 + 2 * slack) << support.y();

    const QPoint button = placeInWindow(Form1::design(), QStringLiteral("Command3")).center();
    X11Window::withCaption(kQueryCaption).click(button * GetParam().ratio);
    const QRect monitor = frameOf(QStringLiteral("^自动检测小说更新"));
    EXPECT_NEAR(monitor.top(), 0, slack);
    EXPECT_NEAR(monitor.right(), X11Window::screenSize().width() - 1, slack);
}

INSTANTIATE_TEST_SUITE_P(AtEachScale, ScaledDesktop,
                         ::testing::Values(DesktopScale{"Unscaled", nullptr, nullptr, 1.0},
                                           DesktopScale{"XftDpi144", "144", nullptr, 1.5},
                                           DesktopScale{"XftDpi192", "192", nullptr, 2.0},
                                           DesktopScale{"ScaleFactor150", nullptr, "1.5", 1.5},
                                           DesktopScale{"ScaleFactor200", nullptr, "2", 2.0}),
                         [](const ::testing::TestParamInfo<DesktopScale> &scale) {
                             return std::string(scale.param.name);
                         });

} // namespace
