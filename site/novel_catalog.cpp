#include "site/novel_catalog.h"

#include <algorithm>
#include <array>

namespace {

const std::array<const char16_t *, 16> kSubtitles{
    u"夜色",     u"初遇",     u"风起云涌", u"旧友重逢", u"雨巷", u"暗中追踪",
    u"转机",     u"归来",     u"暗流涌动", u"正面交锋", u"破局", u"黎明之前",
    u"天台的约", u"意外来客", u"真相一角", u"灯火阑珊",
};

struct DefaultNovel {
    const char16_t *title;
    int chapterCount;
};

const std::array<DefaultNovel, 5> kDefaultNovels{{
    {u"校花的贴身高手", 128},
    {u"杀手房东俏房客", 56},
    {u"星河旧梦录", 311},
    {u"青石巷的猫", 9},
    {u"剑影照寒州", 1024},
}};

QStringList numberedChapters(int count)
{
    QStringList chapters;
    chapters.reserve(count);
    for (int number = 1; number <= count; ++number)
        chapters << numberedChapterName(number);
    return chapters;
}

} // namespace

QString numberedChapterName(int number)
{
    const auto subtitle = QString::fromUtf16(kSubtitles.at((number - 1) % kSubtitles.size()));
    return QStringLiteral("第%1章 %2").arg(number).arg(subtitle);
}

NovelCatalog NovelCatalog::withDefaultNovels()
{
    NovelCatalog catalog;
    for (const DefaultNovel &novel : kDefaultNovels)
        catalog.addNovel(QString::fromUtf16(novel.title), numberedChapters(novel.chapterCount));
    return catalog;
}

void NovelCatalog::addNovel(const QString &title, const QStringList &chapters)
{
    novelNamed(title).chapters = chapters;
}

QString NovelCatalog::publishChapter(const QString &title)
{
    Novel &novel = novelNamed(title);
    const QString chapter = numberedChapterName(int(novel.chapters.size()) + 1);
    novel.chapters << chapter;
    return chapter;
}

qsizetype NovelCatalog::indexOf(const QString &title) const
{
    const auto match = std::find_if(m_novels.cbegin(), m_novels.cend(),
                                    [&title](const Novel &novel) { return novel.title == title; });
    return match == m_novels.cend() ? -1 : match - m_novels.cbegin();
}

const Novel *NovelCatalog::find(const QString &title) const
{
    const qsizetype index = indexOf(title);
    return index < 0 ? nullptr : &m_novels.at(index);
}

Novel &NovelCatalog::novelNamed(const QString &title)
{
    qsizetype index = indexOf(title);
    if (index < 0) {
        m_novels.append(Novel{title, {}, int(m_novels.size()) + 1});
        index = m_novels.size() - 1;
    }
    return m_novels[index];
}
