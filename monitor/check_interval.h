#pragma once

#include <QString>

#include <optional>

inline const QString kBadIntervalMessage =
    QStringLiteral("检测时间间格请输入1000到2147483647之间的整数(毫秒)");

// The check interval as typed: a whole number of milliseconds from one second up to the
// longest a timer takes, blanks around it allowed. Anything else is refused, so a typing
// slip can neither hammer the site nor be stored for the next run.
std::optional<int> parseCheckInterval(const QString &typed);
