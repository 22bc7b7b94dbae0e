#pragma once

#include "common/controls.h"

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <functional>

class BrowserPage;
class QWidget;

// The embedded browser the windows know: silent or not, navigated by address only, telling
// when a document has finished, and handing out the texts of a document's elements. A
// browser with a view is drawn in its container; one without is a page nobody sees. Each
// platform has its own engine behind it (browser_webengine.cpp, browser_activex.cpp).
class Browser : public QObject {
    Q_OBJECT
public:
    // A browser drawn in the window where the window's design places it.
    Browser(QWidget *window, const QList<ControlDesign> &design, const QString &name);
    // A browser with no view, owned by the given window.
    Browser(const QString &name, QWidget *owner);

    bool Silent() const;
    void setSilent(bool silent);

    // Both return at once; a navigation started while another runs replaces it.
    void Navigate(const QUrl &address);
    void Navigate2(const QUrl &address);

    // Where the browser is drawn; none for a browser without a view.
    QWidget *view() const { return m_view; }
    // What loads the documents: a web engine page on Linux, the system's control on Windows.
    BrowserPage *page() const { return m_page; }

    // The innerText of every element of the top-level document, in document order, with
    // line breaks as CR LF. The answer comes later, on the window's thread, and only when the
    // texts could be read.
    void collectElementTexts(const std::function<void(const QStringList &texts)> &done);

Q_SIGNALS:
    // A document finished loading; ok only when it loaded and the server answered 2xx (an
    // error page completes too, with ok false).
    void DocumentComplete(bool ok);

private:
    void wirePage();

    BrowserPage *m_page = nullptr;
    QWidget *m_view = nullptr;
};
