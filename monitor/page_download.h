#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

// Decides whether a downloaded body is worth keeping.
using BodyCheck = std::function<bool(const QByteArray &body)>;

// One address downloaded, always from the network, never from a cache. The body is kept only
// when the server answered 2xx with a body that passes the check; the owner writes it where it
// belongs, which may take longer than the window should wait. A download still running after
// downloadTimeout() fails. Deleting the object abandons the download: finished() never comes.
// Redirects are followed, from http to https too, never from https back to http.
class PageDownload : public QObject {
    Q_OBJECT

public:
    PageDownload(QNetworkAccessManager &network, const QUrl &url, BodyCheck keepBody,
                 QObject *parent = nullptr);
    ~PageDownload() override;

    // How long the site asked to be left alone, once finished; zero if it did not ask.
    std::chrono::seconds requestedPause() const { return m_requestedPause; }
    // The body kept, once finished() said the download succeeded.
    const QByteArray &body() const { return m_body; }

Q_SIGNALS:
    void finished(bool succeeded);

private:
    void complete();
    void giveUp();
    void stopListening();

    QByteArray m_body;
    BodyCheck m_keepBody;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    std::chrono::seconds m_requestedPause{0};
};

// Starts the download and returns at once; the caller owns the result.
PageDownload *DownloadFile(QNetworkAccessManager &network, const QUrl &url, BodyCheck keepBody,
                           QObject *parent);
