#include "query/form2.h"

#include "common/click_label.h"
#include "common/controls.h"
#include "common/endpoints.h"
#include "common/handler_guard.h"
#include "common/launcher.h"
#include "common/look.h"
#include "common/twips.h"
#include "query/browser.h"

const QList<ControlDesign> &Form2::design()
{
    static const QList<ControlDesign> controls = {
        {QStringLiteral("WebBrowser1"), QStringLiteral("Form2"), {480, 240, 2775, 1335}, {}},
        {QStringLiteral("Label1"),
         QStringLiteral("Form2"),
         {120, 1800, 3375, 375},
         QStringLiteral("关注作者可获得以后更新更多功能")},
    };
    return controls;
}

Form2::Form2(QWidget *parent)
    : QWidget(parent, kCloseOnlyWindow)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("支持作者并关注以后更新"));
    setWindowIcon(popupIcon());
    setFont(songtiFont(9));
    setFixedSize(twipsRect(0, 0, 3705, 2160).size());
    WebBrowser1 = new Browser(this, design(), QStringLiteral("WebBrowser1"));
    Label1 = buildControl<ClickLabel>(this, design(), QStringLiteral("Label1"));
    Label1->setFont(songtiFont(10.5, true));
    Label1->setAutoFillBackground(true);
    setTextColor(Label1, kRedText);
    connectHandler(Label1, &ClickLabel::clicked, this, &Form2::Label1_Click);
}

void Form2::Form_Load()
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    WebBrowser1->Navigate(QUrl(endpointAddress(Endpoint::SupportPage)));
}

void Form2::Label1_Click()
{
    openAddressInBrowser(endpointAddress(Endpoint::MicroblogPage));
}
