#include "site/redirect_server.h"

#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>

RedirectServer::RedirectServer(QString target, int status, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_target(std::move(target))
    , m_status(status)
{
}

quint16 RedirectServer::listenOnLoopback()
{
    return listen(QHostAddress(QHostAddress::LocalHost));
}

bool RedirectServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    // The search value travels as the client sent it: re-encoding it would change its bytes.
    const QByteArray location =
        m_target.toUtf8() + request.url().toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
    makeResponder(request, socket)
        .write(QByteArray(), {{QByteArrayLiteral("Location"), location}},
               static_cast<QHttpServerResponder::StatusCode>(m_status));
    return true;
}

// Never reached while handleRequest takes every request, but the base class insists on it.
void RedirectServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    handleRequest(request, socket);
}
