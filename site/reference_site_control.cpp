// The demo program's control pages: a presenter publishes a chapter or breaks the site from a
// browser or curl while the programs are watching.

#include "site/reference_site.h"

#include "site/gbk_query.h"
#include "site/site_reply.h"

#include <QUrl>

SiteReply ReferenceSite::answerControl(const QString &path, const QUrl &url)
{
    if (path == u"/control/publish")
        return answerPublishControl(url);
    if (path == u"/control/fault")
        return answerFaultControl(url);
    if (path == u"/control/delay")
        return answerDelayControl(url);
    return notFoundReply();
}

SiteReply ReferenceSite::answerPublishControl(const QUrl &url)
{
    const QString title = decodeGbkValue(rawQueryValue(url, "wd"));
    if (title.isEmpty())
        return textReply(QStringLiteral("缺少书名：/control/publish?wd=<GBK 编码的书名>"),
                         SiteReply::Status::BadRequest);
    publishChapter(title);
    return textReply(chapterLine(title));
}

SiteReply ReferenceSite::answerDelayControl(const QUrl &url)
{
    const QString title = decodeGbkValue(rawQueryValue(url, "wd"));
    bool isNumber = false;
    const int milliseconds = QString::fromLatin1(rawQueryValue(url, "ms")).toInt(&isNumber);
    if (title.isEmpty() || !isNumber || milliseconds < 0)
        return textReply(QStringLiteral("用法：/control/delay?ms=<毫秒>&wd=<GBK 编码的书名>"),
                         SiteReply::Status::BadRequest);
    delayNextSearch(title, milliseconds);
    return textReply(
        QStringLiteral("next search of %1 answers after %2 ms").arg(title).arg(milliseconds));
}

SiteReply ReferenceSite::answerFaultControl(const QUrl &url)
{
    const QString name =
        QString::fromUtf8(QByteArray::fromPercentEncoding(rawQueryValue(url, "mode")));
    const auto mode = faultModeFromName(name);
    if (!mode)
        return textReply(QStringLiteral("unknown fault mode \"%1\"; one of: %2")
                             .arg(name, faultModeNames().join(QStringLiteral(", "))),
                         SiteReply::Status::BadRequest);
    setFault(*mode);
    return textReply(QStringLiteral("fault: %1").arg(faultModeName(*mode)));
}
