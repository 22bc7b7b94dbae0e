#pragma once

#include "form3.h"
#include "reference_site.h"
#include "seam_recorders.h"
#include "test_environment.h"

#include <QStringList>

#include <memory>

class QTimer;

// Records the sounds the monitor would play instead of playing them.
class SoundRecorder {
public:
    SoundRecorder();
    ~SoundRecorder();
    QStringList played;
};

// A monitor window opened against the reference site on loopback, with every platform
// service recorded instead of carried out.
class MonitorTest : public FreshFolders {
protected:
    MonitorTest();
    ~MonitorTest() override;

    template <typename Control> Control *control(const QString &name) const
    {
        return form->findChild<Control *>(name);
    }
    QTimer *timer(const QString &name) const;
    QString text(const QString &name) const; // a label's caption or a text box's text
    void setText(const QString &name, const QString &text) const;
    void check(const QString &name) const;

    // Raise the fetch timers' handlers and wait until the fetch has completed.
    bool serverFetch() const;
    bool currentFetch() const;
    void startMonitoring() const; // Text1 = the test's novel; Text5 as loaded

    QStringList popupStarts() const; // programs started, in order
    QString readAnsi(const QString &fileName) const;

    const QString novel = QStringLiteral("斗破苍穹 测试版");
    MessageBoxRecorder boxes;
    LaunchRecorder launches;
    ProgramEndRecorder ends;
    SoundRecorder sounds;
    ReferenceSite site;
    std::unique_ptr<Form3> form;
};
