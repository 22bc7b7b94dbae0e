// The floors an idle query window is measured against: a window of its size with its two
// cycling labels, one on the window and one in a panel lying over the result area, recoloured
// once a second, and under them a plain widget, or a Qt WebEngine view showing a page, drawn
// in software as Ravoskel draws it or through OpenGL as Qt does by default.
// bench/query/idle_cpu_row.sh measures them beside the whole Ravoskel.
//
//   idle_floor_window plain|browser|browser-opengl
#include "common/look.h"
#include "common/twips.h"
#include "query/color_cycle.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QQuickWindow>
#include <QTimer>
#include <QWebEngineView>

namespace {

QLabel *label(QWidget *container, const QRect &twips, const QString &text)
{
    auto *label = new QLabel(text, container);
    label->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

void cycle(QLabel *target, int first, int second, int third, int fourth)
{
    const int next =
        nextColorIndex(target->property("Tag").toString(), first, second, third, fourth);
    target->setProperty("Tag", QString::number(next));
    QPalette palette = target->palette();
    palette.setColor(QPalette::WindowText, paletteColor(next));
    target->setPalette(palette);
}

// Enough of a result page to fill the view.
QString resultPage()
{
    QString rows;
    for (int row = 1; row <= 60; ++row)
        rows += QStringLiteral("<tr><td>第%1号站点</td><td>第%1章 风起云涌</td></tr>").arg(row);
    return QStringLiteral("<html><body><table>") + rows + QStringLiteral("</table></body></html>");
}

} // namespace

int main(int argc, char **argv)
{
    const QByteArray under = argc > 1 ? QByteArray(argv[1]) : QByteArray("plain");
    const bool overBrowser = under.startsWith("browser");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (under == "browser")
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication application(argc, argv);
    installFontSubstitutions();
    QWidget window;
    window.setWindowTitle(QStringLiteral("idle floor over ") + QString::fromLatin1(under));
    window.setFont(songtiFont(9));
    window.setFixedSize(twipsRect(0, 0, 12405, 7530).size());
    QLabel *onWindow =
        label(&window, {7440, 240, 7335, 255},
              QStringLiteral("淘宝购物品牌商品折上打折！只有你想不到，没有你淘不到"));
    auto *frame = new QGroupBox(QStringLiteral("最新更新信息"), &window);
    frame->setGeometry(twipsRect(120, 600, 12135, 6735));
    const QRect resultArea = twipsRect(120, 240, 11895, 6375);
    if (overBrowser) {
        auto *view = new QWebEngineView(frame);
        view->setGeometry(resultArea);
        view->setHtml(resultPage());
    } else {
        (new QWidget(frame))->setGeometry(resultArea);
    }
    auto *panel = new QWidget(&window);
    panel->setGeometry(twipsRect(240, 840, 11630, 1455));
    panel->setAutoFillBackground(true);
    QLabel *inPanel =
        label(panel, {240, 960, 5175, 255},
              QStringLiteral("马上安装新毒霸(安全上网，网购盗号不用怕，被盗毒霸赔你钱)"));
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        cycle(onWindow, 5, 6, 9, 12);
        cycle(inPanel, 6, 9, 5, 12);
    });
    timer.start(1000);
    window.show();
    return QApplication::exec();
}
