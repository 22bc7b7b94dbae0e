#include "query/version_check.h"

#include "common/line_model.h"
#include "common/text_file.h"

#include <QFileInfo>

namespace {

std::optional<QString> lineOfFile(const QString &fileName, int index)
{
    if (!QFileInfo(fileName).isFile())
        return std::nullopt;
    const QStringList lines = splitLines(LoadTextFile(fileName));
    if (index >= lines.size())
        return std::nullopt;
    return lines.at(index);
}

} // namespace

std::optional<QString> ownVersionText()
{
    return lineOfFile(kShippedVersionFile, 1);
}

std::optional<QString> newestVersionText()
{
    return lineOfFile(kSavedVersionFile, 2);
}

bool announcesNewVersion(const QString &own, const QString &newest)
{
    return own.toLower() != newest.toLower();
}

QString savedVersionText(const QStringList &elementTexts)
{
    QString text;
    for (const QString &elementText : elementTexts)
        text += kLineEnd + elementText;
    return text;
}

QString newVersionMessage(const QString &blogAddress, const QString &personalAddress)
{
    return QStringLiteral("Ravoskel已有新的版本，去博客") + blogAddress +
           QStringLiteral("或作者QQ空间") + personalAddress +
           QStringLiteral("下载最新版本，可获得更多的功能！！");
}
