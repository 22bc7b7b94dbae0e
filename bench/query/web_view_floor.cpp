// The floor of the main program's start: one bare web view launched to load a page, the
// address given as the only argument, at the size of the query window's result view.
#include <QApplication>
#include <QWebEngineView>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    QWebEngineView view;
    view.resize(793, 425);
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    view.show();
    return QApplication::exec();
}
