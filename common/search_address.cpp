#include "common/search_address.h"

#include "common/ansi_codec.h"
#include "common/endpoints.h"

QUrl searchUrl(const QString &title)
{
    const QByteArray address = endpointAddress(Endpoint::SearchSite).toUtf8() +
                               QByteArrayLiteral("/searchname.aspx?wd=") +
                               toAnsi(title).toPercentEncoding();
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}
