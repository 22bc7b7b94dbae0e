#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>

// A small HTTP proxy on 127.0.0.1, the only one who knows where kProxiedHost lives (on
// loopback): a plain request goes on as it came, https through a CONNECT tunnel. Any other
// host gets 502. It notes each request it was asked to carry, "GET host:port" or
// "CONNECT host:port".
class TestProxy : public QObject {
    Q_OBJECT

public:
    TestProxy();

    quint16 port() const { return m_server.serverPort(); }
    // The address http_proxy and https_proxy take.
    QString address() const;

    QStringList requests;

private:
    void take(QTcpSocket *client);

    QTcpServer m_server;
};
