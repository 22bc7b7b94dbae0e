#include "query/form1.h"

#include "common/click_label.h"
#include "common/controls.h"
#include "common/endpoints.h"
#include "common/look.h"
#include "common/one_line_box.h"
#include "common/program_identity.h"
#include "common/purge_batch.h"
#include "common/twips.h"
#include "query/browser.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

QString windowCaption()
{
    return kProgramTitle + QStringLiteral("---Vemo制作－QQ:731508264 微博") +
           endpointAddress(Endpoint::MicroblogPage) + QStringLiteral(" 博客") +
           endpointAddress(Endpoint::BlogPage);
}

ClickLabel *makeLinkLabel(QWidget *window, const QString &name, const QString &toolTip = QString())
{
    auto *label = buildControl<ClickLabel>(window, Form1::design(), name);
    makeLink(label, toolTip);
    return label;
}

} // namespace

const QList<ControlDesign> &Form1::design()
{
    // clang-format off
    static const QList<ControlDesign> controls = {
        {QStringLiteral("Label1"), QStringLiteral("Form1"), {360, 240, 1335, 255}, QStringLiteral("电子书名字:")},
        {QStringLiteral("Combo1"), QStringLiteral("Form1"), {1560, 160, 1935, 330}, QStringLiteral("作者QQ:731508264")},
        {QStringLiteral("Command1"), QStringLiteral("Form1"), {3600, 120, 975, 420}, QStringLiteral("查询更新")},
        {QStringLiteral("Command2"), QStringLiteral("Form1"), {4680, 120, 975, 420}, QStringLiteral("删除记录")},
        {QStringLiteral("Command3"), QStringLiteral("Form1"), {5760, 120, 1335, 420}, QStringLiteral("自动检查更新")},
        {QStringLiteral("Label4"), QStringLiteral("Form1"), {7440, 240, 7335, 255}, QStringLiteral("淘宝购物品牌商品折上打折！只有你想不到，没有你淘不到")},
        {QStringLiteral("Label2"), QStringLiteral("Form1"), {6480, 1560, 2535, 1575}, QStringLiteral("Label2")},
        {QStringLiteral("Frame1"), QStringLiteral("Form1"), {120, 600, 12135, 6735}, QStringLiteral("最新更新信息")},
        {QStringLiteral("WebBrowser1"), QStringLiteral("Frame1"), {120, 240, 11895, 6375}, {}},
        {QStringLiteral("Picture1"), QStringLiteral("Form1"), {240, 840, 11630, 1455}, {}},
        {QStringLiteral("Label3"), QStringLiteral("Picture1"), {360, 240, 10815, 615},
         QStringLiteral("此工具仅为方便，目前搜索信息大部分网站小说为免费，当然其中也有收费小说，大家选择免费的小说网站看就是了，"
                        "列出来的都是小说站更新的最新章节。此工具仅提供搜索。Ravoskel更新情况：[v1.1增加保存记录和量小化]"
                        "[v1.2增加删除记录][v1.3增加自动检测更新功能]")},
        {QStringLiteral("Label5"), QStringLiteral("Picture1"), {3960, 660, 1695, 255}, QStringLiteral("下载软件最新版本:")},
        {QStringLiteral("Label8"), QStringLiteral("Picture1"), {5520, 660, 5415, 255}, QStringLiteral("更新版本")},
        {QStringLiteral("Label6"), QStringLiteral("Picture1"), {240, 960, 5175, 255}, QStringLiteral("马上安装新毒霸(安全上网，网购盗号不用怕，被盗毒霸赔你钱)")},
        {QStringLiteral("Label7"), QStringLiteral("Picture1"), {5520, 960, 5895, 255}, QStringLiteral("PPTV网络电视(大家都在用！看直播，看电影，看电视，稳定，快速不卡)")},
        // Beyond the right edge of the window, where the user never sees them.
        {QStringLiteral("Text1"), QStringLiteral("Form1"), {13080, 2040, 255, 375}, QStringLiteral("Text1")},
        {QStringLiteral("Text2"), QStringLiteral("Form1"), {13440, 2520, 255, 375}, QStringLiteral("Text2")},
        {QStringLiteral("Text3"), QStringLiteral("Form1"), {12600, 2400, 255, 270}, kPurgeLine1},
        {QStringLiteral("Text4"), QStringLiteral("Form1"), {12720, 2880, 180, 375}, kPurgeLine2},
    };
    // clang-format on
    return controls;
}

