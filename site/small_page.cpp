#include "site/small_page.h"

#include "site/crlf_text.h"

QByteArray smallPage(const QString &heading, const QStringList &paragraphs)
{
    const QString escapedHeading = heading.toHtmlEscaped();
    QStringList lines{QStringLiteral("<!DOCTYPE html>"),
                      QStringLiteral("<html lang=\"zh-CN\">"),
                      QStringLiteral("<head>"),
                      QStringLiteral("<meta charset=\"utf-8\">"),
                      QStringLiteral("<title>%1</title>").arg(escapedHeading),
                      QStringLiteral("<style>body { font-family: sans-serif; margin: 32px; "
                                     "color: #333; } h1 { color: #8b2e16; }</style>"),
                      QStringLiteral("</head>"),
                      QStringLiteral("<body>"),
                      QStringLiteral("<h1>%1</h1>").arg(escapedHeading)};
    for (const QString &paragraph : paragraphs)
        lines << QStringLiteral("<p>%1</p>").arg(paragraph);
    lines << QStringLiteral("</body>") << QStringLiteral("</html>");
    return crLfText(lines);
}
