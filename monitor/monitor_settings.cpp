#include "monitor/monitor_settings.h"

#include "common/settings_store.h"

namespace {
const QString kSection = QStringLiteral("Settings");
const QString kNovelNameKey = QStringLiteral("1.vemo");
const QString kCheckIntervalKey = QStringLiteral("2.vemo");
} // namespace

QString storedNovelName()
{
    return readSetting(kSection, kNovelNameKey, QStringLiteral("校花的贴身高手"));
}

QString storedCheckInterval()
{
    return readSetting(kSection, kCheckIntervalKey, QStringLiteral("10000"));
}

void storeMonitorSettings(const QString &novelName, const QString &checkInterval)
{
    writeSetting(kSection, kNovelNameKey, novelName);
    writeSetting(kSection, kCheckIntervalKey, checkInterval);
}
