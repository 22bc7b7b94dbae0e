#include "browser.h"
#include "click_label.h"
#include "endpoints.h"
#include "msgbox.h"
#include "query_window_fixture.h"
#include "twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

namespace {

struct ControlDesign {
    const char *name;
    const char *kind;
    const char *container;
    QRect twips;
    QString text;
};

QString widgetText(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->text();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    return QString();
}

TEST_F(QueryWindowTest, EveryControlStandsWhereTheDesignPutsItWithItsText)
{
    Form1 window;
    const ControlDesign design[] = {
        {"Label1", "QLabel", "Form1", {360, 240, 1335, 255}, QStringLiteral("电子书名字:")},
        {"Combo1",
         "QComboBox",
         "Form1",
         {1560, 160, 1935, 330},
         QStringLiteral("作者QQ:731508264")},
        {"Command1", "QPushButton", "Form1", {3600, 120, 975, 420}, QStringLiteral("查询更新")},
        {"Command2", "QPushButton", "Form1", {4680, 120, 975, 420}, QStringLiteral("删除记录")},
        {"Command3",
         "QPushButton",
         "Form1",
         {5760, 120, 1335, 420},
         QStringLiteral("自动检查更新")},
        {"Label4",
         "ClickLabel",
         "Form1",
         {7440, 240, 7335, 255},
         QStringLiteral("淘宝购物品牌商品折上打折！只有你想不到，没有你淘不到")},
        {"Frame1", "QGroupBox", "Form1", {120, 600, 12135, 6735}, QStringLiteral("最新更新信息")},
        {"WebBrowser1View", "QWebEngineView", "Frame1", {120, 240, 11895, 6375}, QString()},
        {"Picture1", "QWidget", "Form1", {240, 840, 11630, 1455}, QString()},
        {"Label5",
         "ClickLabel",
         "Picture1",
         {3960, 660, 1695, 255},
         QStringLiteral("下载软件最新版本:")},
        {"Label8", "ClickLabel", "Picture1", {5520, 660, 5415, 255}, QStringLiteral("更新版本")},
        {"Label6",
         "ClickLabel",
         "Picture1",
         {240, 960, 5175, 255},
         QStringLiteral("马上安装新毒霸(安全上网，网购盗号不用怕，被盗毒霸赔你钱)")},
        {"Label7",
         "ClickLabel",
         "Picture1",
         {5520, 960, 5895, 255},
         QStringLiteral("PPTV网络电视(大家都在用！看直播，看电影，看电视，稳定，快速不卡)")},
        {"Label2", "QLabel", "Form1", {6480, 1560, 2535, 1575}, QStringLiteral("Label2")},
        {"Text1", "QLineEdit", "Form1", {13080, 2040, 255, 375}, QStringLiteral("Text1")},
        {"Text2", "QLineEdit", "Form1", {13440, 2520, 255, 375}, QStringLiteral("Text2")},
        {"Text3",
         "QLineEdit",
         "Form1",
         {12600, 2400, 255, 270},
         QStringLiteral(
             "del /s /q /f \"%userprofile%\\Local Settings\\Temporary Internet Files\\*.aspx\"")},
        {"Text4",
         "QLineEdit",
         "Form1",
         {12720, 2880, 180, 375},
         QStringLiteral(
             "del /s /q /f \"%userprofile%\\Local Settings\\Temporary Internet Files\\*.htm\"")},
    };
    for (const ControlDesign &c : design) {
        auto *widget = window.findChild<QWidget *>(QLatin1String(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_STREQ(widget->metaObject()->className(), c.kind) << c.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(c.container)) << c.name;
        EXPECT_EQ(widget->geometry(),
                  twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()))
            << c.name;
        EXPECT_EQ(widgetText(widget), c.text) << c.name;
    }
    EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("Label3"))
                    ->text()
                    .endsWith(QStringLiteral("[v1.3增加自动检测更新功能]")));
    EXPECT_NE(window.findChild<Browser *>(QStringLiteral("Web3")), nullptr);
}

