#pragma once

#include <QWebEnginePage>

// A page that, when silent, raises no dialog of its own: script alerts, confirms, prompts
// and console chatter are swallowed, a page that asks to stay is left, and certificate
// problems are refused without asking. No page keeps an HTTP cache: see the constructor.
class BrowserPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit BrowserPage(QObject *parent = nullptr);

    bool isSilent() const { return m_silent; }
    void setSilent(bool silent) { m_silent = silent; }

protected:
    void javaScriptAlert(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &message,
                          const QString &defaultValue, QString *result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;

private:
    bool m_silent = false;
};
