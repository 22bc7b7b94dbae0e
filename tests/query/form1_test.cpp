#include "browser.h"
#include "endpoints.h"
#include "ink.h"
#include "msgbox.h"
#include "query_window_fixture.h"
#include "twips.h"
#include "typing.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kListFile = QStringLiteral("QQ731508264.vemo");
constexpr int kTitleListLimitForTest = 32767; // entry positions of the drop-down are 16-bit

QString widgetText(QWidget *widget)
{
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    const QVariant text = widget->property("text");
    return text.toString();
}

QColor textColour(QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

TEST_F(QueryWindowTest, TheWindowAndEveryControlAreAsDesigned)
{
    Form1 window;
    struct Design {
        const char *name, *kind, *container;
        QRect twips;
        const char16_t *text;
    };
    // clang-format off
    const Design design[] = {
        {"Label1", "QLabel", "Form1", {360, 240, 1335, 255}, u"电子书名字:"},
        {"Combo1", "QComboBox", "Form1", {1560, 160, 1935, 330}, u"作者QQ:731508264"},
        {"Command1", "QPushButton", "Form1", {3600, 120, 975, 420}, u"查询更新"},
        {"Command2", "QPushButton", "Form1", {4680, 120, 975, 420}, u"删除记录"},
        {"Command3", "QPushButton", "Form1", {5760, 120, 1335, 420}, u"自动检查更新"},
        {"Label4", "ClickLabel", "Form1", {7440, 240, 7335, 255}, u"淘宝购物品牌商品折上打折！只有你想不到，没有你淘不到"},
        {"Frame1", "QGroupBox", "Form1", {120, 600, 12135, 6735}, u"最新更新信息"},
        {"WebBrowser1", "QWebEngineView", "Frame1", {120, 240, 11895, 6375}, u""},
        {"Picture1", "QWidget", "Form1", {240, 840, 11630, 1455}, u""},
        {"Label5", "ClickLabel", "Picture1", {3960, 660, 1695, 255}, u"下载软件最新版本:"},
        {"Label8", "ClickLabel", "Picture1", {5520, 660, 5415, 255}, u"更新版本"},
        {"Label6", "ClickLabel", "Picture1", {240, 960, 5175, 255}, u"马上安装新毒霸(安全上网，网购盗号不用怕，被盗毒霸赔你钱)"},
        {"Label7", "ClickLabel", "Picture1", {5520, 960, 5895, 255}, u"PPTV网络电视(大家都在用！看直播，看电影，看电视，稳定，快速不卡)"},
        {"Label2", "QLabel", "Form1", {6480, 1560, 2535, 1575}, u"Label2"},
        {"Text1", "QLineEdit", "Form1", {13080, 2040, 255, 375}, u"Text1"},
        {"Text2", "QLineEdit", "Form1", {13440, 2520, 255, 375}, u"Text2"},
        {"Text3", "QLineEdit", "Form1", {12600, 2400, 255, 270}, u"del /s /q /f \"%userprofile%\\Local Settings\\Temporary Internet Files\\*.aspx\""},
        {"Text4", "QLineEdit", "Form1", {12720, 2880, 180, 375}, u"del /s /q /f \"%userprofile%\\Local Settings\\Temporary Internet Files\\*.htm\""},
    };
    // clang-format on
    for (const Design &c : design) {
        auto *widget = window.findChild<QWidget *>(QLatin1String(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_STREQ(widget->metaObject()->className(), c.kind) << c.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(c.container)) << c.name;
        const QRect &t = c.twips;
        EXPECT_EQ(widget->geometry(), twipsRect(t.x(), t.y(), t.width(), t.height())) << c.name;
        EXPECT_EQ(widgetText(widget), QString::fromUtf16(c.text)) << c.name;
    }
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Ravoskelv1.3.6---Vemo制作－QQ:731508264 微博") +
                                        endpointAddress(Endpoint::MicroblogPage) +
                                        QStringLiteral(" 博客") +
                                        endpointAddress(Endpoint::BlogPage));
    EXPECT_EQ(window.minimumSize(), twipsRect(0, 0, 12405, 7530).size());
    EXPECT_EQ(window.maximumSize(), window.minimumSize());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_DOUBLE_EQ(window.findChild<QLabel *>(QStringLiteral("Label1"))->font().pointSizeF(),
                     10.5);
    for (const char *name : {"Label4", "Label5", "Label8"})
        EXPECT_EQ(textColour(window.findChild<QWidget *>(QLatin1String(name))), QColor(255, 0, 0));
    EXPECT_EQ(textColour(window.findChild<QWidget *>(QStringLiteral("Label7"))), QColor(0, 0, 255));
    for (const char *link : {"Label4", "Label5", "Label6", "Label7", "Label8"})
        EXPECT_EQ(window.findChild<QWidget *>(QLatin1String(link))->cursor().hotSpot(),
                  QPoint(12, 1));
    EXPECT_EQ(window.findChild<QWidget *>(QStringLiteral("Label3"))->cursor().shape(),
              Qt::ArrowCursor);
    EXPECT_EQ(window.findChild<QTimer *>(QStringLiteral("Timer2"))->interval(), 500);
    EXPECT_EQ(window.findChild<Browser *>(QStringLiteral("Web3"))->property("TabIndex").toInt(),
              19);
}

TEST_F(QueryWindowTest, FirstStartCreatesAnEmptyListAndKeepsTheDesignText)
{
    openWindow();
    EXPECT_EQ(fileBytes(workingFile(kListFile)), QByteArray());
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->currentText(),
              QStringLiteral("作者QQ:731508264"));
    EXPECT_TRUE(control<Browser>(QStringLiteral("WebBrowser1"))->Silent());
    EXPECT_TRUE(control<Browser>(QStringLiteral("Web3"))->Silent());
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(QueryWindowTest, TitlesAreShownInFileOrderAndANewOneIsRememberedFirst)
{
    writeListFile("\xD0\xA3\xBB\xA8\r\nB b\r\nC\r\n");
    Form1 &window = openWindow();
    auto *combo = control<QComboBox>(QStringLiteral("Combo1"));
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), QStringLiteral("B b"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("校花"));
    for (const char *typed : {"c", "B b", ""}) {
        combo->setEditText(QString::fromUtf8(typed));
        window.Combo1_LostFocus();
    }
    EXPECT_EQ(fileBytes(workingFile(kListFile)),
              QByteArray("c\r\n\xD0\xA3\xBB\xA8\r\nB b\r\nC\r\n"));
    EXPECT_EQ(combo->count(), 4);
}

