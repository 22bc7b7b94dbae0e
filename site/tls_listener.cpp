#include "site/tls_listener.h"

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QSslConfiguration>
#include <QSslServer>

quint16 listenOverTls(QAbstractHttpServer &server, const QSslConfiguration &identity,
                      const std::function<void()> &handshakeBegun)
{
    auto *listener = new QSslServer(&server);
    listener->setSslConfiguration(identity);
    QObject::connect(listener, &QSslServer::startedEncryptionHandshake, listener,
                     [handshakeBegun] { handshakeBegun(); });
    if (!listener->listen(QHostAddress(QHostAddress::LocalHost))) {
        delete listener;
        return 0;
    }
    server.bind(listener);
    return listener->serverPort();
}
