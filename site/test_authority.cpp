#include "site/test_authority.h"

#include <QFile>
#include <QProcess>
#include <QSslKey>

namespace {

constexpr int kOpensslPatienceMs = 60000;
const QString kDays = QStringLiteral("2");

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TestAuthority::TestAuthority()
{
    const QString names = QStringLiteral("DNS:localhost,DNS:%1,IP:127.0.0.1").arg(kProxiedHost);
    m_ready =
        m_folder.isValid() &&
        openssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", kDays, "-keyout",
                 file("authority.key"), "-out", certificateFile(), "-subj",
                 "/CN=Ravoskel Test Authority", "-addext", "basicConstraints=critical,CA:TRUE",
                 "-addext", "keyUsage=critical,keyCertSign,cRLSign"}) &&
        issue(QStringLiteral("site"), names) &&
        issue(QStringLiteral("elsewhere"), QStringLiteral("DNS:elsewhere.invalid")) &&
        openssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", kDays, "-keyout",
                 file("self.key"), "-out", file("self.pem"), "-subj", "/CN=localhost", "-addext",
                 "subjectAltName=" + names});
}

QString TestAuthority::certificateFile() const
{
    return file(QStringLiteral("authority.pem"));
}

QSslConfiguration TestAuthority::vouchedFor() const
{
    return identity(QStringLiteral("site"));
}

QSslConfiguration TestAuthority::forAnotherHost() const
{
    return identity(QStringLiteral("elsewhere"));
}

QSslConfiguration TestAuthority::selfSigned() const
{
    return identity(QStringLiteral("self"));
}

bool TestAuthority::openssl(const QStringList &arguments) const
{
    QProcess process;
    process.setWorkingDirectory(m_folder.path());
    process.start(QStringLiteral("openssl"), arguments);
    return process.waitForFinished(kOpensslPatienceMs) &&
           process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A server certificate for the names, signed by the authority.
bool TestAuthority::issue(const QString &name, const QString &subjectAltNames) const
{
    QFile extensions(file(name + ".ext"));
    if (!extensions.open(QIODevice::WriteOnly))
        return false;
    extensions.write("basicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n"
                     "keyUsage=digitalSignature,keyEncipherment\nsubjectAltName=" +
                     subjectAltNames.toLatin1() + "\n");
    extensions.close();
    return openssl({"req", "-newkey", "rsa:2048", "-nodes", "-keyout", file(name + ".key"), "-out",
                    file(name + ".csr"), "-subj", "/CN=" + name}) &&
           openssl({"x509", "-req", "-in", file(name + ".csr"), "-CA", certificateFile(), "-CAkey",
                    file("authority.key"), "-CAcreateserial", "-days", kDays, "-extfile",
                    file(name + ".ext"), "-out", file(name + ".pem")});
}

QSslConfiguration TestAuthority::identity(const QString &name) const
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(
        QSslCertificate::fromData(fileContent(file(name + ".pem")), QSsl::Pem));
    configuration.setPrivateKey(QSslKey(fileContent(file(name + ".key")), QSsl::Rsa));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

QString TestAuthority::file(const QString &name) const
{
    return m_folder.filePath(name);
}
