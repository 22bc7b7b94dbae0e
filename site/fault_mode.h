#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The ways the reference site can misbehave, so the programs can be shown meeting a flaky
// outside web: no answer at all, a wrong status, or a page that is damaged in a chosen way.
enum class FaultMode {
    None,
    Refuse,         // the connection is dropped without a word
    Stall,          // the request is read and never answered
    NotFound404,    // a small "not found" page
    ServerError500, // a small "server error" page
    TruncatedBody,  // the promised length is never delivered before the connection closes
    EmptyBody,      // a 200 with nothing in it
    LfOnlyLines,    // the real page, lines ended by "\n" alone
    ShortPage,      // a 200 page too short to hold the chapter line
    InvalidUtf8,    // the real page with stray bytes that are not UTF-8 around the chapter line
    AsksToStay,     // the real page, whose script asks the browser to stay on it once clicked
    Cacheable,      // the real page, which a browser may keep and show again for an hour
};

// The short names the demo program and its control page accept ("none", "refuse", "404"...).
QString faultModeName(FaultMode mode);
std::optional<FaultMode> faultModeFromName(const QString &name);
QStringList faultModeNames();

// Whether a search under the mode still brings the whole page with its chapter line.
bool servesWholePage(FaultMode mode);
