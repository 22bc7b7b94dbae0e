#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// Measures how long the thread's event loop goes without turning: a timer asks to tick every
// 5 ms, and the longest gap between two ticks is the longest stall a user could have met.
class StallProbe : public QObject {
    Q_OBJECT
public:
    explicit StallProbe(QObject *parent = nullptr);

    // Forgets what was seen so far and measures from now.
    void restart();
    // The longest gap between two ticks since the last restart, or since the restart and now
    // if no tick came at all, in milliseconds.
    double longestGapMs() const;

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastTickNs = 0;
    qint64 m_longestGapNs = 0;
};

// Runs the event loop until the predicate holds or the time runs out; false on timeout.
bool runEventsUntil(const std::function<bool()> &done, int timeoutMs);

// The median of the figures, none given making 0.
double median(QList<double> figures);
