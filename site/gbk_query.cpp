#include "site/gbk_query.h"

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
    QString value = fromGbk(QByteArray::fromPercentEncoding(rawValue));
    // A lead byte at the very end would wait in the decoder for ever; an ASCII byte after it
    // turns it into a replacement character, so a cut-off title is not taken for a shorter one.
    value += QStringView(QString(fromGbk(QByteArrayView("\n", 1)))).chopped(1);
    return value;
}
