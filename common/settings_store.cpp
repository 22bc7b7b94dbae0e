#include "common/settings_store.h"

#include "common/runtime_error.h"

#include <QSettings>

namespace {

QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString readSetting(const QString &section, const QString &key, const QString &defaultValue)
{
    const QSettings store(settingsLocation(), settingsFormat());
    return store.value(keyPath(section, key), defaultValue).toString();
}

void writeSetting(const QString &section, const QString &key, const QString &value)
{
    QSettings store(settingsLocation(), settingsFormat());
    store.setValue(keyPath(section, key), value);
    store.sync();
    if (store.status() != QSettings::NoError)
        throw RuntimeError(ErrorNumber::PathFileAccess);
}
