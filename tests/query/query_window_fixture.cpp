#include "query_window_fixture.h"

#include "browser.h"
#include "browser_page.h"
#include "program_folder.h"
#include "settings_store.h"
#include "title_list.h"
#include "typing.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

QueryWindowTest::QueryWindowTest()
{
    replaceProgramFolder(workingFolder());
    EXPECT_NE(site.listen(), 0);
    const QString base = site.baseAddress();
    writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"), base);
    for (const QString &page : {QStringLiteral("VersionPage"), QStringLiteral("SupportPage")})
        writeSetting(QStringLiteral("Endpoints"), page, base + QStringLiteral("/version.html"));
}

QueryWindowTest::~QueryWindowTest()
{
    m_window.reset();
    replaceProgramFolder(QString());
}

Form1 &QueryWindowTest::openWindow()
{
    m_window = std::make_unique<Form1>();
    m_window->Form_Load();
    m_window->show();
    m_window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    return *m_window;
}

void QueryWindowTest::writeListFile(const QByteArray &bytes) const
{
    writeWorkingFile(kTitleListFile, bytes);
}

void QueryWindowTest::typeTitle(const QString &title)
{
    auto *combo = control<QComboBox>(QStringLiteral("Combo1"));
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return combo->hasFocus(); }));
    QTest::keyClick(combo->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    typeText(combo->lineEdit(), title);
}

QString QueryWindowTest::resultPageText()
{
    Browser *browser = control<Browser>(QStringLiteral("WebBrowser1"));
    QSignalSpy completed(browser, &Browser::DocumentComplete);
    EXPECT_TRUE(completed.wait(60000));
    QString text;
    bool answered = false;
    browser->page()->toPlainText([&](const QString &plain) {
        text = plain;
        answered = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 30000));
    return text;
}
