#pragma once

#include <QAbstractHttpServer>
#include <QString>

// A plain address that has moved: every request is answered with the redirect status and the
// same path and query on the target, as sites that went over to https do.
class RedirectServer : public QAbstractHttpServer {
    Q_OBJECT

public:
    // target: scheme, host and port, no trailing slash; status: 301, 302, 307 or 308.
    RedirectServer(QString target, int status, QObject *parent = nullptr);

    // Listens on 127.0.0.1; returns the port, 0 on failure.
    quint16 listenOnLoopback();

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    QString m_target;
    int m_status;
};
