#include "handler_guard.h"

#include "msgbox.h"
#include "runtime_error.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kErrorExitCode = 1;

ProgramEndHandler &currentEndHandler()
{
    static ProgramEndHandler handler;
    return handler;
}

void endProgram(int exitCode)
{
    if (currentEndHandler()) {
        currentEndHandler()(exitCode);
        return;
    }
    // The error may come before the event loop runs (a window's load), and no later event of
    // the failed program may run, so the end is immediate. Files are written whole in one
    // step, so nothing is left half-written.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace

void runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        MsgBox(error.message());
        endProgram(kErrorExitCode);
    }
}

ProgramEndHandler replaceProgramEndHandler(ProgramEndHandler handler)
{
    return std::exchange(currentEndHandler(), std::move(handler));
}
