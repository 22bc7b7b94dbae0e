#include "query/form1.h"

#include "common/click_label.h"
#include "common/controls.h"
#include "common/endpoints.h"
#include "common/handler_guard.h"
#include "common/launcher.h"
#include "common/line_model.h"
#include "common/msgbox.h"
#include "common/program_folder.h"
#include "common/purge_batch.h"
#include "common/search_address.h"
#include "common/text_file.h"
#include "query/browser.h"
#include "query/color_cycle.h"
#include "query/title_list.h"
#include "query/version_check.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

void Form1::wireHandlers()
{
    Combo1->installEventFilter(this);
    connect(Combo1, &QComboBox::activated, this,
            [this] { Combo1->lineEdit()->setCursorPosition(0); });
    connectHandler(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connectHandler(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connectHandler(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connectHandler(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connectHandler(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(Web3, &Browser::DocumentComplete, this,
            [this](bool ok) { runGuarded([this, ok] { Web3_DocumentComplete(ok); }); });
    connectHandler(Label4, &ClickLabel::clicked, this, &Form1::Label4_Click);
    connectHandler(Label5, &ClickLabel::clicked, this, &Form1::Label5_Click);
    connectHandler(Label6, &ClickLabel::clicked, this, &Form1::Label6_Click);
    connectHandler(Label7, &ClickLabel::clicked, this, &Form1::Label7_Click);
    connectHandler(Label8, &ClickLabel::clicked, this, &Form1::Label5_Click);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // Opening the drop-down or switching to another program is not leaving the box. The
    // drop-down, once open, takes the focus into its own list, which is no leaving either.
    if (watched == Combo1 && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            !QApplication::activePopupWidget())
            runGuarded([this] { Combo1_LostFocus(); });
    }
    if (watched == WebBrowser1->view() && event->type() == QEvent::ChildPolished)
        layTabChain();
    return QWidget::eventFilter(watched, event);
}

void Form1::Form_Load()
{
    WebBrowser1->setSilent(true);
    Web3->setSilent(true);
    Web3->Navigate(QUrl(endpointAddress(Endpoint::VersionPage)));
    compareVersions();
    Q_EMIT supportWindowRequested();
    const QString listFile = QDir(programFolder()).filePath(kTitleListFile);
    ensureFileExists(listFile);
    fillTitleList(listFile);
    // An empty list has no first title; the box then keeps its design text.
    const QString newest = firstLine(LoadTextFile(kTitleListFile));
    if (!newest.isEmpty())
        showTitleFromItsStart(newest);
    // The timers start once the load is through, so that the automatic query sees the title
    // the load put into the box even when a message kept the load waiting. The query's half
    // second counts from the window's creation all the same: the time the load took is not
    // waited for a second time.
    Timer1->start();
    Timer2->start(
        static_cast<int>(std::max<qint64>(0, Timer2->interval() - m_sinceCreation.elapsed())));
}

void Form1::compareVersions()
{
    // The newest version is shown whether or not this build's own text can be read.
    const std::optional<QString> newest = newestVersionText();
    if (!newest)
        return;
    Text2->setText(*newest);
    Label8->setText(*newest);
    const std::optional<QString> own = ownVersionText();
    if (!own)
        return;
    Text1->setText(*own);
    if (announcesNewVersion(Text1->text(), Text2->text()))
        MsgBox(newVersionMessage(endpointAddress(Endpoint::BlogPage),
                                 endpointAddress(Endpoint::PersonalPage)));
}

void Form1::fillTitleList(const QString &listFile)
{
    const QStringList titles = titlesOfFile(LoadTextFile(listFile));
    Combo1->addItems(titles.first(std::min(titles.size(), qsizetype(kTitleListLimit))));
    m_titlesBeyondList = titles.mid(kTitleListLimit);
}

// A title the program puts into the box shows from its first character, as an edit box
// does; only typing moves the view along with the cursor.
void Form1::showTitleFromItsStart(const QString &title)
{
    Combo1->setEditText(title);
    Combo1->lineEdit()->setCursorPosition(0);
}

QStringList Form1::rememberedTitles() const
{
    QStringList titles;
    titles.reserve(Combo1->count() + m_titlesBeyondList.size());
    for (int i = 0; i < Combo1->count(); ++i)
        titles.append(Combo1->itemText(i));
    return titles + m_titlesBeyondList;
}

void Form1::Combo1_LostFocus()
{
    const QString title = Combo1->currentText();
    if (!isNewTitle(rememberedTitles(), title))
        return;
    if (Combo1->count() >= kTitleListLimit) {
        m_titlesBeyondList.prepend(Combo1->itemText(Combo1->count() - 1));
        Combo1->removeItem(Combo1->count() - 1);
    }
    Combo1->insertItem(0, title);
    Combo1->setEditText(title);
    // Another copy of the program may have added titles since this one filled its drop-down:
    // the file, read now, is what the add goes into.
    const QStringList inFile = QFileInfo::exists(kTitleListFile)
                                   ? titlesOfFile(LoadTextFile(kTitleListFile))
                                   : QStringList();
    writeLines(kTitleListFile, withoutTitles(withTitleFirst(inFile, title), m_deletedTitles));
}

void Form1::Command2_Click()
{
    if (!QFileInfo::exists(kTitleListFile)) {
        MsgBox(QStringLiteral("记录文件QQ731508264.vemo不存在"));
        return;
    }
    const QString title = Combo1->currentText();
    writeLines(kTitleListFile, withoutTitle(titlesOfFile(LoadTextFile(kTitleListFile)), title));
    if (!title.isEmpty())
        m_deletedTitles.insert(title);
    MsgBox(QStringLiteral("已删除记录【") + title + QStringLiteral("】重启软件后生效！！"));
}

void Form1::Command1_Click()
{
    purgeBrowserCache(Text3->text(), Text4->text());
    WebBrowser1->Navigate2(searchUrl(Combo1->currentText()));
}

void Form1::Timer2_Timer()
{
    WebBrowser1->Navigate2(searchUrl(Combo1->currentText()));
    Timer2->stop();
}

void Form1::Command3_Click()
{
    Q_EMIT monitorRequested();
}

void Form1::Web3_DocumentComplete(bool ok)
{
    // A page that did not load would leave its error text as the "newest version" and
    // announce a new version at every later start.
    if (!ok)
        return;
    Web3->collectElementTexts([](const QStringList &texts) {
        runGuarded([&texts] { writePrintLine(kSavedVersionFile, savedVersionText(texts)); });
    });
}

void Form1::Timer1_Timer()
{
    CycleColor(Label4, 5, 6, 9, 12);
    CycleColor(Label6, 6, 9, 5, 12);
}

void Form1::CycleColor(QLabel *target, int first, int second, int third, int fourth)
{
    const int next =
        nextColorIndex(target->property("Tag").toString(), first, second, third, fourth);
    target->setProperty("Tag", QString::number(next));
    setTextColor(target, paletteColor(next));
}

void Form1::Label4_Click()
{
    openAddressInBrowser(endpointAddress(Endpoint::ShoppingOffer));
}

void Form1::Label5_Click()
{
    openAddressInBrowser(endpointAddress(Endpoint::DownloadPage));
}

void Form1::Label6_Click()
{
    openAddressWithBrowserProgram(endpointAddress(Endpoint::AntivirusOffer));
}

void Form1::Label7_Click()
{
    openAddressWithBrowserProgram(endpointAddress(Endpoint::TvOffer));
}
