#include "tests/support/x11_window.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// A tool's output, empty when it failed. The command's words are separated by single blanks.
QString run(const QString &command, const QStringList &more = {})
{
    QStringList words = command.split(QLatin1Char(' '));
    const QString program = words.takeFirst();
    QProcess tool;
    tool.start(program, words + more);
    tool.waitForFinished();
    return tool.exitCode() == 0 ? QString::fromUtf8(tool.readAllStandardOutput()) : QString();
}

// The value of a window property as xprop prints it, or empty.
QString property(const QString &id, const QString &name)
{
    const QString line = run(QStringLiteral("xprop -notype -id ") + id, {name});
    const qsizetype equals = line.indexOf(QStringLiteral(" = "));
    return equals < 0 ? QString() : line.mid(equals + 3).trimmed();
}

int xwininfoNumber(const QString &info, const QString &label)
{
    return QRegularExpression(label + QStringLiteral(":\\s*(-?\\d+)"))
        .match(info)
        .captured(1)
        .toInt();
}

} // namespace

X11Window X11Window::searched(const QStringList &options)
{
    X11Window window;
    window.m_id = run(QStringLiteral("xdotool search --onlyvisible"), options).section('\n', 0, 0);
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
    return QTest::qWaitFor([&] { return (window = withCaption(pattern)).isValid(); }, milliseconds)
               ? window
               : X11Window();
}

bool X11Window::awaitNoCaption(const QString &pattern, int milliseconds)
{
    return QTest::qWaitFor([&] { return !withCaption(pattern).isValid(); }, milliseconds);
}

int X11Window::countWithCaption(const QString &pattern)
{
    return int(run(QStringLiteral("xdotool search --onlyvisible --name"), {pattern}).count('\n'));
}

QList<X11Window> X11Window::allWithCaption(const QString &pattern)
{
    QList<X11Window> windows;
    const QString ids = run(QStringLiteral("xdotool search --onlyvisible --name"), {pattern});
    for (const QString &id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        X11Window window;
        window.m_id = id;
        windows << window;
    }
    return windows;
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
    const QString info = run(QStringLiteral("xwininfo -id ") + m_id);
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

QRect X11Window::requestedRect() const
{
    const QString hints =
        run(QStringLiteral("xprop -id ") + m_id, {QStringLiteral("WM_NORMAL_HINTS")});
    const QRegularExpressionMatch place =
        QRegularExpression(QStringLiteral("specified location: (-?\\d+), (-?\\d+)")).match(hints);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("specified size: (\\d+) by (\\d+)")).match(hints);
    if (!place.hasMatch() || !size.hasMatch())
        return {};
    return {place.captured(1).toInt(), place.captured(2).toInt(), size.captured(1).toInt(),
            size.captured(2).toInt()};
}

void X11Window::activate() const
{
    run(QStringLiteral("xdotool windowactivate --sync ") + m_id);
}

void X11Window::requestClose() const
{
    run(QStringLiteral("wmctrl -i -c ") + m_id);
}

void X11Window::click(const QPoint &point) const
{
    run(QStringLiteral("xdotool mousemove --window %1 %2 %3 click 1")
            .arg(m_id)
            .arg(point.x())
            .arg(point.y()));
}

void X11Window::pressKey(const QString &key) const
{
    run(QStringLiteral("xdotool windowactivate --sync ") + m_id, {QStringLiteral("key"), key});
}

void X11Window::typeText(const QString &text) const
{
    run(QStringLiteral("xdotool windowactivate --sync ") + m_id, {QStringLiteral("type"), text});
}

QSize X11Window::screenSize()
{
    const QStringList size = run(QStringLiteral("xdotool getdisplaygeometry")).split(' ');
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize();
}
