#pragma once

#include <QSslConfiguration>
#include <QString>
#include <QTemporaryDir>

// The host name that only the test's proxy can resolve; the site's certificate names it too.
inline const QString kProxiedHost = QStringLiteral("novels.proxied.test");

// A certificate authority made for one test with Debian's openssl, and the identities a TLS
// site can present: one it vouches for (localhost, 127.0.0.1 and the proxied host), one for
// another host, and one nobody vouches for. The authority is trusted only where a test hands
// its file on: the machine's trust store is never touched.
class TestAuthority {
public:
    TestAuthority();

    bool isReady() const { return m_ready; }
    // The authority's certificate, PEM, for SSL_CERT_FILE or a Windows certificate store.
    QString certificateFile() const;

    QSslConfiguration vouchedFor() const;
    QSslConfiguration forAnotherHost() const;
    QSslConfiguration selfSigned() const;

private:
    bool openssl(const QStringList &arguments) const;
    bool issue(const QString &name, const QString &subjectAltNames) const;
    QSslConfiguration identity(const QString &name) const;
    QString file(const QString &name) const;

    QTemporaryDir m_folder;
    bool m_ready = false;
};
