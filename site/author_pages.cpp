#include "site/author_pages.h"

#include "site/small_page.h"

#include <array>

namespace {

struct AuthorPage {
    const char16_t *path;
    const char16_t *heading;
    std::array<const char16_t *, 2> paragraphs;
};

const std::array<AuthorPage, 8> kPages{{
    {u"/download.html",
     u"Ravoskel 下载",
     {u"安装包适用于 Debian 12，下载后用软件包管理器安装即可。",
      u"升级时无需卸载旧版本，设置与追更列表都会保留。"}},
    {u"/support.html",
     u"技术支持",
     {u"使用中遇到问题，请先看看常见问题解答。",
      u"仍未解决的话，请写信给作者，说明系统版本和出错前的操作。"}},
    {u"/blog.html",
     u"作者博客",
     {u"追更小工具的由来：每天刷新十几个网页等更新，不如让程序替我盯着。",
      u"下一版打算加入更多小说站点，欢迎留言提建议。"}},
    {u"/microblog.html",
     u"作者微博",
     {u"今天又修好了一个小毛病，晚上可以安心追更了。", u"感谢大家的反馈，新版本正在测试中。"}},
    {u"/personal.html",
     u"关于作者",
     {u"一名爱看网络小说的程序员，业余时间写些顺手的小工具。", u"联系方式见技术支持页面。"}},
    {u"/offers/shopping.html",
     u"购物优惠",
     {u"本周精选：护眼台灯、阅读支架限时优惠。", u"优惠信息由合作商家提供，以商家页面为准。"}},
    {u"/offers/antivirus.html",
     u"安全软件推荐",
     {u"为电脑装上一款可靠的安全软件，下载读书更安心。", u"新用户可免费试用三十天。"}},
    {u"/offers/tv.html",
     u"网络电视",
     {u"热门剧集在线看，追剧追书两不误。", u"高清频道每晚八点准时更新。"}},
}};

// Deliberately one line with nothing between the elements, so a browser's innerText of the
// whole document is exactly: heading, version, note, one a line.
QByteArray versionPageHtml(const VersionPage &page)
{
    const QString script =
        page.script.isEmpty() ? QString() : QStringLiteral("<script>%1</script>").arg(page.script);
    return QStringLiteral("<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
                          "<title>Ravoskel 版本信息</title>%1</head><body>"
                          "<div>Ravoskel 版本信息</div><div>%2</div>"
                          "<div>新版本请到下载页获取</div></body></html>")
        .arg(script, page.versionText.toHtmlEscaped())
        .toUtf8();
}

} // namespace

std::optional<QByteArray> authorPage(const QString &path, const VersionPage &versionPage)
{
    if (path == u"/version.html")
        return versionPageHtml(versionPage);
    for (const AuthorPage &page : kPages) {
        if (path == QStringView(page.path)) {
            return smallPage(
                QString::fromUtf16(page.heading),
                {QString::fromUtf16(page.paragraphs[0]), QString::fromUtf16(page.paragraphs[1])});
        }
    }
    return std::nullopt;
}
