#include "app/browser_views.h"

#include <QCoreApplication>
#include <QQuickWindow>

void prepareBrowserViews()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // A window holding a browser view that draws through OpenGL is recomposed whole, through
    // OpenGL, at every repaint of any label in it, and the query window recolours two labels
    // every second: on a desktop without a graphics card that alone kept a core 1 % busy.
    // Drawn in software, the view takes part in ordinary widget painting, and a label's
    // repaint costs what it costs in any window. A page of search results needs no more.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}
