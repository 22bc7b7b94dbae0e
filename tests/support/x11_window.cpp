#include "x11_window.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished();
    return tool.exitCode() == 0 ? QString::fromUtf8(tool.readAllStandardOutput()) : QString();
}

// The value of a window property as xprop prints it, or empty.
QString property(const QString &id, const QString &name)
{
    const QString line = runTool(QStringLiteral("xprop"),
                                 {QStringLiteral("-notype"), QStringLiteral("-id"), id, name});
    const qsizetype equals = line.indexOf(QStringLiteral(" = "));
    return equals < 0 ? QString() : line.mid(equals + 3).trimmed();
}

int xwininfoNumber(const QString &info, const QString &label)
{
    const QRegularExpression pattern(label + QStringLiteral(":\\s*(-?\\d+)"));
    return pattern.match(info).captured(1).toInt();
}

} // namespace

// The first visible window xdotool finds with the given search options.
X11Window X11Window::searched(const QStringList &options)
{
    X11Window window;
    window.m_id =
        runTool(QStringLiteral("xdotool"),
                QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + options)
            .section(QLatin1Char('\n'), 0, 0);
    return window;
}

X11Window X11Window::ofProcess(qint64 processId)
{
    return searched({QStringLiteral("--pid"), QString::number(processId)});
}

X11Window X11Window::withCaption(const QString &pattern)
{
    return searched({QStringLiteral("--name"), pattern});
}

X11Window X11Window::awaitCaption(const QString &pattern, int milliseconds)
{
    X11Window window;
    const bool appeared = QTest::qWaitFor(
        [&] {
            window = withCaption(pattern);
            return window.isValid();
        },
        milliseconds);
    return appeared ? window : X11Window();
}

bool X11Window::awaitNoCaption(const QString &pattern, int milliseconds)
{
    return QTest::qWaitFor([&] { return !withCaption(pattern).isValid(); }, milliseconds);
}

QString X11Window::caption() const
{
    return property(m_id, QStringLiteral("_NET_WM_NAME")).chopped(1).mid(1);
}

QStringList X11Window::states() const
{
    return property(m_id, QStringLiteral("_NET_WM_STATE")).split(QStringLiteral(", "));
}

QRect X11Window::outerRect() const
{
    const QString info = runTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), m_id});
    // left, right, top, bottom
    const QStringList frame =
        property(m_id, QStringLiteral("_NET_FRAME_EXTENTS")).split(QStringLiteral(", "));
    if (info.isEmpty() || frame.size() != 4)
        return {};
    const QRect client(xwininfoNumber(info, QStringLiteral("Absolute upper-left X")),
                       xwininfoNumber(info, QStringLiteral("Absolute upper-left Y")),
                       xwininfoNumber(info, QStringLiteral("Width")),
                       xwininfoNumber(info, QStringLiteral("Height")));
    return client.adjusted(-frame[0].toInt(), -frame[2].toInt(), frame[1].toInt(),
                           frame[3].toInt());
}

void X11Window::click(const QPoint &point) const
{
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("--window"), m_id,
             QString::number(point.x()), QString::number(point.y()), QStringLiteral("click"),
             QStringLiteral("1")});
}

void X11Window::pressKey(const QString &key) const
{
    runTool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                                        m_id, QStringLiteral("key"), key});
}

int X11Window::countWithCaption(const QString &pattern)
{
    return int(runTool(QStringLiteral("xdotool"),
                       {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--name"), pattern})
                   .count(QLatin1Char('\n')));
}

void X11Window::requestClose() const
{
    runTool(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), m_id});
}

QSize X11Window::screenSize()
{
    const QStringList size =
        runTool(QStringLiteral("xdotool"), {QStringLiteral("getdisplaygeometry")})
            .split(QLatin1Char(' '));
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize();
}
