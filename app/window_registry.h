#pragma once

#include "monitor/form3.h"
#include "query/form1.h"
#include "query/form2.h"

#include <QObject>
#include <QPointer>

// The main program's windows: one instance of each, created on demand and created anew
// after it was closed. A window asks for another through a signal; the registry runs a new
// window's load after wiring it and before showing it.
class WindowRegistry : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    Form1 *queryWindow() const { return m_query; }
    Form2 *supportWindow() const { return m_support; }
    Form3 *monitorWindow() const { return m_monitor; }

public Q_SLOTS:
    void showQueryWindow();
    void showSupportWindow();
    void showMonitorWindow();

private:
    QPointer<Form1> m_query;
    QPointer<Form2> m_support;
    QPointer<Form3> m_monitor;
};
