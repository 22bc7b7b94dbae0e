#pragma once

#include "common/replaceable.h"

#include <QObject>

#include <functional>

// Every event handler runs inside this guard: a RuntimeError is shown in a message box and
// ends the program with a non-zero exit code. While the box is up no other work of the
// program runs, and only one box is ever shown. Nothing else catches the error, and no
// exception crosses Qt's event loop.
void runGuarded(const std::function<void()> &handler);

// Wraps a handler so that it runs inside the guard when called.
inline auto guarded(std::function<void()> handler)
{
    return [handler = std::move(handler)] { runGuarded(handler); };
}

// Connects a signal to a window's event handler, run inside the guard.
template <typename Sender, typename Signal, typename Window>
void connectHandler(Sender *sender, Signal signal, Window *window, void (Window::*handler)())
{
    QObject::connect(sender, signal, window, guarded([window, handler] { (window->*handler)(); }));
}

// How the program ends after a reported error: at once, with the exit code; a test records
// the end instead.
using ProgramEndHandler = std::function<void(int exitCode)>;
Replaceable<ProgramEndHandler> &programEndSeam();
