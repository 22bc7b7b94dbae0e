#pragma once

#include "common/controls.h"
#include "common/program_identity.h"
#include "tests/support/test_environment.h"
#include "tests/windows/wine_prefix.h"

#include <QByteArray>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

class X11Window;

// Wine writes a window's WM_NAME, which xdotool searches, in Latin-1 with '?' for each Chinese
// character: windows are found by the ASCII part of their captions, and a caption is read
// whole from _NET_WM_NAME.
inline const QString kQueryCaption = "^" + QRegularExpression::escape(kProgramTitle) + "---";
inline const QString kMonitorCaption = QStringLiteral("byVemoQQ731508264$");
inline const QString kPopupCaption = QStringLiteral("Ravoskel.*-VemoQQ731508264$");
// The main program's message boxes carry its title alone.
inline const QString kBoxCaption = "^" + QRegularExpression::escape(kProgramTitle) + "$";
inline const QString kSettingsKey =
    QStringLiteral("Software\\VB and VBA Program Settings\\") + kProgramTitle + "\\";

// The text in the ANSI code page of a Chinese Windows.
QByteArray gbk(const QString &text);

// The chapter line of a GBK page file written under Windows; empty when there is none.
QString chapterLineOf(const QString &file);

// Writes the bytes to a file of this machine; false when it could not.
bool writeFile(const QString &path, const QByteArray &bytes);

// Clicks the middle of the named control of a window's design, as placed at 96 dpi.
void clickControl(const X11Window &window, const QList<ControlDesign> &design, const QString &name);

// Pastes the text with Ctrl+V into what has the focus in the window. Wine reads the keyboard
// map once, at start, so the keys xdotool makes up for Chinese characters never reach a
// Windows program: Chinese text is pasted, and this process hands it over while the program
// waits for it. False when the program never took it.
bool pasteInto(const X11Window &window, const QString &text);

// The Windows programs in a fresh Wine prefix, their outside addresses pointing at the
// reference site on loopback; every program still running is ended after the test.
class WineSession : public SiteFolders {
protected:
    void SetUp() override;
    void TearDown() override;
    // Whether a message box of the main program comes up within a few seconds.
    bool boxAppears() const;

    WinePrefix prefix;
    QProcess program;
};
