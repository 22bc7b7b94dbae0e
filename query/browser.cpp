// What the browser does the same way whatever engine is behind it.

#include "query/browser.h"

#include "query/browser_page.h"

bool Browser::Silent() const
{
    return m_page->isSilent();
}

void Browser::setSilent(bool silent)
{
    m_page->setSilent(silent);
}
