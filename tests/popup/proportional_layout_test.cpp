#include "popup_window_fixture.h"

#include "twips.h"

#include <QTest>
#include <QTimer>

#include <map>

namespace {

// The labels' places as designed, in twips.
const std::map<QString, QRect> kDesignTwips = {
    {QStringLiteral("Label3"), QRect(2400, 360, 1935, 375)},
    {QStringLiteral("Label1"), QRect(-240, 360, 3135, 375)},
    {QStringLiteral("Label2"), QRect(-240, 360, 10215, 495)},
};

class ProportionalLayout : public PopupWindow {
protected:
    void SetUp() override
    {
        form.Form_Load();
        form.show();
        loadSize = form.size();
        points = form.font().pointSizeF();
    }

    // Resizes the shown window and waits until it has been re-laid for the new size.
    void resizeClient(double across, double down)
    {
        const QSize size(qRound(loadSize.width() * across), qRound(loadSize.height() * down));
        form.resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.size() == size; }));
    }

    void expectLayout(double across, double down, qreal fontPoints)
    {
        for (const auto &[name, twips] : kDesignTwips) {
            SCOPED_TRACE(name.toStdString());
            EXPECT_EQ(label(name)->geometry(),
                      QRect(twipsToPixels(twips.x() * across), twipsToPixels(twips.y() * down),
                            twipsToPixels(twips.width() * across),
                            twipsToPixels(twips.height() * down)));
            EXPECT_NEAR(label(name)->font().pointSizeF(), fontPoints, 1e-4);
        }
    }

    QSize loadSize;
    qreal points = 0;
};

TEST_F(ProportionalLayout, EachLabelKeepsItsDesignPlaceInItsTagAndTheTimerNone)
{
    for (const auto &[name, twips] : kDesignTwips) {
        EXPECT_EQ(label(name)->property("Tag").toString(), QStringLiteral("%1 %2 %3 %4 ")
                                                               .arg(twips.x())
                                                               .arg(twips.y())
                                                               .arg(twips.width())
                                                               .arg(twips.height()));
    }
    auto *timer = form.findChild<QTimer *>(QStringLiteral("Timer1"));
    EXPECT_TRUE(timer->property("Tag").toString().isEmpty());
    EXPECT_NO_THROW(form.ResizeForm());
    EXPECT_TRUE(timer->isActive());
}

TEST_F(ProportionalLayout, AtTheLoadSizeNothingMovesAndEveryLabelTakesTheFormsFont)
{
    QFont large = form.font();
    large.setPointSizeF(20);
    label(QStringLiteral("Label2"))->setFont(large);
    form.ResizeForm();
    expectLayout(1, 1, points);
}

TEST_F(ProportionalLayout, PlacesFollowTheClientAreaAndTheFontFollowsItsHeight)
{
    resizeClient(2, 2);
    expectLayout(2, 2, points * 2);
    resizeClient(1.5, 1);
    expectLayout(1.5, 1, points);
}

TEST_F(ProportionalLayout, AClientAreaWithoutHeightCollapsesTheLabelsAndRestoringBringsAllBack)
{
    resizeClient(1, 0);
    for (const auto &[name, twips] : kDesignTwips)
        EXPECT_EQ(QPoint(label(name)->y(), label(name)->height()), QPoint(0, 0))
            << name.toStdString();
    resizeClient(1, 1);
    expectLayout(1, 1, points);
}

} // namespace
