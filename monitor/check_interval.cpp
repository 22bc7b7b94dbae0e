#include "monitor/check_interval.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kShortestInterval = 1000;
constexpr qint64 kLongestInterval = std::numeric_limits<int>::max();

bool isPlainDigits(const QString &text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

std::optional<int> parseCheckInterval(const QString &typed)
{
    const QString number = typed.trimmed();
    if (!isPlainDigits(number))
        return std::nullopt;
    bool fits = false;
    const qint64 milliseconds = number.toLongLong(&fits);
    if (!fits || milliseconds < kShortestInterval || milliseconds > kLongestInterval)
        return std::nullopt;
    return static_cast<int>(milliseconds);
}
