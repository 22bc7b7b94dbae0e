#pragma once

#include "site/site_reply.h"

#include <QAbstractHttpServer>

#include <functional>

// The HTTP side of the reference site: asks the handler what to do with each request and
// carries it out on the socket, including the misbehaviour the fault modes call for.
class SiteServer : public QAbstractHttpServer {
    Q_OBJECT

public:
    using Handler = std::function<SiteReply(const QHttpServerRequest &)>;

    explicit SiteServer(Handler handler, QObject *parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    static void deliver(const SiteReply &reply, const QHttpServerRequest &request,
                        QTcpSocket *socket);
    static void send(const SiteReply &reply, QHttpServerResponder &responder, QTcpSocket *socket);
    static void sendComplete(const SiteReply &reply, QHttpServerResponder &responder);
    static void sendTruncated(const SiteReply &reply, QHttpServerResponder &responder);

    Handler m_handler;
};
