#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A fresh Wine prefix set up as a Chinese Windows (ANSI code page 936), with the programs
// unpacked on its drive C: from the zip a Windows user downloads. Its programs are started and its
// registry is read and written through Wine's own tools, as a user of that Windows would.
class WinePrefix {
public:
    WinePrefix();
    ~WinePrefix();

    // Whether the prefix was made and the programs unpacked into it.
    bool isReady() const { return m_ready; }

    // The unpacked program folder, and a file in it.
    QString programFolder() const;
    QString programFile(const QString &name) const;
    // A file in C:\Windows\Temp.
    QString tempFile(const QString &name) const;

    // Starts a program of the program folder by its file name, the folder being its working
    // folder, as a shortcut on Windows starts it.
    void start(QProcess &process, const QString &program, const QStringList &arguments = {}) const;
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
