#pragma once

#include <QAxWidget>
#include <QStringList>
#include <QUrl>

#include <optional>

// The system's WebBrowser control (Shell.Explorer.2) in a widget. Where the control cannot be
// created the widget stays a blank area and every call on it does nothing, as a form whose
// control failed to load showed nothing and said nothing.
class BrowserPage : public QAxWidget {
    Q_OBJECT
public:
    explicit BrowserPage(QWidget *parent);

    bool isSilent() const;
    void setSilent(bool silent);

    // Calls the control's navigation method of that name with the address alone.
    void navigate(const char *method, const QUrl &address);

    // The innerText of every element of the document's All collection, in document order;
    // nothing while there is no document to read.
    std::optional<QStringList> elementTexts();

Q_SIGNALS:
    // A document or one of its frames finished; ok unless its navigation failed.
    void documentComplete(bool ok);

private:
    void controlEvent(const QString &signature);

    bool m_navigationFailed = false;
};
