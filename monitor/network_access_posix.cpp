#include "monitor/network_access.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QSslCertificate>
#include <QSslConfiguration>

namespace {

// The authorities OpenSSL programs (curl, wget, Python) trust besides the system's: a bundle
// named by SSL_CERT_FILE and the folders listed in SSL_CERT_DIR. Qt reads neither.
QList<QSslCertificate> authoritiesNamedInEnvironment()
{
    QList<QSslCertificate> found;
    const QString bundle = qEnvironmentVariable("SSL_CERT_FILE");
    if (!bundle.isEmpty())
        found += QSslCertificate::fromPath(bundle, QSsl::Pem,
                                           QSslCertificate::PatternSyntax::FixedString);
    const QStringList folders =
        qEnvironmentVariable("SSL_CERT_DIR").split(u':', Qt::SkipEmptyParts);
    for (const QString &folder : folders) {
        const QDir listed(folder);
        for (const QString &name : listed.entryList(QDir::Files))
            found += QSslCertificate::fromPath(listed.filePath(name), QSsl::Pem,
                                               QSslCertificate::PatternSyntax::FixedString);
    }
    return found;
}

// Users behind a company's own authority name it this way; the system's stay trusted.
void trustAuthoritiesNamedInEnvironment()
{
    const QList<QSslCertificate> named = authoritiesNamedInEnvironment();
    if (named.isEmpty())
        return;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates(QSslConfiguration::systemCaCertificates() + named);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

} // namespace

QNetworkAccessManager *makeNetworkAccess(QObject *parent)
{
    trustAuthoritiesNamedInEnvironment();
    return new QNetworkAccessManager(parent);
}
