#include "bench/monitor/large_result_page.h"

#include "common/line_model.h"

namespace {

QByteArray row(int number)
{
    return QStringLiteral("<tr><td class=\"site\">第%1号站点</td><td class=\"chapter\">"
                          "第%1章 风起云涌，少年踏上修行之路</td><td>连载中</td></tr>\r\n")
        .arg(number)
        .toUtf8();
}

} // namespace

QByteArray largeResultPage(qsizetype approximateBytes, const QString &chapterLine)
{
    QByteArray page;
    int number = 0;
    while (number < kChapterLine)
        page += row(++number);
    page += chapterLine.toUtf8() + "\r\n";
    while (page.size() < approximateBytes)
        page += row(++number);
    return page;
}
