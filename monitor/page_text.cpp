#include "page_text.h"

#include "line_model.h"
#include "runtime_error.h"
#include "text_file.h"

#include <QFile>
#include <QStringDecoder>

namespace {

QString decodeUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}

} // namespace

QString ReadFile(const QString &fileName, const QString &charset)
{
    QStringDecoder decoder(charset.toLatin1().constData());
    if (!decoder.isValid())
        throw RuntimeError(ErrorNumber::InvalidCall);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throwFileError(fileName, false);
    return decoder.decode(file.readAll());
}

bool pageHoldsChapterLine(const QByteArray &page)
{
    return QStringView(decodeUtf8(page)).count(kLineEnd) >= kChapterLine;
}