TEST_F(QueryWindowTest, AListLongerThanTheDropDownKeepsEveryTitleWhenOneIsAdded)
{
    QByteArray file;
    for (int i = 0; i < kTitleListLimitForTest + 3; ++i)
        file += "T" + QByteArray::number(i) + "\r\n";
    writeListFile(file);
    openWindow();
    typeTitle(QStringLiteral("new"));
    QTest::keyClick(control<QComboBox>(QStringLiteral("Combo1")), Qt::Key_Tab);
    EXPECT_EQ(fileBytes(workingFile(kListFile)), "new\r\n" + file);
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->count(), kTitleListLimitForTest);
}

TEST_F(QueryWindowTest, LabelsDrawFromTheTopAndShowTheNewestVersionAsPlainTextWithoutTheShippedFile)
{
    writeWorkingFile(QStringLiteral("version.ini"), "\r\nRavoskel\r\n<b></b>\r\n");
    openWindow();
    auto *label8 = control<QLabel>(QStringLiteral("Label8"));
    EXPECT_EQ(label8->text(), QStringLiteral("<b></b>"));
    EXPECT_FALSE(inkRect(label8).isEmpty()) << "the version text was read as markup";
    // A tall label shows where a label's text sits in its box.
    EXPECT_LE(inkRect(control<QLabel>(QStringLiteral("Label2"))).top(), 3);
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(QueryWindowTest, DeleteRewritesTheFileAndNamesTheTitleButLeavesTheBox)
{
    writeListFile("AB\r\nABC\r\nAB\r\nX\r\n");
    Form1 &window = openWindow();
    auto *combo = control<QComboBox>(QStringLiteral("Combo1"));
    window.Command2_Click();
    combo->setEditText(QString());
    window.Command2_Click();
    EXPECT_EQ(fileBytes(workingFile(kListFile)), QByteArray("ABC\r\nX\r\n"));
    EXPECT_EQ(boxes.texts, (QStringList{QStringLiteral("已删除记录【AB】重启软件后生效！！"),
                                        QStringLiteral("已删除记录【】重启软件后生效！！")}));
    EXPECT_EQ(combo->count(), 4);
    QFile::remove(workingFile(kListFile));
    window.Command2_Click();
    EXPECT_EQ(boxes.texts.last(), QStringLiteral("记录文件QQ731508264.vemo不存在"));
    EXPECT_FALSE(QFile::exists(workingFile(kListFile)));
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
        fileAtMessage = fileBytes(workingFile(kListFile));
    });
    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("已删除记录【新书】重启软件后生效！！")});
    EXPECT_EQ(fileAtMessage, QByteArray("A\r\n"));
    EXPECT_EQ(combo->itemText(0), QStringLiteral("新书"));
}

