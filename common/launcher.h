#pragma once

#include <QString>

#include <functional>

// How a started program's window appears.
enum class WindowStyle { NormalFocus, Hidden, MinimizedFocus };

// One program start, at the level of what the window wants done. On Windows each runs the
// exact command line; elsewhere Qt stands in for explorer, cmd and the batch.
struct LaunchRequest {
    enum class Intent { OpenAddress, StartProgram, DeleteFile, RunPurgeBatch };
    Intent intent;
    QString target; // the address, program file name, file to delete or batch path
    WindowStyle style;
    QString commandLine; // what Windows runs for it
};

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

// Where there is no command interpreter, running the purge batch clears the embedded
// browser's cache instead; the main program hands in how.
void setBrowserCachePurger(std::function<void()> purger);

// Test seam: replaces how requests are carried out and returns the handler it replaced. An
// empty handler restores the real launcher.
using LaunchHandler = std::function<void(const LaunchRequest &request)>;
LaunchHandler replaceLaunchHandler(LaunchHandler handler);

// Where a program of the system is found: the starting program's own folder, then the
// working directory, then PATH; without the ".exe" where programs carry none. Empty when it
// is nowhere.
QString locateSystemProgram(const QString &programFile);
