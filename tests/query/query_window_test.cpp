#include "common/endpoints.h"
#include "common/msgbox.h"
#include "common/program_folder.h"
#include "common/program_identity.h"
#include "common/temp_folder.h"
#include "common/twips.h"
#include "query/browser.h"
#include "query/browser_page.h"
#include "query/form1.h"
#include "tests/support/effects.h"
#include "tests/support/test_environment.h"
#include "tests/support/user_view.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

#include <memory>

namespace {

const QString kListFile = QStringLiteral("QQ731508264.vemo");
constexpr int kDropDownLimit = 32767; // entry positions of the drop-down are 16-bit
QByteArray gbk(const QString &text)
{
    return QStringEncoder("GBK").encode(text);
}

const QByteArray kVersionPage = ("\r\nRavoskel\r\n" + kProgramTitle + "\r\n").toLatin1();

// A query window in a fresh program folder (the working folder, as when the program is
// started from its own folder), its outside addresses pointing at the site on loopback.
class QueryWindow : public SiteFolders {
protected:
    QueryWindow()
        : m_programFolder(programFolderSeam(), workingFolder())
    {
    }
    // Creates the window, runs its load and shows it, as the program does at start.
    Form1 &open()
    {
        window = std::make_unique<Form1>();
        QObject::connect(window.get(), &Form1::supportWindowRequested,
                         [this] { recorded.effects << QStringLiteral("support window"); });
        window->Form_Load();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }
    template <typename Control = QWidget> Control *control(const QString &name) const
    {
        return window->findChild<Control *>(name);
    }
    void click(const QString &name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    QComboBox *titleBox() const { return control<QComboBox>(QStringLiteral("Combo1")); }
    QByteArray listFile() const { return fileBytes(workingFile(kListFile)); }
    // Waits until the result browser has finished a page and returns its text.
    QString resultPageText() const
    {
        auto *browser = control<Browser>(QStringLiteral("WebBrowser1"));
        QSignalSpy completed(browser, &Browser::DocumentComplete);
        EXPECT_TRUE(completed.wait(60000));
        QString text;
        browser->page()->toPlainText([&](const QString &plain) { text = plain; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return !text.isNull(); }, 30000));
        return text;
    }

