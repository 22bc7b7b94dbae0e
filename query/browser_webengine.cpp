#include "query/browser.h"

#include "common/controls.h"
#include "query/browser_page.h"

#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

namespace {

// Chromium breaks innerText lines with LF alone; the texts are handed out with CR LF, the
// line end every file of this program uses.
const QString kElementTextsScript = QStringLiteral(
    "Array.prototype.map.call(document.all, function (e) {"
    "  var t = e.innerText;"
    "  return t === undefined || t === null ? '' : String(t).replace(/\\r?\\n/g, '\\r\\n');"
    "})");

// Only a page the server answered with 2xx counts; an error page completes as well.
bool loadedWell(const QWebEngineLoadingInfo &info)
{
    const bool httpError = info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain &&
                           (info.errorCode() < 200 || info.errorCode() > 299);
    return info.status() == QWebEngineLoadingInfo::LoadSucceededStatus && !info.isErrorPage() &&
           !httpError;
}

} // namespace

Browser::Browser(QWidget *window, const QList<ControlDesign> &design, const QString &name)
    : QObject(window)
{
    setObjectName(name);
    auto *view = buildControl<QWebEngineView>(window, design, name);
    m_page = new BrowserPage(view);
    view->setPage(m_page);
    m_view = view;
    wirePage();
}

Browser::Browser(const QString &name, QWidget *owner)
    : QObject(owner)
    , m_page(new BrowserPage(this))
{
    setObjectName(name);
    wirePage();
}

void Browser::wirePage()
{
    connect(m_page, &QWebEnginePage::loadingChanged, this,
            [this](const QWebEngineLoadingInfo &info) {
                if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus ||
                    info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
                    Q_EMIT DocumentComplete(loadedWell(info));
            });
}

void Browser::Navigate(const QUrl &address)
{
    m_page->load(address);
}

void Browser::Navigate2(const QUrl &address)
{
    Navigate(address);
}

void Browser::collectElementTexts(const std::function<void(const QStringList &texts)> &done)
{
    // A script that failed, or a page that went away before it answered, gives no list at all:
    // that is no page without elements.
    m_page->runJavaScript(kElementTextsScript, [done](const QVariant &result) {
        if (result.typeId() == QMetaType::QVariantList)
            done(result.toStringList());
    });
}
