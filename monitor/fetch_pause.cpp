#include "monitor/fetch_pause.h"

#include <QLocale>

#include <algorithm>
#include <optional>

namespace {

constexpr std::chrono::seconds kLongestPause = std::chrono::hours(1);

bool asksForPause(int status)
{
    return status == 429 || status == 503;
}

bool isWholeNumber(const QByteArray &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char character) {
        return character >= '0' && character <= '9';
    });
}

// Seconds since now, for both forms HTTP allows; nullopt when the value is neither.
std::optional<qint64> secondsAsked(const QByteArray &value, const QDateTime &now)
{
    // More digits than an hour has seconds would only overflow on the way to the cap.
    if (isWholeNumber(value))
        return value.size() > 6 ? kLongestPause.count() : value.toLongLong();
    // The date form senders must use; the obsolete ones are rare enough to go unheeded.
    QDateTime date = QLocale::c().toDateTime(QString::fromLatin1(value),
                                             QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
    date.setTimeSpec(Qt::UTC);
    if (!date.isValid())
        return std::nullopt;
    // Rounded up: a pause cut short by the part of a second already gone could anger the site.
    return (now.msecsTo(date) + 999) / 1000;
}

} // namespace

std::chrono::seconds requestedPause(int status, const QByteArray &retryAfter, const QDateTime &now)
{
    if (!asksForPause(status))
        return std::chrono::seconds(0);
    const std::optional<qint64> seconds = secondsAsked(retryAfter.trimmed(), now);
    return std::chrono::seconds(std::clamp<qint64>(seconds.value_or(0), 0, kLongestPause.count()));
}

void FetchPause::extendBy(std::chrono::milliseconds pause)
{
    const QDeadlineTimer until(pause);
    if (until.deadlineNSecs() > m_until.deadlineNSecs())
        m_until = until;
}
