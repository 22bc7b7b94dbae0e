#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDeadlineTimer>

#include <chrono>

// How long a site asked to be left alone: what a 429 or 503 answer's Retry-After gives, in
// seconds or as an HTTP date, never more than an hour. Zero when it asked for nothing.
std::chrono::seconds requestedPause(int status, const QByteArray &retryAfter, const QDateTime &now);

// The moment before which no fetch of the site may start. Sites ban the addresses of readers
// who poll too often, so a pause asked for is kept even when the user's interval is shorter.
class FetchPause {
public:
    // Never shortens a pause already under way.
    void extendBy(std::chrono::milliseconds pause);
    bool isOver() const { return m_until.hasExpired(); }

private:
    QDeadlineTimer m_until; // expired until a site asks for a pause
};