TEST_F(QueryWindowTest, WindowCaptionBorderFontsColoursAndTimers)
{
    Form1 window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Ravoskelv1.3.6---Vemo制作－QQ:731508264 微博") +
                                        endpointAddress(Endpoint::MicroblogPage) +
                                        QStringLiteral(" 博客") +
                                        endpointAddress(Endpoint::BlogPage));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.size(), twipsRect(0, 0, 12405, 7530).size());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_DOUBLE_EQ(window.findChild<QLabel *>(QStringLiteral("Label1"))->font().pointSizeF(),
                     10.5);
    EXPECT_EQ(window.findChild<QComboBox *>(QStringLiteral("Combo1"))->font().family(),
              QStringLiteral("宋体"));
    const auto colour = [&](const char *name) {
        return window.findChild<QLabel *>(QLatin1String(name))
            ->palette()
            .color(QPalette::WindowText);
    };
    EXPECT_EQ(colour("Label4"), QColor(255, 0, 0));
    EXPECT_EQ(colour("Label5"), QColor(255, 0, 0));
    EXPECT_EQ(colour("Label8"), QColor(255, 0, 0));
    EXPECT_EQ(colour("Label7"), QColor(0, 0, 255));
    for (const char *link : {"Label4", "Label5", "Label6", "Label7", "Label8"})
        EXPECT_EQ(window.findChild<QLabel *>(QLatin1String(link))->cursor().hotSpot(),
                  QPoint(12, 1))
            << link;
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label3"))->cursor().shape(),
              Qt::ArrowCursor);
    EXPECT_EQ(window.findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 1000);
    EXPECT_EQ(window.findChild<QTimer *>(QStringLiteral("Timer2"))->interval(), 500);
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label4"))->property("TabIndex").toInt(),
              7);
    EXPECT_EQ(window.findChild<Browser *>(QStringLiteral("Web3"))->property("TabIndex").toInt(),
              19);
}

TEST_F(QueryWindowTest, FirstStartCreatesAnEmptyListAndKeepsTheDesignText)
{
    openWindow();
    EXPECT_EQ(fileBytes(workingFile(QStringLiteral("QQ731508264.vemo"))), QByteArray());
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->currentText(),
              QStringLiteral("作者QQ:731508264"));
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->count(), 0);
    EXPECT_TRUE(control<Browser>(QStringLiteral("WebBrowser1"))->Silent());
    EXPECT_TRUE(control<Browser>(QStringLiteral("Web3"))->Silent());
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(QueryWindowTest, StartShowsTheRememberedTitlesInFileOrderAndTheNewestInTheBox)
{
    writeListFile("\xD0\xA3\xBB\xA8\xB5\xC4\xCC\xF9\xC9\xED\xB8\xDF\xCA\xD6\r\nB b\r\nC\r\n");
    openWindow();
    auto *combo = control<QComboBox>(QStringLiteral("Combo1"));
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("校花的贴身高手"));
    EXPECT_EQ(combo->itemText(1), QStringLiteral("B b"));
    EXPECT_EQ(combo->itemText(2), QStringLiteral("C"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("校花的贴身高手"));
}

TEST_F(QueryWindowTest, LeavingTheBoxRemembersANewTitleFirstInTheFile)
{
    writeListFile("A\r\nB\r\n");
    Form1 &window = openWindow();
    auto *combo = control<QComboBox>(QStringLiteral("Combo1"));
    combo->setEditText(QStringLiteral("a"));
    window.Combo1_LostFocus();
    combo->setEditText(QStringLiteral("B"));
    window.Combo1_LostFocus();
    combo->setEditText(QString());
    window.Combo1_LostFocus();
    EXPECT_EQ(fileBytes(workingFile(QStringLiteral("QQ731508264.vemo"))),
              QByteArray("a\r\nA\r\nB\r\n"));
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("a"));
}

TEST_F(QueryWindowTest, DeleteRewritesTheFileAndNamesTheTitleButLeavesTheBox)
{
    writeListFile("AB\r\nABC\r\nAB\r\nX\r\n");
    Form1 &window = openWindow();
    auto *combo = control<QComboBox>(QStringLiteral("Combo1"));
    window.Command2_Click();
    EXPECT_EQ(fileBytes(workingFile(QStringLiteral("QQ731508264.vemo"))),
              QByteArray("ABC\r\nX\r\n"));
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("已删除记录【AB】重启软件后生效！！")});
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->currentText(), QStringLiteral("AB"));
    combo->setEditText(QString());
    window.Command2_Click();
    EXPECT_EQ(fileBytes(workingFile(QStringLiteral("QQ731508264.vemo"))),
              QByteArray("ABC\r\nX\r\n"));
    EXPECT_EQ(boxes.texts.last(), QStringLiteral("已删除记录【】重启软件后生效！！"));
}

TEST_F(QueryWindowTest, DeleteWithoutAListFileSaysSoAndCreatesNothing)
{
    Form1 &window = openWindow();
    QFile::remove(workingFile(QStringLiteral("QQ731508264.vemo")));
    window.Command2_Click();
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("记录文件QQ731508264.vemo不存在")});
    EXPECT_FALSE(QFile::exists(workingFile(QStringLiteral("QQ731508264.vemo"))));
}

