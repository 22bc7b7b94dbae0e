#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct Novel {
    QString title;
    QStringList chapters; // oldest first
    int bookNumber = 0;   // 1-based, used in the chapter links
};

// The novels the reference site knows, each with its chapters in publishing order.
class NovelCatalog {
public:
    static NovelCatalog withDefaultNovels();

    // Replaces the chapters of a novel already known.
    void addNovel(const QString &title, const QStringList &chapters);
    // Appends the next numbered chapter, adding the novel first if it is new.
    QString publishChapter(const QString &title);
    const Novel *find(const QString &title) const;

private:
    qsizetype indexOf(const QString &title) const; // -1 when unknown
    Novel &novelNamed(const QString &title);

    QList<Novel> m_novels;
};

// "第<number>章 <subtitle>", the subtitle drawn from a small fixed pool.
QString numberedChapterName(int number);
