#include "site/result_page.h"

#include <array>

namespace {

// Everything above the row that holds the newest chapter, with "{title}" where the searched
// title goes. Its length pins the chapter line to kChapterLineIndex.
const std::array<const char16_t *, kChapterLineIndex - 1> kPageHead{
    u"<!DOCTYPE html>",
    u"<html lang=\"zh-CN\">",
    u"<head>",
    u"<meta charset=\"utf-8\">",
    u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">",
    u"<title>《{title}》最新章节 - 书讯速递小说搜索</title>",
    u"<style>",
    u"body { margin: 0; font-family: \"Noto Sans CJK SC\", \"Microsoft YaHei\", sans-serif; "
    u"background: #f4f1ea; color: #333; }",
    u".top { background: #8b2e16; color: #fff; padding: 12px 24px; }",
    u".top h1 { margin: 0; font-size: 22px; letter-spacing: 2px; }",
    u".top .slogan { font-size: 13px; opacity: 0.85; }",
    u".nav { background: #5c1f0e; padding: 6px 24px; }",
    u".nav a { color: #f6dcc4; margin-right: 18px; text-decoration: none; font-size: 14px; }",
    u".nav a:hover { color: #fff; }",
    u".search { padding: 16px 24px; background: #fff; border-bottom: 1px solid #ddd; }",
    u".search input { width: 320px; padding: 6px; border: 1px solid #bbb; }",
    u".search button { padding: 6px 18px; background: #8b2e16; color: #fff; border: 0; }",
    u".main { padding: 16px 24px; }",
    u".main h2 { font-size: 18px; color: #8b2e16; border-left: 4px solid #8b2e16; "
    u"padding-left: 8px; }",
    u"table.result { width: 100%; border-collapse: collapse; background: #fff; }",
    u"table.result th { background: #efe6d8; padding: 8px; text-align: left; }",
    u"table.result td { border-top: 1px solid #eee; padding: 8px; }",
    u"td.chapter a { color: #1a5fb4; text-decoration: none; }",
    u".note { color: #888; font-size: 12px; margin-top: 12px; }",
    u".foot { text-align: center; color: #999; font-size: 12px; padding: 24px; }",
    u"</style>",
    u"</head>",
    u"<body>",
    u"<div class=\"top\">",
    u"<h1>书讯速递</h1>",
    u"<div class=\"slogan\">全网小说最新章节，一搜即达</div>",
    u"</div>",
    u"<div class=\"nav\">",
    u"<a href=\"#\">首页</a>",
    u"<a href=\"#\">玄幻奇幻</a>",
    u"<a href=\"#\">都市言情</a>",
    u"<a href=\"#\">武侠仙侠</a>",
    u"<a href=\"#\">排行榜</a>",
    u"</div>",
    // A browser submits the form in GBK, the way the site expects titles to arrive.
    u"<form class=\"search\" action=\"/searchname.aspx\" method=\"get\" accept-charset=\"gbk\">",
    u"<input type=\"text\" name=\"wd\" value=\"{title}\">",
    u"<button type=\"submit\">搜索</button>",
    u"</form>",
    u"<div class=\"main\">",
    u"<h2>《{title}》的最新章节</h2>",
    u"<table class=\"result\">",
    u"<thead>",
    u"<tr>",
    u"<th>来源站点</th>",
    u"<th>最新章节</th>",
    u"<th>更新状态</th>",
    u"</tr>",
    u"</thead>",
    u"<tbody>",
    u"<tr>",
};

// Other sites lag behind: each shows a chapter older than the one before it.
const std::array<const char16_t *, 2> kMirrorSites{u"笔趣小站", u"墨香书屋"};

QStringList pageHead(const QString &escapedTitle)
{
    QStringList lines;
    for (const char16_t *line : kPageHead)
        lines << QString::fromUtf16(line).replace(QStringLiteral("{title}"), escapedTitle);
    return lines;
}

QString chapterCell(const Novel &novel, qsizetype chapterIndex)
{
    return QStringLiteral("<td class=\"chapter\"><a href=\"/book/%1/chapter/%2.html\">%3</a></td>")
        .arg(novel.bookNumber)
        .arg(chapterIndex + 1)
        .arg(novel.chapters.at(chapterIndex).toHtmlEscaped());
}

QString missingCell(const QString &title)
{
    return QStringLiteral("<td class=\"chapter\">没有找到《%1》的更新</td>")
        .arg(title.toHtmlEscaped());
}

bool hasChapters(const Novel *novel)
{
    return novel != nullptr && !novel->chapters.isEmpty();
}

QStringList mirrorRows(const Novel &novel)
{
    QStringList lines;
    qsizetype chapterIndex = novel.chapters.size() - 1;
    for (const char16_t *site : kMirrorSites) {
        if (--chapterIndex < 0)
            break;
        lines << QStringLiteral("<tr>")
              << QStringLiteral("<td class=\"site\">%1</td>").arg(QString::fromUtf16(site))
              << chapterCell(novel, chapterIndex)
              << QStringLiteral("<td class=\"state\">转载 · 稍有延迟</td>")
              << QStringLiteral("</tr>");
    }
    return lines;
}

QStringList pageTail(const QString &note)
{
    return {
        QStringLiteral("</tbody>"),
        QStringLiteral("</table>"),
        QStringLiteral("<p class=\"note\">%1</p>").arg(note),
        QStringLiteral("</div>"),
        QStringLiteral("<div class=\"foot\">书讯速递 · 小说更新索引 · 章节版权归原作者所有</div>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>")};
}

QStringList foundRows(const Novel &novel)
{
    return QStringList{QStringLiteral("<td class=\"site\">书讯速递·首发</td>"),
                       chapterCell(novel, novel.chapters.size() - 1),
                       QStringLiteral("<td class=\"state\">连载中 · 共%1章</td>")
                           .arg(novel.chapters.size()),
                       QStringLiteral("</tr>")} +
           mirrorRows(novel) + pageTail(QStringLiteral("点击章节名即可阅读最新章节。"));
}

QStringList missingRows(const QString &title)
{
    return QStringList{QStringLiteral("<td class=\"site\">全部站点</td>"), missingCell(title),
                       QStringLiteral("<td class=\"state\">—</td>"), QStringLiteral("</tr>")} +
           pageTail(QStringLiteral("请检查书名是否有误，或稍后再来看看。"));
}

} // namespace

QStringList resultPageLines(const NovelCatalog &catalog, const QString &title)
{
    const Novel *novel = catalog.find(title);
    const QStringList head = pageHead(title.toHtmlEscaped());
    return head + (hasChapters(novel) ? foundRows(*novel) : missingRows(title));
}

QString chapterLine(const NovelCatalog &catalog, const QString &title)
{
    return resultPageLines(catalog, title).at(kChapterLineIndex);
}
