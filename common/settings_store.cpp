#include "common/settings_store.h"

#include "common/program_identity.h"
#include "common/runtime_error.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

QSettings::Format storeFormat()
{
#ifdef Q_OS_WIN
    return QSettings::NativeFormat;
#else
    return QSettings::IniFormat;
#endif
}

QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString settingsLocation()
{
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") +
           kProgramTitle;
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + kProgramTitle + QStringLiteral(".ini");
#endif
}

QString readSetting(const QString &section, const QString &key, const QString &defaultValue)
{
    const QSettings store(settingsLocation(), storeFormat());
    return store.value(keyPath(section, key), defaultValue).toString();
}

void writeSetting(const QString &section, const QString &key, const QString &value)
{
    QSettings store(settingsLocation(), storeFormat());
    store.setValue(keyPath(section, key), value);
    store.sync();
    if (store.status() != QSettings::NoError)
        throw RuntimeError(ErrorNumber::PathFileAccess);
}
