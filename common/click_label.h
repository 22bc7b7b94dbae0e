#pragma once

#include <QLabel>

// A label that reports a click, as the windows' link labels need. A double click is one
// click followed by a double-click event, which no label answers: it opens its page or
// starts its program once, not twice.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The release that ends a double click is no second click.
    bool m_endingDoubleClick = false;
};
