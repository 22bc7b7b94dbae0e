#include "common/settings_store.h"

#include "common/program_identity.h"

#include <QStandardPaths>

QString settingsLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + kProgramTitle + QStringLiteral(".ini");
}

QSettings::Format settingsFormat()
{
    return QSettings::IniFormat;
}
