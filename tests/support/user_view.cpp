#include "tests/support/user_view.h"

#include "common/twips.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QCoreApplication::sendEvent(widget, &commit);
        }
    }
}

void doubleClick(QWidget *widget, QPoint point)
{
    if (point.isNull())
        point = widget->rect().center();
    QTest::mouseDClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                       widget->mapTo(widget->window(), point));
}

namespace {

// Where a box takes keys: a combo box's text field, or the box itself.
QWidget *textFieldOf(QWidget *box)
{
    auto *combo = qobject_cast<QComboBox *>(box);
    return combo ? combo->lineEdit() : box;
}

} // namespace

void typeOver(QWidget *box, const QString &text)
{
    QWidget *field = textFieldOf(box);
    QTest::mouseClick(field, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->hasFocus(); }));
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    typeText(field, text);
}

void pasteText(QWidget *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(textFieldOf(box), Qt::Key_V, Qt::ControlModifier);
}

QRect inkRect(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    return inkRect(image, image.rect(), image.pixel(image.width() - 1, image.height() - 1));
}

QRect inkRect(const QImage &image, const QRect &area, QRgb background)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

QRect placeInWindow(const QList<ControlDesign> &design, const QString &name)
{
    QRect twips = designOf(design, name).twips;
    for (QString container = designOf(design, name).container;
         std::any_of(design.begin(), design.end(),
                     [&](const ControlDesign &control) { return control.name == container; });
         container = designOf(design, container).container)
        twips.translate(designOf(design, container).twips.topLeft());
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

namespace {

QString shownText(const QWidget *control)
{
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    return control->property("text").toString();
}

} // namespace

void expectSeenAs(const QWidget &window, const QList<SeenControl> &controls)
{
    for (const SeenControl &control : controls) {
        SCOPED_TRACE(control.name);
        const auto *built = window.findChild<QWidget *>(QLatin1String(control.name));
        ASSERT_NE(built, nullptr);
        EXPECT_EQ(QRect(built->mapTo(&window, QPoint(0, 0)), built->size()), control.place);
        EXPECT_EQ(shownText(built), control.text);
    }
}