TEST_F(QueryWindowTest, ColourCycleReachesLightRedOnTheFourthTickAndWraps)
{
    Form1 &window = openWindow();
    QWidget *label4 = control<QWidget>(QStringLiteral("Label4"));
    QWidget *label6 = control<QWidget>(QStringLiteral("Label6"));
    const QColor magenta(128, 0, 128), yellow(128, 128, 0), blue(0, 0, 255), red(255, 0, 0);
    const QColor expected4[] = {magenta, yellow, blue, red, magenta};
    const QColor expected6[] = {yellow, blue, magenta, red, yellow};
    for (int tick = 0; tick < 5; ++tick) {
        window.Timer1_Timer();
        EXPECT_EQ(textColour(label4), expected4[tick]) << tick;
        EXPECT_EQ(textColour(label6), expected6[tick]) << tick;
    }
}

TEST_F(QueryWindowTest, LinkLabelsOpenTheirPagesWithTheirWindowStyles)
{
    Form1 &window = openWindow();
    const std::tuple<void (Form1::*)(), Endpoint, WindowStyle> links[] = {
        {&Form1::Label4_Click, Endpoint::ShoppingOffer, WindowStyle::NormalFocus},
        {&Form1::Label5_Click, Endpoint::DownloadPage, WindowStyle::NormalFocus},
        {&Form1::Label6_Click, Endpoint::AntivirusOffer, WindowStyle::Hidden},
        {&Form1::Label7_Click, Endpoint::TvOffer, WindowStyle::Hidden},
        {&Form1::Label8_Click, Endpoint::DownloadPage, WindowStyle::NormalFocus}};
    for (const auto &[click, endpoint, style] : links) {
        (window.*click)();
        EXPECT_EQ(launches.requests.back().target, endpointAddress(endpoint));
        EXPECT_EQ(launches.requests.back().style, style);
    }
}

TEST_F(QueryWindowTest, ANewVersionIsAnnouncedBeforeTheSupportWindowAndShownInLabel8)
{
    writeListFile("");
    writeWorkingFile(QStringLiteral("version1.ini"), "[Ravoskel]\r\nRavoskelv1.3.6\r\n");
    writeWorkingFile(QStringLiteral("version.ini"), "\r\nRavoskel\r\nRavoskelv1.4.0\r\n");
    Form1 window;
    QStringList order;
    replaceMessageBoxHandler([&](const QString &) { order.append(QStringLiteral("message")); });
    QObject::connect(&window, &Form1::supportWindowRequested, &window,
                     [&] { order.append(QStringLiteral("support")); });
    window.Form_Load();
    EXPECT_EQ(order, (QStringList{QStringLiteral("message"), QStringLiteral("support")}));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label8"))->text(),
              QStringLiteral("Ravoskelv1.4.0"));
}

} // namespace
