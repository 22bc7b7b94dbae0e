#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

// What the X server and the window manager say about another process's window, asked through
// the usual command-line tools so that the program under test is seen from outside.
class X11Window {
public:
    // The visible top-level window of the process, or an invalid one while there is none.
    static X11Window ofProcess(qint64 processId);
    // The visible top-level window whose caption matches the pattern, or an invalid one.
    static X11Window withCaption(const QString &pattern);
    // Waits for such a window to appear, or to be gone; an invalid window or false on time-out.
    static X11Window awaitCaption(const QString &pattern, int milliseconds);
    static bool awaitNoCaption(const QString &pattern, int milliseconds);

    bool isValid() const { return !m_id.isEmpty(); }
    QString caption() const;
    QStringList states() const; // _NET_WM_STATE atoms, e.g. "_NET_WM_STATE_ABOVE"
    // The window with the window manager's frame around it, in screen pixels.
    QRect outerRect() const;
    // Where the program asked the window manager to put the window and how large, before
    // the manager placed it; an empty rectangle when it asked nothing.
    QRect requestedRect() const;
    // Brings it to the front, as a click on its title bar does.
    void activate() const;
    // Asks the window manager to close it, as the close box does.
    void requestClose() const;
    // Clicks a point of its client area, in pixels.
    void click(const QPoint &point) const;
    // Brings it to the front and presses a key, by its X name ("Return", "ctrl+a").
    void pressKey(const QString &key) const;
    // Brings it to the front and types the text key by key into what has the focus.
    void typeText(const QString &text) const;

    // How many visible top-level windows have a caption that matches the pattern.
    static int countWithCaption(const QString &pattern);
    // Each of them.
    static QList<X11Window> allWithCaption(const QString &pattern);

    bool operator==(const X11Window &other) const = default;

    static QSize screenSize();

private:
    static X11Window searched(const QStringList &options);

    QString m_id;
};
