#pragma once

#include <QByteArray>
#include <QHttpServerResponder>
#include <QString>

#include <chrono>

// What the site does with one request: usually a complete answer, but the fault modes also
// need answers cut short, connections dropped and requests left hanging.
struct SiteReply {
    enum class Delivery { Complete, Truncated, Dropped, Stalled };
    using Status = QHttpServerResponder::StatusCode;

    Delivery delivery = Delivery::Complete;
    Status status = Status::Ok;
    QByteArray contentType = QByteArrayLiteral("text/html; charset=utf-8");
    QByteArray body;
    std::chrono::milliseconds delay{0}; // before an answer is sent
    QByteArray retryAfter = {};         // the Retry-After header's value, none if empty
    QByteArray cacheControl = QByteArrayLiteral("no-store");
};

SiteReply htmlReply(const QByteArray &body, SiteReply::Status status = SiteReply::Status::Ok);
SiteReply textReply(const QString &text, SiteReply::Status status = SiteReply::Status::Ok);
SiteReply undeliveredReply(SiteReply::Delivery delivery);
SiteReply notFoundReply();
SiteReply serverErrorReply();
// A site that wants to be left alone for a while: 429 or 503 with a Retry-After value.
SiteReply pauseReply(SiteReply::Status status, const QByteArray &retryAfter);
