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

namespace {

// Records the order in which top-level windows are shown.
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

    static void closeWindow(QWidget *window)
    {
        QPointer<QWidget> closing = window;
        window->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }));
    }

    static int visibleWindows()
    {
        int count = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            count += window->isVisible() ? 1 : 0;
        return count;
    }

    ReferenceSite site;
    MessageBoxRecorder boxes;
    LaunchRecorder launches;
    WindowRegistry windows;
};

TEST_F(WindowRegistryTest, TheTopmostFixedSupportWindowIsShownBeforeTheQueryWindow)
{
    ShowOrder order;
    qApp->installEventFilter(&order);
    windows.showQueryWindow();
    qApp->removeEventFilter(&order);
    EXPECT_EQ(order.shown, (QStringList{QStringLiteral("Form2"), QStringLiteral("Form1")}));
    Form2 *support = windows.supportWindow();
    EXPECT_TRUE(support->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(support->windowTitle(), QStringLiteral("支持作者并关注以后更新"));
    EXPECT_EQ(support->minimumSize(), support->maximumSize());
    EXPECT_FALSE(support->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(support->parentWidget(), nullptr) << "its own taskbar button, not owned";
    EXPECT_FALSE(support->findChild<Browser *>(QStringLiteral("WebBrowser1"))->Silent());
    auto *label = support->findChild<QLabel *>(QStringLiteral("Label1"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(label->font().bold());
    support->Label1_Click();
    ASSERT_EQ(launches.requests.size(), 1u);
    EXPECT_TRUE(launches.requests[0].target.endsWith(QStringLiteral("/microblog.html")));
}

TEST_F(WindowRegistryTest, EachWindowExistsOnceAndAnOpenOneIsOnlyShownAgain)
{
    windows.showQueryWindow();
    Form1 *query = windows.queryWindow();
    Form2 *support = windows.supportWindow();
    Q_EMIT query->monitorRequested();
    Form3 *monitor = windows.monitorWindow();
    windows.showQueryWindow();
    Q_EMIT query->monitorRequested();
    EXPECT_EQ(windows.queryWindow(), query);
    EXPECT_EQ(windows.monitorWindow(), monitor);
    EXPECT_EQ(visibleWindows(), 3);
    closeWindow(query);
    Q_EMIT monitor->queryWindowRequested();
    EXPECT_NE(windows.queryWindow(), nullptr);
    EXPECT_EQ(windows.supportWindow(), support) << "a second load shows the open support window";
    EXPECT_EQ(visibleWindows(), 3);
}

TEST_F(WindowRegistryTest, AClosedQueryWindowComesBackWithItsWholeLoadAndTheSupportWindow)
{
    windows.showQueryWindow();
    windows.showMonitorWindow();
    closeWindow(windows.supportWindow());
    closeWindow(windows.queryWindow());
    QSignalSpy pages(&site, &ReferenceSite::pageRequested);
    Q_EMIT windows.monitorWindow()->queryWindowRequested();
    ASSERT_NE(windows.queryWindow(), nullptr);
    ASSERT_NE(windows.supportWindow(), nullptr);
    EXPECT_TRUE(windows.supportWindow()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::any_of(pages.begin(), pages.end(), [](const QList<QVariant> &request) {
                return request.at(0).toString() == QStringLiteral("/support.html");
            });
        },
        60000))
        << "the support window loads its page again";
}

} // namespace
