// The floor Pingrel is measured against: the least a Qt Widgets program does to show one
// window, at the popup's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(640, 74);
    window.show();
    return QApplication::exec();
}
