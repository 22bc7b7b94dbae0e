// Windows runs each request's exact command line, as the windows wrote it.

#include "common/launcher.h"

#include "common/runtime_error.h"

#include <qt_windows.h>

namespace {

WORD showWindowCommand(WindowStyle style)
{
    switch (style) {
    case WindowStyle::Hidden:
        return SW_HIDE;
    case WindowStyle::MinimizedFocus:
        return SW_SHOWMINIMIZED;
    case WindowStyle::NormalFocus:
        break;
    }
    return SW_SHOWNORMAL;
}

} // namespace

void carryOutLaunch(const LaunchRequest &request)
{
    // No application name: CreateProcessW then reads the program from the line itself and, for
    // an unquoted path with blanks such as C:\Program Files\Internet Explorer\iexplore.exe,
    // tries ever longer readings up to each blank until one is a program. Splitting the line
    // ourselves would try "C:\Program" alone. It may write into the line, hence the copy.
    std::wstring line = windowsCommandLine(request).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showWindowCommand(request.style);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        throw RuntimeError(ErrorNumber::FileNotFound);
    // Nothing waits for the program, so its handles are not kept.
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

QString systemProgramFileName(const QString &programFile)
{
    return programFile;
}
