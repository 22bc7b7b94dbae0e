#include "browser.h"
#include "program_folder.h"
#include "reference_site.h"
#include "seam_recorders.h"
#include "settings_store.h"
#include "test_environment.h"
#include "window_registry.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

namespace {

// Records the order in which top-level windows are first shown.
class ShowOrder : public QObject {
public:
    QStringList shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow())
            shown.append(watched->objectName());
        return false;
    }
};

class WindowRegistryTest : public FreshFolders {
protected:
    WindowRegistryTest()
    {
        replaceProgramFolder(workingFolder());
        EXPECT_NE(site.listen(), 0);
        writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"), site.baseAddress());
        writeSetting(QStringLiteral("Endpoints"), QStringLiteral("VersionPage"),
                     site.baseAddress() + QStringLiteral("/version.html"));
        writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SupportPage"),
                     site.baseAddress() + QStringLiteral("/support.html"));
    }
    ~WindowRegistryTest() override
    {
        delete windows.queryWindow();
        delete windows.supportWindow();
        delete windows.monitorWindow();
        replaceProgramFolder(QString());
    }

    // Closes a window as its close box does and lets its deletion happen.
    static void closeWindow(QWidget *window)
    {
        QPointer<QWidget> closing = window;
        window->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }));
    }

    ReferenceSite site;
    MessageBoxRecorder boxes;
    LaunchRecorder launches;
    WindowRegistry windows;
};

TEST_F(WindowRegistryTest, TheSupportWindowIsShownBeforeTheQueryWindow)
{
    ShowOrder order;
    qApp->installEventFilter(&order);
    windows.showQueryWindow();
    qApp->removeEventFilter(&order);
    EXPECT_EQ(order.shown, (QStringList{QStringLiteral("Form2"), QStringLiteral("Form1")}));
    EXPECT_TRUE(windows.supportWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(windows.queryWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(WindowRegistryTest, EachWindowExistsOnceAndIsShownAgainWhenAskedTwice)
{
    windows.showQueryWindow();
    Form1 *query = windows.queryWindow();
    Form2 *support = windows.supportWindow();
    windows.showQueryWindow();
    windows.showMonitorWindow();
    Form3 *monitor = windows.monitorWindow();
    Q_EMIT query->monitorRequested();
    EXPECT_EQ(windows.queryWindow(), query);
    EXPECT_EQ(windows.supportWindow(), support);
    EXPECT_EQ(windows.monitorWindow(), monitor);
    int shownWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        shownWindows += window->isVisible() ? 1 : 0;
    EXPECT_EQ(shownWindows, 3);
}

TEST_F(WindowRegistryTest, AClosedQueryWindowComesBackWithItsWholeLoadAndTheSupportWindow)
{
    windows.showQueryWindow();
    windows.showMonitorWindow();
    closeWindow(windows.supportWindow());
    closeWindow(windows.queryWindow());
    EXPECT_EQ(windows.queryWindow(), nullptr);

    QSignalSpy supportPage(&site, &ReferenceSite::pageRequested);
    Q_EMIT windows.monitorWindow()->queryWindowRequested();
    ASSERT_NE(windows.queryWindow(), nullptr);
    ASSERT_NE(windows.supportWindow(), nullptr);
    EXPECT_TRUE(windows.queryWindow()->isVisible());
    EXPECT_TRUE(windows.supportWindow()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (const QList<QVariant> &request : supportPage) {
                if (request.at(0).toString() == QStringLiteral("/support.html"))
                    return true;
            }
            return false;
        },
        60000))
        << "the support window loads its page again";
}

TEST_F(WindowRegistryTest, AnOpenSupportWindowIsOnlyShownAgainByASecondLoad)
{
    windows.showQueryWindow();
    windows.showMonitorWindow();
    Form2 *support = windows.supportWindow();
    closeWindow(windows.queryWindow());
    Q_EMIT windows.monitorWindow()->queryWindowRequested();
    EXPECT_EQ(windows.supportWindow(), support);
    int supportWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        supportWindows += qobject_cast<Form2 *>(window) ? 1 : 0;
    EXPECT_EQ(supportWindows, 1);
}

TEST_F(WindowRegistryTest, TheSupportWindowIsFixedWithTheCloseBoxOnly)
{
    windows.showQueryWindow();
    Form2 *support = windows.supportWindow();
    EXPECT_EQ(support->windowTitle(), QStringLiteral("支持作者并关注以后更新"));
    EXPECT_EQ(support->minimumSize(), support->maximumSize());
    EXPECT_TRUE(support->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(support->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(support->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(support->parentWidget(), nullptr) << "its own taskbar button, not owned";
    auto *label = support->findChild<QLabel *>(QStringLiteral("Label1"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(support->findChild<Browser *>(QStringLiteral("WebBrowser1"))->Silent());
    support->metaObject()->invokeMethod(support, "Label1_Click");
    support->metaObject()->invokeMethod(support, "Label1_Click");
    ASSERT_EQ(launches.requests.size(), 2u);
    EXPECT_TRUE(launches.requests[1].target.endsWith(QStringLiteral("/microblog.html")));
}

} // namespace
