#pragma once

#include "common/replaceable.h"

#include <QString>

#include <functional>

// How a started program's window appears.
enum class WindowStyle { NormalFocus, Hidden, MinimizedFocus };

// One program start, at the level of what the window wants done. On Windows each runs the
// exact command line; elsewhere Qt stands in for explorer, iexplore, cmd and the batch.
struct LaunchRequest {
    // RemoveFile, not DeleteFile: <windows.h> makes DeleteFile a macro.
    enum class Intent {
        OpenAddress,
        OpenAddressWithBrowserProgram,
        StartProgram,
        RemoveFile,
        RunPurgeBatch
    };
    Intent intent;
    QString target; // the address, program file name, file to delete or batch path
    WindowStyle style;
};

// The whole command line Windows runs for a request, program path and arguments as one text,
// as the window wrote it; no quoting is added, so Windows finds a program path with blanks
// the way it always has.
QString windowsCommandLine(const LaunchRequest &request);

// "explorer <address>", normal window: the user's default browser shows the page.
void openAddressInBrowser(const QString &address);
// "C:\Program Files\Internet Explorer\iexplore.exe <address>", hidden window.
void openAddressWithBrowserProgram(const QString &address);
// "Pingrel.exe" or "Ravoskelv1.3.6.exe", the other program of the system, normal window.
void startSystemProgram(const QString &programFile);
// "cmd /c del <file>", minimised window.
void deleteFileThroughInterpreter(const QString &fileName);
// The cache-purge batch, hidden window.
void runPurgeBatch(const QString &batchPath);

// None of these waits for the started program. A start that cannot be made is a
// RuntimeError.

// How requests are carried out: by default carryOutLaunch, which starts the programs; a test
// records them instead.
using LaunchHandler = std::function<void(const LaunchRequest &request)>;
Replaceable<LaunchHandler> &launchSeam();

// Starts what the request asks for, the platform's way (launcher_windows.cpp,
// launcher_posix.cpp).
void carryOutLaunch(const LaunchRequest &request);

// The file a program of the system is on this platform: "Pingrel.exe" itself on Windows,
// "Pingrel" where programs carry no ".exe".
QString systemProgramFileName(const QString &programFile);

// Where a program of the system is found: the starting program's own folder, then the
// working directory, then PATH; without the ".exe" where programs carry none. Empty when it
// is nowhere.
QString locateSystemProgram(const QString &programFile);
