#pragma once

#include <QString>

// What the monitor remembers between runs: the novel it watches and the check interval as
// the user typed it. Missing values give the first-run defaults.
QString storedNovelName();
QString storedCheckInterval();
void storeMonitorSettings(const QString &novelName, const QString &checkInterval);
