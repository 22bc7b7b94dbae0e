#pragma once

#include "site/author_pages.h"
#include "site/fault_mode.h"
#include "site/fault_plan.h"
#include "site/novel_catalog.h"
#include "site/site_reply.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QHttpServerRequest;
class QSslConfiguration;
class QTimer;
class QUrl;
class SiteServer;

// Our stand-in for the outside web the programs talk to: the novel-search site with its
// result pages and the author's pages, served on 127.0.0.1. It can publish chapters on
// demand or on a schedule and misbehave in chosen ways, for the demo and for tests.
class ReferenceSite : public QObject {
    Q_OBJECT

public:
    explicit ReferenceSite(QObject *parent = nullptr);
    ~ReferenceSite() override;

    // Listens on 127.0.0.1; port 0 picks any free port. Returns the port, 0 on failure.
    quint16 listen(quint16 port = 0);
    QString baseAddress() const; // "http://127.0.0.1:<port>"
    // Serves the same pages over TLS as well, with the identity's certificate and key, on a
    // port of its own; returns it, 0 on failure.
    quint16 listenTls(const QSslConfiguration &identity);

    // Adds a novel, or replaces the chapters of one already known.
    void addNovel(const QString &title, const QStringList &chapterNames);
    // Appends the next numbered chapter (adding the novel if needed) and returns its name.
    QString publishChapter(const QString &title);
    // The chapter line the result page for the title carries right now, without line end.
    QString chapterLine(const QString &title) const;
    // Publishes a chapter of the novel every so often; 0 stops it.
    void setPublishInterval(const QString &title, int milliseconds);

    void setVersionText(const QString &text);
    // A script the version page runs once loaded, to try the programs against a page whose
    // own scripts get in their way.
    void setVersionPageScript(const QString &script);

    // A novel's own fault beats the cycle, which beats the site-wide fault. A site-wide
    // Refuse or Stall also takes down the author's pages.
    void setFault(FaultMode mode);
    void setFault(const QString &title, FaultMode mode);
    // Successive searches take these modes in turn, wrapping round; empty ends the cycle.
    void setFaultCycle(const QList<FaultMode> &modes);
    // The next search of the title is answered only after so long: a site slow on one request.
    void delayNextSearch(const QString &title, int milliseconds);
    // The next search of the title is answered with 429 or 503 and this Retry-After value.
    void askPauseAtNextSearch(const QString &title, int status, const QByteArray &retryAfter);

    // The demo program's /control/publish and /control/fault pages; off by default.
    void setControlPagesEnabled(bool enabled);

    int searchRequestCount(const QString &title) const;

signals:
    void searchRequested(const QString &title, const QByteArray &rawQueryValue);
    void pageRequested(const QString &path);
    // A client began a TLS handshake: the one sign of a client that then refuses the
    // certificate.
    void tlsHandshakeBegun();
    void chapterPublished(const QString &title, const QString &chapterName);

private:
    SiteReply answer(const QHttpServerRequest &request);
    SiteReply answerSearch(const QUrl &url);
    SiteReply answerControl(const QString &path, const QUrl &url);
    SiteReply answerPublishControl(const QUrl &url);
    SiteReply answerFaultControl(const QUrl &url);
    SiteReply answerDelayControl(const QUrl &url);

    NovelCatalog m_catalog;
    FaultPlan m_faults;
    QHash<QString, int> m_nextSearchDelays;
    QHash<QString, SiteReply> m_nextSearchPauses;
    VersionPage m_versionPage;
    QHash<QString, int> m_searchCounts;
    QHash<QString, QTimer *> m_publishTimers;
    bool m_controlPagesEnabled = false;
    quint16 m_port = 0;
    // Last, so it goes first: no request can reach a half-destroyed site.
    std::unique_ptr<SiteServer> m_server;
};
