#include "monitor/page_download.h"

#include "common/handler_guard.h"
#include "monitor/download_timeout.h"
#include "monitor/fetch_pause.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

int statusOf(const QNetworkReply &reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool answeredWithBody(const QNetworkReply &reply, const QByteArray &body)
{
    const int status = statusOf(reply);
    return reply.error() == QNetworkReply::NoError && status >= 200 && status < 300 &&
           !body.isEmpty();
}

} // namespace

PageDownload::PageDownload(QNetworkAccessManager &network, const QUrl &url, BodyCheck keepBody,
                           QObject *parent)
    : QObject(parent)
    , m_keepBody(std::move(keepBody))
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    m_reply = network.get(request);
    m_reply->setParent(this);
    connect(m_reply, &QNetworkReply::finished, this, guarded([this] { complete(); }));
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { giveUp(); });
    m_deadline.start(downloadTimeout());
}

PageDownload::~PageDownload()
{
    stopListening();
}

void PageDownload::complete()
{
    m_deadline.stop();
    const QByteArray body = m_reply->readAll();
    const bool succeeded = answeredWithBody(*m_reply, body) && m_keepBody(body);
    m_requestedPause = ::requestedPause(statusOf(*m_reply), m_reply->rawHeader("Retry-After"),
                                        QDateTime::currentDateTimeUtc());
    m_reply->deleteLater();
    if (succeeded)
        m_body = body;
    Q_EMIT finished(succeeded);
}

void PageDownload::giveUp()
{
    stopListening();
    Q_EMIT finished(false);
}

void PageDownload::stopListening()
{
    // Aborting reports the reply finished at once; nobody may take that for an answer.
    if (m_reply && !m_reply->isFinished()) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

PageDownload *DownloadFile(QNetworkAccessManager &network, const QUrl &url, BodyCheck keepBody,
                           QObject *parent)
{
    return new PageDownload(network, url, std::move(keepBody), parent);
}
