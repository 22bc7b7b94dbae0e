#include "site/reference_site.h"

#include "site/author_pages.h"
#include "site/fault_replies.h"
#include "site/gbk_query.h"
#include "site/result_page.h"
#include "site/site_server.h"
#include "site/tls_listener.h"

#include <QHostAddress>
#include <QHttpServerRequest>
#include <QTimer>

namespace {

const QString kSearchPath = QStringLiteral("/searchname.aspx");
const QString kControlPrefix = QStringLiteral("/control/");

} // namespace

ReferenceSite::ReferenceSite(QObject *parent)
    : QObject(parent)
    , m_catalog(NovelCatalog::withDefaultNovels())
    , m_versionPage{QStringLiteral(RAVOSKEL_PROGRAM_TITLE), QString()}
    , m_server(std::make_unique<SiteServer>(
          [this](const QHttpServerRequest &request) { return answer(request); }))
{
}

ReferenceSite::~ReferenceSite() = default;

quint16 ReferenceSite::listen(quint16 port)
{
    m_port = m_server->listen(QHostAddress(QHostAddress::LocalHost), port);
    return m_port;
}

quint16 ReferenceSite::listenTls(const QSslConfiguration &identity)
{
    return listenOverTls(*m_server, identity, [this] { emit tlsHandshakeBegun(); });
}

QString ReferenceSite::baseAddress() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void ReferenceSite::addNovel(const QString &title, const QStringList &chapterNames)
{
    m_catalog.addNovel(title, chapterNames);
}

QString ReferenceSite::publishChapter(const QString &title)
{
    const QString chapter = m_catalog.publishChapter(title);
    emit chapterPublished(title, chapter);
    return chapter;
}

QString ReferenceSite::chapterLine(const QString &title) const
{
    return ::chapterLine(m_catalog, title);
}

void ReferenceSite::setPublishInterval(const QString &title, int milliseconds)
{
    delete m_publishTimers.take(title);
    if (milliseconds <= 0)
        return;
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, title] { publishChapter(title); });
    timer->start(milliseconds);
    m_publishTimers.insert(title, timer);
}

void ReferenceSite::setVersionText(const QString &text)
{
    m_versionPage.versionText = text;
}

void ReferenceSite::setVersionPageScript(const QString &script)
{
    m_versionPage.script = script;
}

void ReferenceSite::setFault(FaultMode mode)
{
    m_faults.setSiteWide(mode);
}

void ReferenceSite::setFault(const QString &title, FaultMode mode)
{
    m_faults.setForNovel(title, mode);
}

void ReferenceSite::setFaultCycle(const QList<FaultMode> &modes)
{
    m_faults.setCycle(modes);
}

void ReferenceSite::delayNextSearch(const QString &title, int milliseconds)
{
    m_nextSearchDelays.insert(title, milliseconds);
}

void ReferenceSite::askPauseAtNextSearch(const QString &title, int status,
                                         const QByteArray &retryAfter)
{
    m_nextSearchPauses.insert(title,
                              pauseReply(static_cast<SiteReply::Status>(status), retryAfter));
}

void ReferenceSite::setControlPagesEnabled(bool enabled)
{
    m_controlPagesEnabled = enabled;
}

int ReferenceSite::searchRequestCount(const QString &title) const
{
    return m_searchCounts.value(title);
}

SiteReply ReferenceSite::answer(const QHttpServerRequest &request)
{
    const QUrl url = request.url();
    const QString path = url.path();
    emit pageRequested(path);
    if (m_controlPagesEnabled && path.startsWith(kControlPrefix))
        return answerControl(path, url);
    if (path == kSearchPath)
        return answerSearch(url);
    if (m_faults.siteIsDown())
        return outageReply(m_faults.siteWide());
    if (const auto page = authorPage(path, m_versionPage))
        return htmlReply(*page);
    return notFoundReply();
}

SiteReply ReferenceSite::answerSearch(const QUrl &url)
{
    const QByteArray rawTitle = rawQueryValue(url, "wd");
    const QString title = decodeGbkValue(rawTitle);
    ++m_searchCounts[title];
    emit searchRequested(title, rawTitle);
    if (m_nextSearchPauses.contains(title))
        return m_nextSearchPauses.take(title);
    SiteReply reply = searchReply(m_faults.takeForSearch(title), resultPageLines(m_catalog, title));
    reply.delay = std::chrono::milliseconds(m_nextSearchDelays.take(title));
    return reply;
}
