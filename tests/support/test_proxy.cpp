#include "tests/support/test_proxy.h"

#include "site/test_authority.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QUrl>

namespace {

const QByteArray kHeaderEnd = QByteArrayLiteral("\r\n\r\n");

// Each socket's bytes go to the other until either closes.
void pipe(QTcpSocket *from, QTcpSocket *to)
{
    QObject::connect(from, &QTcpSocket::readyRead, to, [from, to] { to->write(from->readAll()); });
    QObject::connect(from, &QTcpSocket::disconnected, to, &QTcpSocket::disconnectFromHost);
}

// "CONNECT host:port HTTP/1.1" or "GET http://host:port/path HTTP/1.1": the method and the
// host with its port.
std::pair<QByteArray, QUrl> destination(const QByteArray &requestLine)
{
    const QList<QByteArray> words = requestLine.split(' ');
    const QByteArray method = words.value(0);
    const QByteArray target = words.value(1);
    return {method, QUrl::fromEncoded(method == "CONNECT" ? "tunnel://" + target : target)};
}

} // namespace

TestProxy::TestProxy()
{
    m_server.listen(QHostAddress(QHostAddress::LocalHost));
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *client = m_server.nextPendingConnection())
            take(client);
    });
}

QString TestProxy::address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void TestProxy::take(QTcpSocket *client)
{
    connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    // The first request's head names where the whole connection goes.
    connect(client, &QTcpSocket::readyRead, this, [this, client] {
        if (client->property("upstream").isValid() || !client->peek(8192).contains(kHeaderEnd))
            return;
        const QByteArray head = client->peek(8192);
        const auto [method, url] = destination(head.left(head.indexOf("\r\n")));
        const QString host = url.host() + ":" + QString::number(url.port(80));
        requests << QString::fromLatin1(method) + " " + host;
        if (url.host() != kProxiedHost) {
            client->write("HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\n\r\n");
            client->disconnectFromHost();
            return;
        }
        auto *upstream = new QTcpSocket(client);
        client->setProperty("upstream", true);
        const bool tunnel = method == "CONNECT";
        connect(upstream, &QTcpSocket::connected, client, [client, upstream, tunnel] {
            if (tunnel) {
                client->read(client->peek(8192).indexOf(kHeaderEnd) + kHeaderEnd.size());
                client->write("HTTP/1.1 200 Connection established\r\n\r\n");
            }
            upstream->write(client->readAll());
            pipe(client, upstream);
            pipe(upstream, client);
        });
        upstream->connectToHost(QHostAddress(QHostAddress::LocalHost), url.port(80));
    });
}
