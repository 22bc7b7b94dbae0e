#pragma once

#include <functional>

// Every event handler runs inside this guard: a RuntimeError is shown in a message box and
// ends the program with a non-zero exit code. Nothing else catches it, and no exception
// crosses Qt's event loop.
void runGuarded(const std::function<void()> &handler);

// Wraps a handler for connect(): connect(button, &QPushButton::clicked, this, guarded([this] {
// Command1_Click(); })).
inline auto guarded(std::function<void()> handler)
{
    return [handler = std::move(handler)] { runGuarded(handler); };
}

// Test seam: replaces how the program ends after a reported error and returns the handler it
// replaced. An empty handler restores the real end.
using ProgramEndHandler = std::function<void(int exitCode)>;
ProgramEndHandler replaceProgramEndHandler(ProgramEndHandler handler);
