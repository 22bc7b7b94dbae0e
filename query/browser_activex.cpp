#include "query/browser.h"

#include "common/controls.h"
#include "query/browser_page_activex.h"

Browser::Browser(QWidget *window, const QList<ControlDesign> &design, const QString &name)
    : QObject(window)
    , m_page(buildControl<BrowserPage>(window, design, name))
    , m_view(m_page)
{
    setObjectName(name);
    wirePage();
}

Browser::Browser(const QString &name, QWidget *owner)
    : QObject(owner)
    , m_page(new BrowserPage(owner))
{
    setObjectName(name);
    // The control needs a window to live in; this one is never shown.
    m_page->hide();
    wirePage();
}

void Browser::wirePage()
{
    connect(m_page, &BrowserPage::documentComplete, this, &Browser::DocumentComplete);
}

void Browser::Navigate(const QUrl &address)
{
    m_page->navigate("Navigate", address);
}

void Browser::Navigate2(const QUrl &address)
{
    m_page->navigate("Navigate2", address);
}

void Browser::collectElementTexts(const std::function<void(const QStringList &texts)> &done)
{
    // The control answers at once; the answer is still handed over later, as the windows
    // expect of a browser that reads in the background.
    const std::optional<QStringList> texts = m_page->elementTexts();
    if (texts)
        QMetaObject::invokeMethod(
            this, [done, texts] { done(*texts); }, Qt::QueuedConnection);
}
