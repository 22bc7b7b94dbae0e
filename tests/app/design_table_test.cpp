// Every window builds its controls from one table. A wrong name in a table ends the program
// at start; these tests keep the four tables themselves sound, so that it never does.

#include "common/controls.h"
#include "monitor/form3.h"
#include "popup/form4.h"
#include "query/form1.h"
#include "query/form2.h"
#include "tests/support/test_environment.h"

#include <QSet>

#include <functional>
#include <memory>

namespace {

struct WindowTable {
    const char *window;
    std::function<std::unique_ptr<QWidget>()> build;
    std::function<QList<ControlDesign>()> design;
};

template <typename Form> WindowTable tableOf(const char *window)
{
    return {window, [] { return std::make_unique<Form>(); }, [] { return Form::design(); }};
}

class DesignTable : public FreshFolders, public ::testing::WithParamInterface<WindowTable> {};

TEST_P(DesignTable, NamesEachControlOnceAfterItsContainerAndBuildsItInsideIt)
{
    const std::unique_ptr<QWidget> window = GetParam().build();
    ASSERT_EQ(window->objectName(), GetParam().window);
    QSet<QString> declared{window->objectName()};
    for (const ControlDesign &control : GetParam().design()) {
        SCOPED_TRACE(control.name.toStdString());
        EXPECT_TRUE(declared.contains(control.container)) << "container declared later or never";
        EXPECT_FALSE(declared.contains(control.name)) << "named twice";
        declared.insert(control.name);
        const auto *built = window->findChild<QWidget *>(control.name);
        ASSERT_NE(built, nullptr);
        EXPECT_EQ(built->parentWidget()->objectName(), control.container);
    }
}

INSTANTIATE_TEST_SUITE_P(FourWindows, DesignTable,
                         ::testing::Values(tableOf<Form1>("Form1"), tableOf<Form2>("Form2"),
                                           tableOf<Form3>("Form3"), tableOf<Form4>("Form4")),
                         [](const auto &info) { return std::string(info.param.window); });

using DesignTableDeathTest = FreshFolders;

// The suite fails on any Qt message; a dying child must say its last words on stderr instead.
void withQtsOwnMessageHandler(const std::function<void()> &action)
{
    qInstallMessageHandler(nullptr);
    action();
}

TEST_F(DesignTableDeathTest, AControlTheTableLacksOrOneWithoutItsContainerEndsTheProgram)
{
    const QList<ControlDesign> table = {{QStringLiteral("Label1"),
                                         QStringLiteral("Frame9"),
                                         {0, 0, 150, 150},
                                         QStringLiteral("text")}};
    QWidget window;
    window.setObjectName(QStringLiteral("Form9"));
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(withQtsOwnMessageHandler([&] { designOf(table, QStringLiteral("Label2")); }),
                 "No control named Label2");
    EXPECT_DEATH(withQtsOwnMessageHandler(
                     [&] { buildControl<QLabel>(&window, table, QStringLiteral("Label1")); }),
                 "container Frame9 of control Label1");
}

} // namespace
