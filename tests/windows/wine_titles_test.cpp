#include "monitor/form3.h"
#include "query/form1.h"
#include "query/title_list.h"
#include "tests/support/test_environment.h"
#include "tests/support/x11_window.h"
#include "tests/windows/wine_session.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// Titles as a user of the Windows programs gives them: typed, or pasted from a web page, in
// two copies of the main program at once.
class WineTitles : public WineSession {
protected:
    QByteArray titleList() const { return fileBytes(prefix.programFile(kTitleListFile)); }
    // Clicks into the title box and selects what it holds, to type or paste over it.
    static void selectTitleBox(const X11Window &query)
    {
        query.activate();
        clickControl(query, Form1::design(), QStringLiteral("Combo1"));
        query.pressKey(QStringLiteral("ctrl+a"));
    }
    void addTitle(const X11Window &query, const QString &title) const
    {
        selectTitleBox(query);
        query.typeText(title);
        query.pressKey(QStringLiteral("Tab"));
    }
    void TearDown() override
    {
        WineSession::TearDown();
        secondCopy.waitForFinished(kPatienceMs);
    }
    // The query window of the main program, started as a shortcut starts it.
    X11Window startQueryWindow()
    {
        prefix.start(program, kProgramTitle + QStringLiteral(".exe"));
        return X11Window::awaitCaption(kQueryCaption, kPatienceMs);
    }

    QProcess secondCopy;
};

TEST_F(WineTitles, TwoCopiesEachAddATitleAndTheListKeepsBoth)
{
    QFile list(prefix.programFile(kTitleListFile));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(gbk(QStringLiteral("甲书\r\n乙书\r\n")));
    list.close();
    const X11Window first = startQueryWindow();
    ASSERT_TRUE(first.isValid());
    prefix.start(secondCopy, kProgramTitle + QStringLiteral(".exe"));
    const X11Window second = X11Window::awaitAnother(kQueryCaption, {first}, kPatienceMs);
    ASSERT_TRUE(second.isValid());

    addTitle(second, QStringLiteral("Second Copy Book"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return titleList().startsWith("Second Copy Book\r\n"); },
                                kPatienceMs));
    addTitle(first, QStringLiteral("First Copy Book"));
    const QByteArray both =
        "First Copy Book\r\nSecond Copy Book\r\n" + gbk(QStringLiteral("甲书\r\n乙书\r\n"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return titleList() == both; }, kPatienceMs))
        << titleList().toStdString();
}

// Wine takes the clipboard anew only when another program owns it, so each test pastes once.
TEST_F(WineTitles, APastedLineBreakStaysOutOfTheTitleAndTheList)
{
    const X11Window query = startQueryWindow();
    ASSERT_TRUE(query.isValid());
    selectTitleBox(query);
    ASSERT_TRUE(pasteInto(query, QStringLiteral("斗罗大陆\n")));
    query.pressKey(QStringLiteral("Tab"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return titleList() == gbk(QStringLiteral("斗罗大陆\r\n")); },
                                kPatienceMs))
        << titleList().toHex().toStdString();
}

TEST_F(WineTitles, APastedLineBreakStaysOutOfTheNovelTheMonitorSearchesFor)
{
    const X11Window query = startQueryWindow();
    ASSERT_TRUE(query.isValid());
    clickControl(query, Form1::design(), QStringLiteral("Command3"));
    const X11Window monitor = X11Window::awaitCaption(kMonitorCaption, kPatienceMs);
    ASSERT_TRUE(monitor.isValid());
    const QString novel = QStringLiteral("校花的贴身高手");
    clickControl(monitor, Form3::design(), QStringLiteral("Text1"));
    monitor.pressKey(QStringLiteral("ctrl+a"));
    ASSERT_TRUE(pasteInto(monitor, novel + QStringLiteral("\r\n")));
    clickControl(monitor, Form3::design(), QStringLiteral("Text5"));
    monitor.pressKey(QStringLiteral("ctrl+a"));
    monitor.typeText(QStringLiteral("1000"));
    const int searches = site.searchRequestCount(novel);
    clickControl(monitor, Form3::design(), QStringLiteral("Command1"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return site.searchRequestCount(novel) > searches; }, kPatienceMs))
        << "the monitor asks for the novel, no line break after it";
}

} // namespace
