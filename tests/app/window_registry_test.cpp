#include "app/window_registry.h"
#include "common/endpoints.h"
#include "common/msgbox.h"
#include "common/program_folder.h"
#include "query/browser.h"
#include "tests/support/effects.h"
#include "tests/support/test_environment.h"
#include "tests/support/user_view.h"

#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <optional>

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
            shown << watched->objectName();
        return false;
    }
};

// The main program's windows as the registry opens them, in a fresh program folder.
class WindowRegistryTest : public SiteFolders {
protected:
    WindowRegistryTest()
        : m_programFolder(programFolderSeam(), workingFolder())
    {
    }
    ~WindowRegistryTest() override
    {
        delete windows.queryWindow();
        delete windows.supportWindow();
        delete windows.monitorWindow();
    }

    static void click(QWidget *window, const QString &name)
    {
        QTest::mouseClick(window->findChild<QWidget *>(name), Qt::LeftButton, {}, QPoint(2, 2));
    }
    static void close(QWidget *window)
    {
        QPointer<QWidget> closing = window;
        window->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }));
    }
    static QStringList shownWindows()
    {
        QStringList shown;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                shown << window->objectName();
        }
        shown.sort();
        return shown;
    }

    const ScopedOverride<QString> m_programFolder;
    RecordedEffects recorded;
    WindowRegistry windows;
};

TEST_F(WindowRegistryTest, TheTopmostFixedSupportWindowOpensFirstAndEachWindowOnlyOnce)
{
    ShowOrder order;
    qApp->installEventFilter(&order);
    windows.showQueryWindow();
    qApp->removeEventFilter(&order);
    EXPECT_EQ(order.shown, (QStringList{"Form2", "Form1"}));
    Form2 *support = windows.supportWindow();
    EXPECT_TRUE(support->windowFlags() & Qt::WindowStaysOnTopHint);
    expectSeenAs(*support,
                 {{"WebBrowser1", {32, 16, 185, 89}, {}},
                  {"Label1", {8, 120, 225, 25}, QStringLiteral("关注作者可获得以后更新更多功能")}});
    EXPECT_EQ(support->windowTitle(), QStringLiteral("支持作者并关注以后更新"));
    EXPECT_EQ(support->minimumSize(), support->maximumSize());
    const QPoint offCentre =
        support->frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << "centred on the screen";
    EXPECT_FALSE(support->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(support->parentWidget(), nullptr) << "its own taskbar button, not owned";
    EXPECT_FALSE(support->findChild<Browser *>(QStringLiteral("WebBrowser1"))->Silent());
    auto *label = support->findChild<QWidget *>(QStringLiteral("Label1"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(label->font().bold());
    doubleClick(support->findChild<QWidget *>(QStringLiteral("Label1")));
    click(support, QStringLiteral("Label1"));
    EXPECT_EQ(recorded.effects, QStringList(2, QStringLiteral("explorer ") +
                                                   endpointAddress(Endpoint::MicroblogPage)));

    Form1 *query = windows.queryWindow();
    click(query, QStringLiteral("Command3"));
    Form3 *monitor = windows.monitorWindow();
    ASSERT_NE(monitor, nullptr);
    click(query, QStringLiteral("Command3"));
    windows.showQueryWindow();
    EXPECT_EQ(windows.queryWindow(), query);
    EXPECT_EQ(windows.monitorWindow(), monitor);
    EXPECT_EQ(windows.supportWindow(), support);
    EXPECT_EQ(shownWindows(), (QStringList{"Form1", "Form2", "Form3"}));
}

TEST_F(WindowRegistryTest, AClosedQueryWindowComesBackWithItsWholeLoadAndTheSupportWindow)
{
    windows.showQueryWindow();
    click(windows.queryWindow(), QStringLiteral("Command3"));
    close(windows.supportWindow());
    close(windows.queryWindow());
    QSignalSpy pages(&site, &ReferenceSite::pageRequested);
    click(windows.monitorWindow(), QStringLiteral("Label2")); // the current chapter line
    EXPECT_EQ(shownWindows(), (QStringList{"Form1", "Form2", "Form3"}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::any_of(pages.begin(), pages.end(), [](const QList<QVariant> &request) {
                return request.at(0).toString() == QStringLiteral("/support.html");
            });
        },
        60000))
        << "the support window loads its page again";
}

TEST_F(WindowRegistryTest, AQueryWindowAskedForDuringItsLoadAppearsOnlyWhenTheLoadIsThrough)
{
    writeWorkingFile(QStringLiteral("QQ731508264.vemo"), "\xBC\xD7\xCA\xE9\r\n"); // 甲书
    windows.showQueryWindow();
    click(windows.queryWindow(), QStringLiteral("Command3"));
    close(windows.queryWindow());
    // The next load announces a new version and waits on its box, and meanwhile the monitor
    // asks for the query window again.
    writeWorkingFile(QStringLiteral("version1.ini"), shippedVersionFile());
    writeWorkingFile(QStringLiteral("version.ini"), "\r\nRavoskel\r\nRavoskelv1.4.0\r\n");
    std::optional<bool> shownDuringTheLoad;
    const ScopedOverride boxes(messageBoxSeam(), [&](const QString &) {
        click(windows.monitorWindow(), QStringLiteral("Label5"));
        shownDuringTheLoad = windows.queryWindow()->isVisible();
    });
    click(windows.monitorWindow(), QStringLiteral("Label2"));
    EXPECT_EQ(shownDuringTheLoad, false);
    Form1 *query = windows.queryWindow();
    ASSERT_TRUE(query->isVisible());
    EXPECT_EQ(query->findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText(),
              QStringLiteral("甲书"));
    const QPoint offCentre =
        query->frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1);
    EXPECT_EQ(shownWindows(), (QStringList{"Form1", "Form2", "Form3"}));
}

} // namespace
