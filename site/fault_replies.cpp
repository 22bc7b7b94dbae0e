#include "site/fault_replies.h"

#include "site/crlf_text.h"
#include "site/result_page.h"
#include "site/small_page.h"

namespace {

// Bytes that can never start a UTF-8 character, then a character cut short right before the
// line end, which a careless decoder might let swallow the "\r\n".
const QByteArray kStrayTail = QByteArrayLiteral("\xFF\xFE\xE4\xB8");
const QByteArray kStrayHead = QByteArrayLiteral("\x80\xFF");

QByteArray pageWithStrayBytes(const QStringList &lines)
{
    QByteArray page;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QByteArray line = lines.at(index).toUtf8();
        if (index == kChapterLineIndex - 1)
            line.append(kStrayTail);
        if (index == kChapterLineIndex + 1)
            line.prepend(kStrayHead);
        page += line + "\r\n";
    }
    return page;
}

QByteArray lfOnlyPage(const QStringList &lines)
{
    return lines.join(u'\n').toUtf8() + '\n';
}

// Browsers ask the user whether to leave such a page only once the user has clicked in it.
QStringList pageAskingToStay(QStringList lines)
{
    const qsizetype beforeBodyEnd = lines.size() - 2;
    lines.insert(beforeBodyEnd,
                 QStringLiteral("<script>window.addEventListener('beforeunload', function (event) "
                                "{ event.preventDefault(); event.returnValue = ''; });</script>"));
    return lines;
}

QByteArray maintenancePage()
{
    return smallPage(QStringLiteral("书讯速递 系统维护中"),
                     {QStringLiteral("本站正在升级维护，搜索功能暂停使用。"),
                      QStringLiteral("请稍后再来，给您带来不便敬请谅解。")});
}

} // namespace

SiteReply searchReply(FaultMode mode, const QStringList &pageLines)
{
    switch (mode) {
    case FaultMode::None:
        return htmlReply(crLfText(pageLines));
    case FaultMode::Refuse:
    case FaultMode::Stall:
        return outageReply(mode);
    case FaultMode::NotFound404:
        return notFoundReply();
    case FaultMode::ServerError500:
        return serverErrorReply();
    case FaultMode::TruncatedBody: {
        SiteReply reply = htmlReply(crLfText(pageLines));
        reply.delivery = SiteReply::Delivery::Truncated;
        return reply;
    }
    case FaultMode::EmptyBody:
        return htmlReply(QByteArray());
    case FaultMode::LfOnlyLines:
        return htmlReply(lfOnlyPage(pageLines));
    case FaultMode::ShortPage:
        return htmlReply(maintenancePage());
    case FaultMode::InvalidUtf8:
        return htmlReply(pageWithStrayBytes(pageLines));
    case FaultMode::AsksToStay:
        return htmlReply(crLfText(pageAskingToStay(pageLines)));
    case FaultMode::Cacheable: {
        SiteReply reply = htmlReply(crLfText(pageLines));
        reply.cacheControl = QByteArrayLiteral("max-age=3600");
        return reply;
    }
    }
    Q_UNREACHABLE();
}

SiteReply outageReply(FaultMode siteWideMode)
{
    return undeliveredReply(siteWideMode == FaultMode::Stall ? SiteReply::Delivery::Stalled
                                                             : SiteReply::Delivery::Dropped);
}