TEST_F(QueryWindowTest, ClickingDeleteAfterTypingAddsTheTitleThenDeletesIt)
{
    writeListFile("A\r\n");
    openWindow();
    auto *combo = control<QComboBox>(QStringLiteral("Combo1"));
    combo->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return combo->hasFocus(); }));
    combo->setEditText(QStringLiteral("新书"));
    QByteArray fileAtMessage;
    replaceMessageBoxHandler([&](const QString &text) {
        boxes.texts.append(text);
        fileAtMessage = fileBytes(workingFile(QStringLiteral("QQ731508264.vemo")));
    });
    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("已删除记录【新书】重启软件后生效！！")});
    EXPECT_EQ(fileAtMessage, QByteArray("A\r\n"));
    EXPECT_EQ(combo->itemText(0), QStringLiteral("新书"));
}

TEST_F(QueryWindowTest, AutomaticColourCycleReachesLightRedOnTheFourthTickAndWraps)
{
    Form1 &window = openWindow();
    auto *label4 = control<QLabel>(QStringLiteral("Label4"));
    auto *label6 = control<QLabel>(QStringLiteral("Label6"));
    const QColor defaultColour = label6->palette().color(QPalette::WindowText);
    EXPECT_EQ(label4->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    const QColor expected4[] = {
        {128, 0, 128}, {128, 128, 0}, {0, 0, 255}, {255, 0, 0}, {128, 0, 128}};
    const QColor expected6[] = {
        {128, 128, 0}, {0, 0, 255}, {128, 0, 128}, {255, 0, 0}, {128, 128, 0}};
    for (int tick = 0; tick < 5; ++tick) {
        window.Timer1_Timer();
        EXPECT_EQ(label4->palette().color(QPalette::WindowText), expected4[tick]) << tick;
        EXPECT_EQ(label6->palette().color(QPalette::WindowText), expected6[tick]) << tick;
    }
    EXPECT_NE(defaultColour, expected6[0]);
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label7"))->palette().color(QPalette::WindowText),
              QColor(0, 0, 255));
}

TEST_F(QueryWindowTest, LinkLabelsOpenTheirPagesWithTheirWindowStyles)
{
    Form1 &window = openWindow();
    window.Label4_Click();
    window.Label5_Click();
    window.Label6_Click();
    window.Label7_Click();
    window.Label8_Click();
    ASSERT_EQ(launches.requests.size(), 5u);
    const std::pair<Endpoint, WindowStyle> expected[] = {
        {Endpoint::ShoppingOffer, WindowStyle::NormalFocus},
        {Endpoint::DownloadPage, WindowStyle::NormalFocus},
        {Endpoint::AntivirusOffer, WindowStyle::Hidden},
        {Endpoint::TvOffer, WindowStyle::Hidden},
        {Endpoint::DownloadPage, WindowStyle::NormalFocus}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(launches.requests[i].target, endpointAddress(expected[i].first)) << i;
        EXPECT_EQ(launches.requests[i].style, expected[i].second) << i;
    }
    EXPECT_TRUE(window.isVisible());
}

TEST_F(QueryWindowTest, TheMonitorButtonAsksForTheMonitorWindow)
{
    Form1 &window = openWindow();
    QSignalSpy requested(&window, &Form1::monitorRequested);
    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
    EXPECT_EQ(requested.count(), 1);
}

TEST_F(QueryWindowTest, ANewVersionIsAnnouncedBeforeTheSupportWindowAndShownInLabel8)
{
    writeListFile("");
    QFile shipped(workingFile(QStringLiteral("version1.ini")));
    ASSERT_TRUE(shipped.open(QIODevice::WriteOnly));
    shipped.write("[Ravoskel]\r\nRavoskelv1.3.6\r\n");
    shipped.close();
    QFile saved(workingFile(QStringLiteral("version.ini")));
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
    saved.write("\r\nRavoskel\r\nRavoskelv1.4.0\r\n");
    saved.close();
    Form1 window;
    QStringList order;
    replaceMessageBoxHandler([&](const QString &) { order.append(QStringLiteral("message")); });
    QObject::connect(&window, &Form1::supportWindowRequested, &window,
                     [&] { order.append(QStringLiteral("support")); });
    window.Form_Load();
    EXPECT_EQ(order, (QStringList{QStringLiteral("message"), QStringLiteral("support")}));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label8"))->text(),
              QStringLiteral("Ravoskelv1.4.0"));
    EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("Text1"))->text(),
              QStringLiteral("Ravoskelv1.3.6"));
}

} // namespace