    const ScopedOverride<QString> m_programFolder;
    RecordedEffects recorded;
    std::unique_ptr<Form1> window;
};

TEST_F(QueryWindow, FirstStartBuildsTheWindowAsDrawnAndCreatesAnEmptyList)
{
    Form1 &form = open();
    expectSeenAs(form, {{"Combo1", {104, 11, 129, 22}, QStringLiteral("作者QQ:731508264")},
                        {"Command1", {240, 8, 65, 28}, QStringLiteral("查询更新")},
                        {"Command2", {312, 8, 65, 28}, QStringLiteral("删除记录")},
                        {"Command3", {384, 8, 89, 28}, QStringLiteral("自动检查更新")},
                        {"Frame1", {8, 40, 809, 449}, QStringLiteral("最新更新信息")},
                        {"Label5", {280, 100, 113, 17}, QStringLiteral("下载软件最新版本:")},
                        {"Label8", {384, 100, 361, 17}, QStringLiteral("更新版本")}});
    EXPECT_TRUE(
        QRegularExpression("^Ravoskelv\\d+\\.\\d+\\.\\d+$").match(kProgramTitle).hasMatch());
    EXPECT_EQ(form.windowTitle(), kProgramTitle + QStringLiteral("---Vemo制作－QQ:731508264 微博") +
                                      endpointAddress(Endpoint::MicroblogPage) +
                                      QStringLiteral(" 博客") +
                                      endpointAddress(Endpoint::BlogPage));
    EXPECT_EQ(form.minimumSize(), twipsRect(0, 0, 12405, 7530).size());
    EXPECT_EQ(form.maximumSize(), form.minimumSize());
    EXPECT_EQ(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
              Qt::WindowMinimizeButtonHint);
    for (const char *link : {"Label4", "Label5", "Label6", "Label7", "Label8"})
        EXPECT_EQ(control(QLatin1String(link))->cursor().hotSpot(), QPoint(12, 1)) << link;
    EXPECT_EQ(control(QStringLiteral("Label3"))->cursor().shape(), Qt::ArrowCursor);
    // The long notice wraps onto the lines of its box instead of running out of it.
    auto *notice = control<QLabel>(QStringLiteral("Label3"));
    EXPECT_GT(inkRect(notice).height(), notice->fontMetrics().height());
    EXPECT_TRUE(control<Browser>(QStringLiteral("WebBrowser1"))->Silent());
    EXPECT_TRUE(control<Browser>(QStringLiteral("Web3"))->Silent());
    EXPECT_EQ(listFile(), QByteArray());
    EXPECT_TRUE(QFile::exists(workingFile(kListFile)));
    // The design text, wider than the box, shows from its first character.
    EXPECT_EQ(titleBox()->currentText(), QStringLiteral("作者QQ:731508264"));
    EXPECT_EQ(titleBox()->lineEdit()->cursorPosition(), 0);
    EXPECT_EQ(recorded.effects, QStringList(QStringLiteral("support window")));
}

TEST_F(QueryWindow, TheNewestTitleIsShownAndQueriedOnceHalfASecondAfterStart)
{
    const QString second = QStringLiteral("B b, a title longer than the box is wide");
    writeWorkingFile(kListFile, "\xD0\xA3\xBB\xA8\r\n" + second.toLatin1() +
                                    "\r\nC"); // the last line hand-edited
    QSignalSpy searches(&site, &ReferenceSite::searchRequested);
    open();
    ASSERT_EQ(titleBox()->count(), 3);
    EXPECT_EQ(titleBox()->itemText(1), second);
    EXPECT_EQ(titleBox()->currentText(), QStringLiteral("校花"));
    EXPECT_EQ(titleBox()->lineEdit()->cursorPosition(), 0);
    ASSERT_TRUE(searches.wait(30000));
    EXPECT_EQ(searches.first().at(0).toString(), QStringLiteral("校花"));
    EXPECT_TRUE(resultPageText().contains(QStringLiteral("《校花》")));
    // The panel of labels hides the top of the page: left of its labels, it shows its colour.
    const QImage seen = window->grab().toImage();
    const QRect panel = placeInWindow(Form1::design(), QStringLiteral("Picture1"));
    const QRect leftOfLabels(panel.topLeft(), QSize(15, panel.height()));
    EXPECT_EQ(inkRect(seen, leftOfLabels, window->palette().color(QPalette::Window).rgb()),
              QRect());
    EXPECT_FALSE(control<QTimer>(QStringLiteral("Timer2"))->isActive());
    EXPECT_EQ(site.searchRequestCount(QStringLiteral("校花")), 1);
    EXPECT_EQ(recorded.effects, QStringList(QStringLiteral("support window"))) << "no purge";
    // A title picked from the list shows from its first character as well.
    QTest::mouseClick(titleBox()->lineEdit(), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(titleBox()->currentText(), second);
    EXPECT_EQ(titleBox()->lineEdit()->cursorPosition(), 0);
}

TEST_F(QueryWindow, ATypedTitleIsRememberedPurgedAndQueriedAsTypedNeverCompletedFromTheList)
{
    writeWorkingFile(kListFile,
                     "Old\r\n\xD0\xA3\xBB\xA8 a&b#c+d%e \xCD\xEA\r\n"); // 校花 a&b#c+d%e 完
    QSignalSpy searches(&site, &ReferenceSite::searchRequested);
    open();
    ASSERT_TRUE(searches.wait(30000));
    resultPageText();
    searches.clear();

    const QString title = QStringLiteral("校花 A&B#C+D%E");
    typeOver(titleBox(), title);
    click(QStringLiteral("Command1"));
    EXPECT_EQ(listFile(), QByteArray("\xD0\xA3\xBB\xA8 A&B#C+D%E\r\nOld\r\n"
                                     "\xD0\xA3\xBB\xA8 a&b#c+d%e \xCD\xEA\r\n"));
    EXPECT_EQ(fileBytes(tempFilePath(kPurgeBatchFile)).count("\r\n"), 5);
    EXPECT_EQ(recorded.effects.last(), tempFilePath(kPurgeBatchFile));
    ASSERT_TRUE(searches.wait(30000));
    EXPECT_EQ(searches.first().at(0).toString(), title);
    EXPECT_EQ(searches.first().at(1).toByteArray(), QByteArray("%D0%A3%BB%A8%20A%26B%23C%2BD%25E"));
    EXPECT_TRUE(resultPageText().contains(title));
}

TEST_F(QueryWindow, EachQueryAsksTheSiteAfreshEvenForAPageItLetsBrowsersKeep)
{
    const QString first = QStringLiteral("青石巷的猫");
    const QString second = QStringLiteral("星河旧梦录");
    site.addNovel(first, {QStringLiteral("第一章 雨夜")});
    site.setFault(first, FaultMode::Cacheable);
    writeWorkingFile(kListFile, gbk(first + QStringLiteral("\r\n")));
    QSignalSpy searches(&site, &ReferenceSite::searchRequested);
    open();
    ASSERT_TRUE(searches.wait(30000));
    ASSERT_TRUE(resultPageText().contains(QStringLiteral("第一章 雨夜")));
    for (const QString &title : {second, first}) {
        const QString published = site.publishChapter(first);
        searches.clear();
        typeOver(titleBox(), title);
        click(QStringLiteral("Command1"));
        ASSERT_TRUE(searches.wait(30000)) << title.toStdString();
        EXPECT_EQ(searches.first().at(0).toString(), title);
        const QString page = resultPageText();
        EXPECT_EQ(page.contains(published), title == first) << page.toStdString();
    }
}

// What a script of the result page says, once the page has answered.
QVariant evaluatedInPage(QWebEnginePage *page, const QString &script)
{
    QVariant result;
    bool answered = false;
    page->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        answered = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, kPatienceMs));
    return result;
}

