#pragma once

#include <QtGlobal>

#include <functional>

class QAbstractHttpServer;
class QSslConfiguration;

// Serves what the server serves over TLS as well, on a port of its own on 127.0.0.1, with the
// certificate and key the configuration holds; each handshake begun is reported, whether the
// client goes on or refuses the certificate. Returns the port, 0 on failure.
quint16 listenOverTls(QAbstractHttpServer &server, const QSslConfiguration &identity,
                      const std::function<void()> &handshakeBegun);
