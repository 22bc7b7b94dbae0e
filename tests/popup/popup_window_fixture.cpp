#include "popup_window_fixture.h"

#include <QGuiApplication>
#include <QScreen>

void PopupWindow::TearDown()
{
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(ends.exitCodes.empty());
}

QLabel *PopupWindow::label(const QString &name) const
{
    return form.findChild<QLabel *>(name);
}

QRect PopupWindow::screenRect()
{
    return QGuiApplication::primaryScreen()->geometry();
}

int PopupWindow::tickUntilAtRest(Form4 &window)
{
    for (int ticks = 0; ticks < 10000; ++ticks) {
        const QPoint before = window.frameGeometry().topLeft();
        window.Timer1_Timer();
        if (window.frameGeometry().topLeft() == before)
            return ticks;
    }
    ADD_FAILURE() << "the window never came to rest";
    return -1;
}

void PopupWindow::expectProgramEndedWithError()
{
    ASSERT_EQ(ends.exitCodes.size(), 1u);
    EXPECT_NE(ends.exitCodes[0], 0);
    messages.texts.clear();
    ends.exitCodes.clear();
}