TEST_F(QueryWindow, APageThatAsksToStayOnceClickedIsLeftForTheNextQueryAndForItsLinks)
{
    const QString first = QStringLiteral("青石巷的猫");
    const QString second = QStringLiteral("星河旧梦录");
    site.setFault(first, FaultMode::AsksToStay);
    site.setFault(second, FaultMode::AsksToStay);
    writeWorkingFile(kListFile, "\xC7\xE0\xCA\xAF\xCF\xEF\xB5\xC4\xC3\xA8\r\n"); // 青石巷的猫
    QSignalSpy searches(&site, &ReferenceSite::searchRequested);
    open();
    ASSERT_TRUE(searches.wait(30000));
    ASSERT_TRUE(resultPageText().contains(first));
    auto *page = control<Browser>(QStringLiteral("WebBrowser1"))->page();
    QWidget *pageArea = control<QWebEngineView>(QStringLiteral("WebBrowser1"))->focusProxy();
    // A page may ask to stay only once the user has clicked in it: a click on its heading.
    const auto clickOn = [&](const QString &selector) {
        const QVariantList middle =
            evaluatedInPage(page, QStringLiteral("(function () {"
                                                 "  var r = document.querySelector('%1')"
                                                 "    .getBoundingClientRect();"
                                                 "  return [r.left + r.width / 2, "
                                                 "          r.top + r.height / 2];"
                                                 "})()")
                                      .arg(selector))
                .toList();
        ASSERT_EQ(middle.size(), 2);
        QTest::mouseClick(pageArea, Qt::LeftButton, {},
                          QPoint(qRound(middle[0].toDouble()), qRound(middle[1].toDouble())));
    };
    clickOn(QStringLiteral("h2"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return evaluatedInPage(page, QStringLiteral("navigator.userActivation.hasBeenActive"))
                .toBool();
        },
        kPatienceMs));

    searches.clear();
    typeOver(titleBox(), second);
    click(QStringLiteral("Command1"));
    ASSERT_TRUE(searches.wait(30000)) << "the query leaves the page";
    EXPECT_EQ(searches.first().at(0).toString(), second);
    ASSERT_TRUE(resultPageText().contains(second));

    // A link of such a page goes as well.
    QSignalSpy pages(&site, &ReferenceSite::pageRequested);
    clickOn(QStringLiteral("td.chapter a"));
    ASSERT_TRUE(pages.wait(30000)) << "the link leaves the page";
    EXPECT_TRUE(pages.first().at(0).toString().startsWith(QStringLiteral("/book/")));
}

