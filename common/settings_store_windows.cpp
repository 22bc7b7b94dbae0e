#include "common/settings_store.h"

#include "common/program_identity.h"

QString settingsLocation()
{
    // Where the program has always kept them, so that an update finds the user's settings.
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") +
           kProgramTitle;
}

QSettings::Format settingsFormat()
{
    return QSettings::NativeFormat;
}
