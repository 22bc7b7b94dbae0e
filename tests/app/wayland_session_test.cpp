#include "common/program_identity.h"
#include "tests/support/test_environment.h"
#include "tests/support/x11_window.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A Wayland desktop with XWayland beside it, as Debian's default session is: weston, headless,
// serving Wayland on its own socket and X11 on a display of its own. The programs are started
// the way that desktop starts them, and are looked for through X11.
class WaylandSession : public FreshFolders {
protected:
    WaylandSession()
    {
        m_weston.setProcessChannelMode(QProcess::MergedChannels);
        m_weston.setProcessEnvironment(sessionEnvironment());
        m_weston.start(QStringLiteral("weston"),
                       {QStringLiteral("--backend=headless-backend.so"),
                        QStringLiteral("--socket=") + socketName(), QStringLiteral("--xwayland")});
        // weston says which X display its XWayland serves once it listens.
        const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
        QString log;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                log += QString::fromUtf8(m_weston.readAll());
                m_xDisplay = listening.match(log).captured(1);
                return !m_xDisplay.isEmpty();
            },
            kPatienceMs))
            << log.toStdString();
        // The X11 tools the checks use look at that display.
        qputenv("DISPLAY", m_xDisplay.toUtf8());
    }
    ~WaylandSession() override
    {
        for (QProcess *process : {&m_program, &m_weston}) {
            process->kill();
            process->waitForFinished();
        }
        qunsetenv("DISPLAY");
    }

    // Starts one of the built programs from a folder of its own, in the session, with no
    // platform chosen.
    void startProgram(const QString &name)
    {
        for (const QString &file :
             {name, QStringLiteral("version1.ini"), QStringLiteral("version.ini")})
            ASSERT_TRUE(QFile::copy(QDir(programFolder()).filePath(file), workingFile(file)));
        QProcessEnvironment environment = sessionEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_xDisplay);
        environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socketName());
        m_program.setProcessEnvironment(environment);
        m_program.setWorkingDirectory(workingFolder());
        m_program.start(workingFile(name), {});
    }

    QProcess m_program;

private:
    QString socketName() const { return QStringLiteral("ravoskel-test-wayland"); }
    QProcessEnvironment sessionEnvironment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        return environment;
    }

    QTemporaryDir m_runtime; // owner-only, as the session's runtime folder must be
    QProcess m_weston;
    QString m_xDisplay;
};

// weston's own X11 window manager places X11 windows itself, whatever they ask; desktops
// such as GNOME and KDE honour the request. So the placement checked is the one the popup
// asks for through X11.
TEST_F(WaylandSession, ThePopupAppearsThroughX11AndAsksForTheBottomRightCorner)
{
    startProgram(QStringLiteral("Pingrel"));
    X11Window popup;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (popup = X11Window::ofProcess(m_program.processId())).isValid(); },
        kPatienceMs));
    EXPECT_TRUE(popup.caption().startsWith(QStringLiteral("来自Ravoskel的消息:【")));
    // The popup asks to start just below the screen's bottom edge and rises two pixels a tick
    // from wherever the window manager really put it; weston's places it elsewhere, so how far
    // the request has risen when it is read depends on timing. Anywhere from just below the
    // edge to fully risen is the corner.
    const QRect requested = popup.requestedRect();
    const QSize screen = X11Window::screenSize();
    EXPECT_EQ(requested.right() + 1, screen.width());
    EXPECT_LE(requested.top(), screen.height());
    EXPECT_GE(requested.bottom() + 1, screen.height());
}

TEST_F(WaylandSession, TheMainProgramsQueryWindowAppearsThroughX11)
{
    startProgram(kProgramTitle);
    EXPECT_TRUE(X11Window::awaitCaption("^" + QRegularExpression::escape(kProgramTitle) + "---",
                                        kPatienceMs)
                    .isValid());
}

} // namespace
