#pragma once

#include "site/fault_mode.h"

#include <QHash>
#include <QList>
#include <QString>

// Decides which fault each search request meets. The most particular setting wins: a fault
// set for the searched novel, then the rotating cycle, then the site-wide fault.
class FaultPlan {
public:
    void setSiteWide(FaultMode mode) { m_siteWide = mode; }
    void setForNovel(const QString &title, FaultMode mode);
    void setCycle(const QList<FaultMode> &modes);

    // Consumes one step of the cycle when the cycle is what decides.
    FaultMode takeForSearch(const QString &title);

    // A site that refuses or stalls is down for every page, not only for searches.
    bool siteIsDown() const;
    FaultMode siteWide() const { return m_siteWide; }

private:
    FaultMode m_siteWide = FaultMode::None;
    QHash<QString, FaultMode> m_perNovel;
    QList<FaultMode> m_cycle;
    qsizetype m_cycleStep = 0;
};
