#pragma once

#include "site/fault_mode.h"
#include "site/site_reply.h"

#include <QStringList>

// The answer to a search under a fault, given the lines of the page a healthy site would send.
SiteReply searchReply(FaultMode mode, const QStringList &pageLines);

// The answer to any other page while the site-wide fault takes the whole site down.
SiteReply outageReply(FaultMode siteWideMode);
