#include "site/fault_plan.h"

void FaultPlan::setForNovel(const QString &title, FaultMode mode)
{
    if (mode == FaultMode::None)
        m_perNovel.remove(title);
    else
        m_perNovel.insert(title, mode);
}

void FaultPlan::setCycle(const QList<FaultMode> &modes)
{
    m_cycle = modes;
    m_cycleStep = 0;
}

FaultMode FaultPlan::takeForSearch(const QString &title)
{
    if (const auto novelFault = m_perNovel.constFind(title); novelFault != m_perNovel.cend())
        return *novelFault;
    if (m_cycle.isEmpty())
        return m_siteWide;
    const FaultMode mode = m_cycle.at(m_cycleStep);
    m_cycleStep = (m_cycleStep + 1) % m_cycle.size();
    return mode;
}

bool FaultPlan::siteIsDown() const
{
    return m_siteWide == FaultMode::Refuse || m_siteWide == FaultMode::Stall;
}
