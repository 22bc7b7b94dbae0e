#include "bench/common/stall_probe.h"

#include <QDeadlineTimer>
#include <QEventLoop>

#include <algorithm>

namespace {

constexpr int kTickMs = 5;

} // namespace

StallProbe::StallProbe(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &StallProbe::tick);
    m_clock.start();
    m_timer.start();
}

void StallProbe::restart()
{
    m_lastTickNs = m_clock.nsecsElapsed();
    m_longestGapNs = 0;
}

double StallProbe::longestGapMs() const
{
    const qint64 sinceLastTick = m_clock.nsecsElapsed() - m_lastTickNs;
    return static_cast<double>(std::max(m_longestGapNs, sinceLastTick)) / 1e6;
}

void StallProbe::tick()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_longestGapNs = std::max(m_longestGapNs, now - m_lastTickNs);
    m_lastTickNs = now;
}

bool runEventsUntil(const std::function<bool()> &done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    check.start(1);
    if (!done())
        loop.exec();
    return done();
}

double median(QList<double> figures)
{
    if (figures.isEmpty())
        return 0;
    std::sort(figures.begin(), figures.end());
    const qsizetype middle = figures.size() / 2;
    return figures.size() % 2 ? figures[middle] : (figures[middle - 1] + figures[middle]) / 2;
}
