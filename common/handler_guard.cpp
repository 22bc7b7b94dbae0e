#include "common/handler_guard.h"

#include "common/msgbox.h"
#include "common/runtime_error.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kErrorExitCode = 1;

void endProgramNow(int exitCode)
{
    // The error may come before the event loop runs (a window's load), and no later event of
    // the failed program may run, so the end is immediate. Files are written whole in one
    // step, so nothing is left half-written.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

// Whether an event would run some of the program's work: a timer, a finished download or any
// other queued call, a socket that became ready, a browser's own posted work.
bool isWork(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::Timer:
    case QEvent::ZeroTimerEvent:
    case QEvent::MetaCall:
    case QEvent::SockAct:
    case QEvent::SockClose:
        return true;
    default:
        return event->type() >= QEvent::User;
    }
}

// The report's box is the modal window on top; it and its parts keep working.
bool belongsToReport(const QObject *receiver)
{
    const QWidget *report = QApplication::activeModalWidget();
    if (!report)
        return false;
    if (const auto *window = qobject_cast<const QWindow *>(receiver))
        return window == report->windowHandle();
    for (const QObject *object = receiver; object; object = object->parent()) {
        if (object == report)
            return true;
    }
    return false;
}

// While a fatal error is reported, nothing else of the program runs, as with the run-time
// error of old: the box runs an event loop of its own, and every timer, download and browser
// would otherwise carry on behind it, fail again and stack box upon box.
class ProgramHalt : public QObject {
public:
    ProgramHalt() { QCoreApplication::instance()->installEventFilter(this); }
    ~ProgramHalt() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        return isWork(event) && !belongsToReport(receiver);
    }
};

void reportAndEnd(const RuntimeError &error)
{
    static bool reporting = false;
    // An error raised by what the report's own box lets through ends with that one report.
    if (reporting)
        return;
    reporting = true;
    {
        const ProgramHalt halt;
        MsgBox(error.message());
    }
    reporting = false;
    programEndSeam().get()(kErrorExitCode);
}

} // namespace

void runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        reportAndEnd(error);
    }
}

Replaceable<ProgramEndHandler> &programEndSeam()
{
    static Replaceable<ProgramEndHandler> seam(endProgramNow);
    return seam;
}