TEST_F(QueryWindow, TitlesAreRememberedExactlyAsTypedAndDeletedFromTheFileOnly)
{
    writeWorkingFile(kListFile, "AB\r\nABC\r\nB b\r\nAB\r\n");
    open();
    // Opening the drop-down to look through the list is not leaving the box.
    typeOver(titleBox(), QStringLiteral("ab"));
    QTest::keyClick(titleBox(), Qt::Key_F4);
    ASSERT_TRUE(QTest::qWaitFor([this] { return titleBox()->view()->isVisible(); }));
    EXPECT_EQ(listFile(), QByteArray("AB\r\nABC\r\nB b\r\nAB\r\n"));
    QTest::keyClick(titleBox()->view(), Qt::Key_Escape);
    // Leaving the box remembers what it holds: letter case and blanks count, nothing empty.
    for (const QString typed : {"ab", "B b", "", "AB "}) {
        typeOver(titleBox(), typed);
        QTest::keyClick(titleBox(), Qt::Key_Tab);
    }
    EXPECT_EQ(listFile(), QByteArray("AB \r\nab\r\nAB\r\nABC\r\nB b\r\nAB\r\n"));
    // Delete drops every line that is the title, leaves the drop-down alone until the next
    // start, and names the title; a title typed before the click is remembered first.
    QByteArray fileAtMessage;
    const ScopedOverride boxes(messageBoxSeam(), [&](const QString &text) {
        recorded.effects << text;
        fileAtMessage = listFile();
    });
    for (const QString typed : {"新书", "AB", ""}) {
        typeOver(titleBox(), typed);
        click(QStringLiteral("Command2"));
    }
    EXPECT_EQ(fileAtMessage, QByteArray("AB \r\nab\r\nABC\r\nB b\r\n"));
    EXPECT_EQ(titleBox()->count(), 7);
    // The drop-down keeps the deleted titles until the next start, but no add writes them back.
    typeOver(titleBox(), QStringLiteral("丁书"));
    QTest::keyClick(titleBox(), Qt::Key_Tab);
    EXPECT_EQ(listFile(), QByteArray("\xB6\xA1\xCA\xE9\r\nAB \r\nab\r\nABC\r\nB b\r\n"));
    QFile::remove(workingFile(kListFile));
    click(QStringLiteral("Command2"));
    EXPECT_FALSE(QFile::exists(workingFile(kListFile)));
    // With the file gone, the next add starts a new one.
    typeOver(titleBox(), QStringLiteral("X"));
    QTest::keyClick(titleBox(), Qt::Key_Tab);
    EXPECT_EQ(listFile(), QByteArray("X\r\n"));
    EXPECT_EQ(recorded.effects.mid(1),
              (QStringList{QStringLiteral("已删除记录【新书】重启软件后生效！！"),
                           QStringLiteral("已删除记录【AB】重启软件后生效！！"),
                           QStringLiteral("已删除记录【】重启软件后生效！！"),
                           QStringLiteral("记录文件QQ731508264.vemo不存在")}));
}

TEST_F(QueryWindow, AnAddKeepsTheTitlesAnotherCopyWroteToTheFileMeanwhile)
{
    writeWorkingFile(kListFile, gbk(QStringLiteral("甲书\r\n乙书\r\n")));
    open();
    writeWorkingFile(kListFile, gbk(QStringLiteral("别的书\r\n甲书\r\n乙书\r\n")));
    typeOver(titleBox(), QStringLiteral("新书"));
    QTest::keyClick(titleBox(), Qt::Key_Tab);
    EXPECT_EQ(listFile(), gbk(QStringLiteral("新书\r\n别的书\r\n甲书\r\n乙书\r\n")));
    // A title another copy added is put first again when this copy adds it too.
    typeOver(titleBox(), QStringLiteral("别的书"));
    QTest::keyClick(titleBox(), Qt::Key_Tab);
    EXPECT_EQ(listFile(), gbk(QStringLiteral("别的书\r\n新书\r\n甲书\r\n乙书\r\n")));
    EXPECT_EQ(titleBox()->count(), 4) << "the drop-down follows at the next start";
}

TEST_F(QueryWindow, APastedLineBreakEndsWhatGoesIntoTheTitleBoxAsInAWindowsOneLineBox)
{
    // A title once pasted with its line break, as the list of an older run may hold it.
    writeWorkingFile(kListFile, gbk(QStringLiteral("斗罗大陆\n\r\n")));
    open();
    EXPECT_EQ(titleBox()->currentText(), QStringLiteral("斗罗大陆"));
    typeOver(titleBox(), QString());
    pasteText(titleBox(), QStringLiteral("斗破苍穹\n"));
    EXPECT_EQ(titleBox()->currentText(), QStringLiteral("斗破苍穹"));
    QTest::keyClick(titleBox(), Qt::Key_Tab);
    // Pasted amid the text, only the first line goes in, and the text after the cursor stays.
    QTest::mouseClick(titleBox()->lineEdit(), Qt::LeftButton);
    QTest::keyClick(titleBox()->lineEdit(), Qt::Key_Home);
    pasteText(titleBox(), QStringLiteral("新\r\n第二行"));
    EXPECT_EQ(titleBox()->currentText(), QStringLiteral("新斗破苍穹"));
    QTest::keyClick(titleBox(), Qt::Key_Tab);
    EXPECT_EQ(listFile(), gbk(QStringLiteral("新斗破苍穹\r\n斗破苍穹\r\n斗罗大陆\n\r\n")));
}

