#pragma once

#include "form4.h"
#include "handoff_files.h"
#include "seam_recorders.h"
#include "test_environment.h"

#include <QLabel>
#include <QString>

// A popup window in fresh folders. An error report is recorded instead of shown, so a test
// that meets one fails instead of waiting on a dialog; a test that expects one takes it.
class PopupWindow : public FreshFolders {
protected:
    void TearDown() override;
    QLabel *label(const QString &name) const;
    static QRect screenRect();
    // Ticks the slide by hand until the window stops moving; returns the ticks taken.
    static int tickUntilAtRest(Form4 &window);
    // Takes the reported error's end of the program, which must have been an error's.
    void expectProgramEndedWithError();

    MessageBoxRecorder messages;
    ProgramEndRecorder ends;
    Form4 form;
};
