#pragma once

#include <QSettings>
#include <QString>

// The per-user settings store: string values by section and key, under the program's title.
// On Windows the registry key the program has always used; elsewhere
// $XDG_CONFIG_HOME/Ravoskelv1.3.6.ini.
QString readSetting(const QString &section, const QString &key, const QString &defaultValue);
void writeSetting(const QString &section, const QString &key, const QString &value);

// The file or registry path behind the store, for messages and tests, and how it is kept:
// the registry on Windows (settings_store_windows.cpp), an INI file elsewhere
// (settings_store_posix.cpp).
QString settingsLocation();
QSettings::Format settingsFormat();
