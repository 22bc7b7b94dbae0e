#include "query/browser_page_webengine.h"

#include <QCoreApplication>
#include <QWebEngineCertificateError>
#include <QWebEngineProfile>

namespace {

// What the engine asks when a page wants to stay, in its own words.
QString leaveQuestion()
{
    return QCoreApplication::translate(
        "QWebEnginePage",
        "Are you sure you want to leave this page? Changes that you made may not be saved.");
}

} // namespace

BrowserPage::BrowserPage(QObject *parent)
    : QWebEnginePage(parent)
{
    // Every page is asked of its site afresh, which is what the purge batch is run for before
    // a query. Clearing the engine's cache instead, right before the query's navigation, could
    // leave that navigation waiting for ever on a cache entry the clearing had doomed. The
    // setting takes effect as long as no page of the profile has loaded yet.
    profile()->setHttpCacheType(QWebEngineProfile::NoCache);
    connect(this, &QWebEnginePage::certificateError, this,
            [](QWebEngineCertificateError error) { error.rejectCertificate(); });
}

void BrowserPage::javaScriptAlert(const QUrl &securityOrigin, const QString &message)
{
    if (!m_silent)
        QWebEnginePage::javaScriptAlert(securityOrigin, message);
}

bool BrowserPage::javaScriptConfirm(const QUrl &securityOrigin, const QString &message)
{
    if (!m_silent)
        return QWebEnginePage::javaScriptConfirm(securityOrigin, message);
    // The engine asks whether to leave a page that wants to stay through the same call, with a
    // question of its own. A new navigation replaces the page, as one started from a link does.
    return message == leaveQuestion();
}

bool BrowserPage::javaScriptPrompt(const QUrl &securityOrigin, const QString &message,
                                   const QString &defaultValue, QString *result)
{
    return !m_silent &&
           QWebEnginePage::javaScriptPrompt(securityOrigin, message, defaultValue, result);
}

void BrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString &message, int lineNumber,
                                           const QString &sourceID)
{
    if (!m_silent)
        QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceID);
}