TEST_F(QueryWindow, AButtonWithTheFocusIsPressedByEnterAndByKeypadEnterAsBySpace)
{
    writeWorkingFile(kListFile, "AB\r\n");
    open();
    QSignalSpy monitorRequests(window.get(), &Form1::monitorRequested);
    QTest::mouseClick(titleBox()->lineEdit(), Qt::LeftButton);
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control(QStringLiteral("Command2")));
    press(Qt::Key_Return);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    press(Qt::Key_Space);
    EXPECT_EQ(recorded.effects.mid(1),
              QStringList(3, QStringLiteral("已删除记录【AB】重启软件后生效！！")));
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control(QStringLiteral("Command3")));
    press(Qt::Key_Return);
    EXPECT_EQ(monitorRequests.count(), 1);
    for (int hiddenBoxes = 0; hiddenBoxes <= 4; ++hiddenBoxes)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control(QStringLiteral("Command1")));
    press(Qt::Key_Return);
    EXPECT_EQ(recorded.effects.last(), tempFilePath(kPurgeBatchFile)) << "查询更新 purges";
}

TEST_F(QueryWindow, TabGoesFromTheTitleBoxToDeleteThenOnInTheWindowsOrder)
{
    open();
    resultPageText(); // the result browser takes the focus only once it shows a page
    QTest::mouseClick(titleBox()->lineEdit(), Qt::LeftButton);
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        while (focus->objectName().isEmpty())
            focus = focus->parentWidget();
        visited << focus->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"Command2", "Command3", "Text1", "Text2", "Text3", "Text4",
                                    "Command1", "WebBrowser1"}));
}

TEST_F(QueryWindow, AListLongerThanTheDropDownKeepsEveryTitleWhenOneIsAdded)
{
    QByteArray file;
    for (int i = 0; i < kDropDownLimit + 3; ++i)
        file += "T" + QByteArray::number(i) + "\r\n";
    writeWorkingFile(kListFile, file);
    open();
    typeOver(titleBox(), QStringLiteral("new"));
    QTest::keyClick(titleBox(), Qt::Key_Tab);
    EXPECT_EQ(listFile(), "new\r\n" + file);
    EXPECT_EQ(titleBox()->count(), kDropDownLimit);
}

