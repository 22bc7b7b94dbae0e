#pragma once

#include "common/controls.h"
#include "common/program_identity.h"
#include "tests/support/test_environment.h"

#include <QByteArray>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

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

// A fresh Wine prefix set up as a Chinese Windows (ANSI code page 936), with a copy of the
// Windows program folder on its drive C:. Its programs are started and its registry is read
// and written through Wine's own tools, as a user of that Windows would.
class WinePrefix {
public:
    WinePrefix();
    ~WinePrefix();

    // Whether the prefix was made and the program folder copied into it.
    bool isReady() const { return m_ready; }

    // The copied program folder, and a file in it.
    QString programFolder() const;
    QString programFile(const QString &name) const;
    // A file in C:\Windows\Temp.
    QString tempFile(const QString &name) const;

    // Starts a program of the program folder by its file name, the folder being its working
    // folder, as a shortcut on Windows starts it.
    void start(QProcess &process, const QString &program) const;
    // Starts it by its whole path from another working folder (a folder of this machine), as
    // the Run box, autostart or a shortcut with another "Start in" does.
    void startFrom(QProcess &process, const QString &program, const QString &workingFolder) const;

    // Ends every program still running in the prefix.
    void endPrograms() const;

    // Writes a string value under HKEY_CURRENT_USER\<key>; false when reg.exe failed.
    bool setRegistryValue(const QString &key, const QString &name, const QString &value) const;
    // The same for a number.
    bool setRegistryNumber(const QString &key, const QString &name, quint32 value) const;
    // What reg.exe prints for the key, decoded from the code page; empty when it failed.
    QString registryKey(const QString &key) const;

private:
    int runWine(const QStringList &arguments, QByteArray *output = nullptr) const;
    bool addRegistryValue(const QString &key, const QString &name, const QString &type,
                          const QString &value) const;
    QProcessEnvironment environment() const;

    QTemporaryDir m_folder;
    bool m_ready = false;
};

// A test with a fresh prefix whose programs talk to the reference site on loopback.
class WineSession : public SiteFolders {
protected:
    void SetUp() override;
    void TearDown() override;
    // Whether a message box of the main program comes up within a few seconds.
    bool boxAppears() const;

    WinePrefix prefix;
    QProcess program;
};

// Clicks the middle of the named control of a window's design, as placed at 96 dpi.
void clickControl(const X11Window &window, const QList<ControlDesign> &design, const QString &name);
