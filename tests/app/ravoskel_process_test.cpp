#include "common/program_identity.h"
#include "common/settings_store.h"
#include "common/temp_folder.h"
#include "monitor/form3.h"
#include "query/form1.h"
#include "query/title_list.h"
#include "tests/support/test_environment.h"
#include "tests/support/user_view.h"
#include "tests/support/x11_window.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

namespace {

const QString kQueryCaption = "^" + QRegularExpression::escape(kProgramTitle) + "---";
// The main program's message boxes carry its title alone.
const QString kBoxCaption = "^" + QRegularExpression::escape(kProgramTitle) + "$";

// The real main program, in a program folder of its own, its site on loopback.
class RavoskelProcess : public SiteFolders {
protected:
    ~RavoskelProcess() override
    {
        for (QProcess *copy : {&ravoskel, &secondCopy}) {
            copy->kill();
            copy->waitForFinished();
        }
    }
    // Starts a copy of the program from the program folder, copying it there first.
    void start(QProcess &copy)
    {
        for (const QString &name :
             {kProgramTitle, QStringLiteral("version1.ini"), QStringLiteral("version.ini")}) {
            if (QFile::exists(workingFile(name)))
                continue;
            ASSERT_TRUE(QFile::copy(QDir(programFolder()).filePath(name), workingFile(name)));
        }
        copy.setWorkingDirectory(workingFolder());
        copy.start(workingFile(kProgramTitle), {});
    }
    void start() { start(ravoskel); }
    QByteArray titleList() const { return fileBytes(workingFile(kTitleListFile)); }

    QProcess ravoskel;
    QProcess secondCopy;
};

QByteArray gbk(const QString &text)
{
    return QStringEncoder("GBK").encode(text);
}

void clickControl(const X11Window &window, const QString &name)
{
    window.click(placeInWindow(Form1::design(), name).center());
}

// Types the title over what the query window's title box holds, as a user does.
void typeTitle(const X11Window &query, const QString &title)
{
    query.activate();
    clickControl(query, QStringLiteral("Combo1"));
    query.pressKey(QStringLiteral("ctrl+a"));
    query.typeText(title);
}

TEST_F(RavoskelProcess, AFailingHandlerShowsOneBoxWithNothingRunningBehindItThenEndsTheProgram)
{
    writeSetting(QStringLiteral("Settings"), QStringLiteral("2.vemo"), QStringLiteral("1000"));
    // The page hand-off file cannot be written: a folder has its name.
    ASSERT_TRUE(QDir().mkpath(tempFilePath(kPageHandoffFile)));
    start();
    X11Window::awaitCaption(kQueryCaption, kPatienceMs)
        .click(placeInWindow(Form1::design(), QStringLiteral("Command3")).center());
    X11Window::awaitCaption(QStringLiteral("^自动检测小说更新"), kPatienceMs)
        .click(placeInWindow(Form3::design(), QStringLiteral("Command1")).center());

    const X11Window box = X11Window::awaitCaption(kBoxCaption, kPatienceMs);
    ASSERT_TRUE(box.isValid());
    // With the monitor polling every second, anything running behind the box would show.
    const QString novel = QStringLiteral("校花的贴身高手");
    const int searches = site.searchRequestCount(novel);
    EXPECT_FALSE(QTest::qWaitFor(
        [&] {
            return site.searchRequestCount(novel) > searches ||
                   X11Window::countWithCaption(kBoxCaption) > 1;
        },
        3000));
    box.pressKey(QStringLiteral("Return"));
    ASSERT_TRUE(ravoskel.waitForFinished(kPatienceMs));
    EXPECT_EQ(ravoskel.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(ravoskel.exitCode(), 0);
}

TEST_F(RavoskelProcess, TheSupportWindowKeepsTheProgramRunningUntilItIsClosed)
{
    start();
    const QString supportCaption = QStringLiteral("^支持作者并关注以后更新$");
    const X11Window support = X11Window::awaitCaption(supportCaption, kPatienceMs);
    const X11Window query = X11Window::awaitCaption(kQueryCaption, kPatienceMs);
    ASSERT_TRUE(support.isValid() && query.isValid());
    EXPECT_TRUE(support.states().contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    EXPECT_TRUE(QFile::exists(workingFile(QStringLiteral("QQ731508264.vemo"))));

    query.requestClose();
    ASSERT_TRUE(X11Window::awaitNoCaption(kQueryCaption, kPatienceMs));
    EXPECT_EQ(ravoskel.state(), QProcess::Running);
    support.requestClose();
    ASSERT_TRUE(ravoskel.waitForFinished(kPatienceMs));
    EXPECT_EQ(ravoskel.exitCode(), 0);
}

TEST_F(RavoskelProcess, TwoCopiesFromOneFolderEachAddATitleAndTheListKeepsBoth)
{
    writeWorkingFile(kTitleListFile, gbk(QStringLiteral("甲书\r\n乙书\r\n")));
    start();
    const X11Window first = X11Window::awaitCaption(kQueryCaption, kPatienceMs);
    ASSERT_TRUE(first.isValid());
    start(secondCopy); // as a click on the popup's red line starts it
    const X11Window second = X11Window::awaitAnother(kQueryCaption, {first}, kPatienceMs);
    ASSERT_TRUE(second.isValid());

    typeTitle(second, QStringLiteral("Second Copy Book"));
    second.pressKey(QStringLiteral("Tab"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return titleList().startsWith("Second Copy Book\r\n"); },
                                kPatienceMs));
    typeTitle(first, QStringLiteral("First Copy Book"));
    first.pressKey(QStringLiteral("Tab"));
    const QByteArray both =
        "First Copy Book\r\nSecond Copy Book\r\n" + gbk(QStringLiteral("甲书\r\n乙书\r\n"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return titleList() == both; }, kPatienceMs))
        << titleList().toStdString();
}

TEST_F(RavoskelProcess, ATitleTypedAsMarkupShowsInTheDeleteMessageAsTyped)
{
    start();
    const X11Window query = X11Window::awaitCaption(kQueryCaption, kPatienceMs);
    ASSERT_TRUE(query.isValid());
    // The size of the box that names the title, as the user sees it come up.
    const auto deleteMessageFor = [&](const QString &title) {
        typeTitle(query, title);
        clickControl(query, QStringLiteral("Command2"));
        const X11Window box = X11Window::awaitCaption(kBoxCaption, kPatienceMs);
        const QSize size = box.outerRect().size();
        box.pressKey(QStringLiteral("Return"));
        EXPECT_TRUE(X11Window::awaitNoCaption(kBoxCaption, kPatienceMs));
        return size;
    };
    const QSize plain = deleteMessageFor(QStringLiteral("Big"));
    const QSize markup = deleteMessageFor(QStringLiteral("<h1>Big</h1>"));
    ASSERT_TRUE(plain.isValid());
    // Read as markup, the text would stand on three lines around a heading.
    EXPECT_EQ(markup.height(), plain.height());
    EXPECT_GT(markup.width(), plain.width());
}

} // namespace
