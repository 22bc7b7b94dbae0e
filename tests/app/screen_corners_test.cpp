#include "monitor/form3.h"
#include "popup/form4.h"
#include "tests/support/effects.h"
#include "tests/support/handoff_files.h"
#include "tests/support/test_environment.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

// The primary screen lies right of another one, and lower: the monitor's corner and the
// popup's slide belong on it all the same.
using ScreenCorners = FreshFolders;

TEST_F(ScreenCorners, TheMonitorAndThePopupKeepToThePrimaryScreen)
{
    const QRect primary = QGuiApplication::primaryScreen()->geometry();
    ASSERT_NE(primary.topLeft(), QPoint(0, 0)) << "the suite runs with two screens";
    RecordedEffects recorded;
    Form3 monitor;
    monitor.Form_Load();
    monitor.show();
    EXPECT_EQ(monitor.frameGeometry().topRight(), primary.topRight());

    Form4 popup;
    popup.Form_Load();
    popup.show();
    const int restingTop = primary.bottom() + 1 - popup.frameGeometry().height();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup.frameGeometry().top() <= restingTop; }));
    const QRect rest = popup.frameGeometry();
    EXPECT_EQ(rest.right(), primary.right());
    EXPECT_EQ(rest.top(), popupRestingTop(primary.bottom() + 1, rest.height()));
    EXPECT_EQ(recorded.effects, QStringList());
}

} // namespace