TEST_F(QueryWindow, TheLinksOpenTheirPagesAndTwoLabelsCycleTheirColoursEverySecond)
{
    open();
    // A double click opens a page once; a click after it opens it again.
    for (const char *link : {"Label4", "Label5", "Label6", "Label7", "Label8"}) {
        QTest::mouseClick(control(QLatin1String(link)), Qt::RightButton, {}, QPoint(2, 2));
        doubleClick(control(QLatin1String(link)), QPoint(2, 2));
    }
    QTest::mouseClick(control(QStringLiteral("Label4")), Qt::LeftButton, {}, QPoint(2, 2));
    const QString browserProgram =
        QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe ");
    const QString shopping = QStringLiteral("explorer ") + endpointAddress(Endpoint::ShoppingOffer);
    const QString download = QStringLiteral("explorer ") + endpointAddress(Endpoint::DownloadPage);
    EXPECT_EQ(
        recorded.effects.mid(1),
        (QStringList{shopping, download, browserProgram + endpointAddress(Endpoint::AntivirusOffer),
                     browserProgram + endpointAddress(Endpoint::TvOffer), download, shopping}));

    const auto colour = [this](const char *name) {
        return control(QLatin1String(name))->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(colour("Label4"), QColor(255, 0, 0));
    EXPECT_EQ(colour("Label7"), QColor(0, 0, 255));
    const QColor magenta(128, 0, 128), yellow(128, 128, 0), blue(0, 0, 255), red(255, 0, 0);
    const std::pair<QColor, QColor> ticks[] = {
        {magenta, yellow}, {yellow, blue}, {blue, magenta}, {red, red}, {magenta, yellow}};
    QSignalSpy second(control<QTimer>(QStringLiteral("Timer1")), &QTimer::timeout);
    for (const auto &[label4, label6] : ticks) {
        ASSERT_TRUE(second.wait(2000));
        EXPECT_EQ(colour("Label4"), label4);
        EXPECT_EQ(colour("Label6"), label6);
    }
}

TEST_F(QueryWindow, ANewerVersionIsAnnouncedBeforeTheSupportWindowAndShownAsPlainText)
{
    writeWorkingFile(QStringLiteral("version1.ini"), shippedVersionFile());
    writeWorkingFile(QStringLiteral("version.ini"),
                     ("\r\nRavoskel\r\n" + kProgramTitle.toUpper() + "\r\n").toLatin1());
    open();
    EXPECT_EQ(recorded.effects, QStringList(QStringLiteral("support window"))) << "letter case";
    writeWorkingFile(QStringLiteral("version.ini"), "\r\nRavoskel\r\n<b>v1.4</b>\r\n");
    recorded.effects.clear();
    open();
    ASSERT_EQ(recorded.effects.size(), 2);
    EXPECT_TRUE(
        recorded.effects.first().startsWith(QStringLiteral("Ravoskel已有新的版本，去博客")));
    auto *label8 = control<QLabel>(QStringLiteral("Label8"));
    EXPECT_EQ(label8->text(), QStringLiteral("<b>v1.4</b>"));
    // Shown without the shipped file too, and as it stands, drawn from the top of its box.
    QFile::remove(workingFile(QStringLiteral("version1.ini")));
    writeWorkingFile(QStringLiteral("version.ini"), "\r\nRavoskel\r\n<b></b>\r\n");
    open();
    EXPECT_FALSE(inkRect(control(QStringLiteral("Label8"))).isEmpty());
    EXPECT_LE(inkRect(control(QStringLiteral("Label2"))).top(), 3);
}

class VersionRun : public QueryWindow {
protected:
    // One run of the program: its load, and the version page loaded by the hidden browser.
    void runOnce()
    {
        open();
        auto *web3 = control<Browser>(QStringLiteral("Web3"));
        QSignalSpy completed(web3, &Browser::DocumentComplete);
        ASSERT_TRUE(completed.wait(60000));
        // Scripts answer in turn: once this one has, the window's reading has answered too.
        bool answered = false;
        web3->page()->runJavaScript(QStringLiteral("0"),
                                    [&](const QVariant &) { answered = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return answered; }, 30000));
    }
    QByteArray versionIni() const { return fileBytes(workingFile(QStringLiteral("version.ini"))); }
};

TEST_F(VersionRun, TheVersionPageSeenDuringARunSpeaksAtTheNextStart)
{
    writeWorkingFile(QStringLiteral("version1.ini"), shippedVersionFile());
    site.setVersionText(QStringLiteral("Ravoskelv1.4.0"));
    runOnce();
    ASSERT_TRUE(QTest::qWaitFor([&] { return versionIni().contains("1.4.0"); }));
    EXPECT_EQ(versionIni().split('\n').value(2), QByteArray("Ravoskelv1.4.0\r"));
    EXPECT_EQ(recorded.effects.size(), 1) << "the page seen during a run speaks at the next start";
    open();
    EXPECT_TRUE(recorded.effects.contains(
        QStringLiteral("Ravoskel已有新的版本，去博客") + endpointAddress(Endpoint::BlogPage) +
        QStringLiteral("或作者QQ空间") + endpointAddress(Endpoint::PersonalPage) +
        QStringLiteral("下载最新版本，可获得更多的功能！！")));
}

TEST_F(VersionRun, ARunThatCouldNotReadTheVersionPageLeavesTheSavedVersionAsItWas)
{
    writeWorkingFile(QStringLiteral("version.ini"), kVersionPage);
    site.setFault(FaultMode::Refuse);
    runOnce();
    site.setFault(FaultMode::None);
    // The page loads, but its own script breaks what the element texts are read with.
    site.setVersionPageScript(QStringLiteral("Array.prototype.map = function () { throw 1; };"));
    runOnce();
    EXPECT_EQ(versionIni(), kVersionPage);
}

} // namespace
