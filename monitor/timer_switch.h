#pragma once

#include <QTimer>

// A timer switched on while it already runs keeps its countdown. Restarting it instead would
// let a monitor interval shorter than the alert checks' push those checks back for ever.
inline void switchOn(QTimer *timer)
{
    if (!timer->isActive())
        timer->start();
}
