#include "monitor/page_text.h"

#include "common/line_model.h"
#include "common/runtime_error.h"
#include "common/text_file.h"

#include <QFile>
#include <QStringDecoder>

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
    // CR and LF stand for themselves in UTF-8 and a broken sequence never swallows them, so the
    // line ends are counted in the bytes, and only as far as the chapter line: decoding the
    // whole page here would do again what reading the downloaded file does next.
    const QByteArrayView lineEnd("\r\n");
    qsizetype from = 0;
    for (int line = 0; line < kChapterLine; ++line) {
        from = page.indexOf(lineEnd, from);
        if (from < 0)
            return false;
        from += lineEnd.size();
    }
    return true;
}
