#include "site/site_reply.h"

#include "site/small_page.h"

SiteReply htmlReply(const QByteArray &body, SiteReply::Status status)
{
    return SiteReply{SiteReply::Delivery::Complete, status,
                     QByteArrayLiteral("text/html; charset=utf-8"), body};
}

SiteReply textReply(const QString &text, SiteReply::Status status)
{
    return SiteReply{SiteReply::Delivery::Complete, status,
                     QByteArrayLiteral("text/plain; charset=utf-8"), text.toUtf8() + '\n'};
}

SiteReply undeliveredReply(SiteReply::Delivery delivery)
{
    return SiteReply{delivery, SiteReply::Status::Ok, {}, {}};
}

SiteReply notFoundReply()
{
    return htmlReply(smallPage(QStringLiteral("404 页面不存在"),
                               {QStringLiteral("您要找的页面不存在或已被删除。")}),
                     SiteReply::Status::NotFound);
}

SiteReply serverErrorReply()
{
    return htmlReply(smallPage(QStringLiteral("500 服务器内部错误"),
                               {QStringLiteral("服务器开小差了，请稍后再试。")}),
                     SiteReply::Status::InternalServerError);
}

SiteReply pauseReply(SiteReply::Status status, const QByteArray &retryAfter)
{
    SiteReply reply = htmlReply(smallPage(QStringLiteral("请求过于频繁"),
                                          {QStringLiteral("您的访问过于频繁，请稍后再试。")}),
                                status);
    reply.retryAfter = retryAfter;
    return reply;
}
