#include "site/site_server.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

const QByteArray kContentType = QByteArrayLiteral("Content-Type");
const QByteArray kCacheControl = QByteArrayLiteral("Cache-Control");

} // namespace

SiteServer::SiteServer(Handler handler, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_handler(std::move(handler))
{
}

bool SiteServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    deliver(m_handler(request), request, socket);
    return true;
}

// Never reached while handleRequest takes every request, but the base class insists on it.
void SiteServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    deliver(notFoundReply(), request, socket);
}

void SiteServer::deliver(const SiteReply &reply, const QHttpServerRequest &request,
                         QTcpSocket *socket)
{
    if (reply.delivery == SiteReply::Delivery::Dropped) {
        socket->abort();
        return;
    }
    // A stalled socket belongs to the listening server: it goes when the client gives up or
    // when the site is destroyed.
    if (reply.delivery == SiteReply::Delivery::Stalled)
        return;
    if (reply.delay.count() == 0) {
        QHttpServerResponder responder = makeResponder(request, socket);
        send(reply, responder, socket);
        return;
    }
    // The responder must be made while the request is at hand; the socket, when it goes,
    // takes the pending answer with it.
    auto responder = std::make_shared<QHttpServerResponder>(makeResponder(request, socket));
    QTimer::singleShot(reply.delay, socket,
                       [reply, responder, socket] { send(reply, *responder, socket); });
}

void SiteServer::send(const SiteReply &reply, QHttpServerResponder &responder, QTcpSocket *socket)
{
    if (reply.delivery == SiteReply::Delivery::Truncated) {
        sendTruncated(reply, responder);
        socket->disconnectFromHost();
    } else {
        sendComplete(reply, responder);
    }
}

void SiteServer::sendComplete(const SiteReply &reply, QHttpServerResponder &responder)
{
    if (reply.retryAfter.isEmpty()) {
        responder.write(reply.body,
                        {{kContentType, reply.contentType}, {kCacheControl, reply.cacheControl}},
                        reply.status);
        return;
    }
    responder.writeStatusLine(reply.status);
    responder.writeHeaders(
        {{kContentType, reply.contentType},
         {kCacheControl, reply.cacheControl},
         {QByteArrayLiteral("Retry-After"), reply.retryAfter},
         {QByteArrayLiteral("Content-Length"), QByteArray::number(reply.body.size())}});
    responder.writeBody(reply.body);
}

// Promises the whole body but sends only its first half; the caller then closes.
void SiteServer::sendTruncated(const SiteReply &reply, QHttpServerResponder &responder)
{
    responder.writeStatusLine(reply.status);
    responder.writeHeaders(
        {{kContentType, reply.contentType},
         {kCacheControl, reply.cacheControl},
         {QByteArrayLiteral("Content-Length"), QByteArray::number(reply.body.size())}});
    responder.writeBody(reply.body.first(reply.body.size() / 2));
}
