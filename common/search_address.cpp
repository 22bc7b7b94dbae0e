#include "search_address.h"

#include "ansi_codec.h"
#include "endpoints.h"

QUrl searchUrl(const QString &title)
{
    const QByteArray address = endpointAddress(Endpoint::SearchSite).toUtf8() +
                               QByteArrayLiteral("/searchname.aspx?wd=") +
                               toAnsi(title).toPercentEncoding();
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}