Form1::Form1(QWidget *parent)
    : QWidget(parent, kMinimizeOnlyWindow)
{
    m_sinceCreation.start();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowCaption());
    setWindowIcon(mainProgramIcon());
    setFont(songtiFont(9));
    setFixedSize(twipsRect(0, 0, 12405, 7530).size());
    buildControls();
    setTabOrder();
    wireHandlers();
}

void Form1::buildControls()
{
    Label1 = buildControl<QLabel>(this, design(), QStringLiteral("Label1"));
    Label1->setFont(songtiFont(10.5));
    Combo1 = buildControl<QComboBox>(this, design(), QStringLiteral("Combo1"));
    // What the user types is what is remembered and queried: no completing it from the list.
    Combo1->setCompleter(nullptr);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    keepToOneLine(Combo1->lineEdit());
    Combo1->setFont(songtiFont(10.5));
    Command1 = buildControl<QPushButton>(this, design(), QStringLiteral("Command1"));
    Command2 = buildControl<QPushButton>(this, design(), QStringLiteral("Command2"));
    Command3 = buildControl<QPushButton>(this, design(), QStringLiteral("Command3"));
    Label4 = makeLinkLabel(this, QStringLiteral("Label4"),
                           QStringLiteral("点击马上抢购限时折上打折后的商品"));
    setTextColor(Label4, kRedText);
    Label2 = buildControl<QLabel>(this, design(), QStringLiteral("Label2"));
    Frame1 = buildControl<QGroupBox>(this, design(), QStringLiteral("Frame1"));
    WebBrowser1 = new Browser(this, design(), QStringLiteral("WebBrowser1"));
    // A web view leaves the focus to the page widget it makes later; the view itself must take
    // it to hold its place in the tab order.
    WebBrowser1->view()->setFocusPolicy(Qt::StrongFocus);
    buildLinkPanel();
    buildHiddenControls();
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1000);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 500);
}

void Form1::buildLinkPanel()
{
    Picture1 = buildControl<QWidget>(this, design(), QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    Label3 = buildControl<QLabel>(this, design(), QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label5 = makeLinkLabel(this, QStringLiteral("Label5"));
    Label8 = makeLinkLabel(this, QStringLiteral("Label8"));
    Label6 = makeLinkLabel(this, QStringLiteral("Label6"),
                           QStringLiteral("点击下载安装新毒霸，网购盗号不用怕"));
    Label7 = makeLinkLabel(this, QStringLiteral("Label7"),
                           QStringLiteral("PPTV网络电视，大家都在用的网络电视软件"));
    for (QWidget *red : {Label5, Label8})
        setTextColor(red, kRedText);
    setTextColor(Label7, kBlueText);
}

void Form1::buildHiddenControls()
{
    Web3 = new Browser(QStringLiteral("Web3"), this);
    Text1 = buildControl<QLineEdit>(this, design(), QStringLiteral("Text1"));
    Text2 = buildControl<QLineEdit>(this, design(), QStringLiteral("Text2"));
    Text3 = buildControl<QLineEdit>(this, design(), QStringLiteral("Text3"));
    Text4 = buildControl<QLineEdit>(this, design(), QStringLiteral("Text4"));
}

// Every control in the window's tab order as drawn; the labels and frames hold places that
// the focus never reaches.
QList<QWidget *> Form1::tabOrder() const
{
    return {Frame1,   Label1,   Command1, WebBrowser1->view(),
            Label2,   Picture1, Label3,   Label4,
            Combo1,   Label5,   Label6,   Label7,
            Command2, Command3, Text1,    Text2,
            Text3,    Text4,    Label8};
}

void Form1::setTabOrder()
{
    // Label2 lies behind the frame; the panel of labels lies in front of the result browser.
    Label2->lower();
    Picture1->raise();
    layTabChain();
    // The browser makes the widget that takes its focus only once it shows a page; the chain
    // is laid again then, or that widget would come last.
    WebBrowser1->view()->installEventFilter(this);
}

void Form1::layTabChain() const
{
    // Qt drops a pair in which either widget takes no focus, so the chain is laid through the
    // widgets that take it alone; labels and frames are passed over.
    QWidget *previous = nullptr;
    for (QWidget *control : tabOrder()) {
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}
