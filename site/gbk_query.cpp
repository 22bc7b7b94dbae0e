#include "gbk_query.h"

#include <QStringDecoder>

QByteArray rawQueryValue(const QUrl &url, const QByteArray &key)
{
    const QByteArray prefix = key + '=';
    const QByteArray query = url.query(QUrl::FullyEncoded).toLatin1();
    for (const QByteArray &item : query.split('&')) {
        if (item.startsWith(prefix))
            return item.sliced(prefix.size());
    }
    return {};
}

QString decodeGbkValue(const QByteArray &rawValue)
{
    QStringDecoder fromGbk("GBK");
    return fromGbk(QByteArray::fromPercentEncoding(rawValue));
}
