#pragma once

#include "form1.h"
#include "reference_site.h"
#include "seam_recorders.h"
#include "test_environment.h"

#include <memory>

// A query window in a fresh program folder (the working folder, as when the program is
// started from its own folder), its outside addresses pointing at an in-process site.
class QueryWindowTest : public FreshFolders {
protected:
    QueryWindowTest();
    ~QueryWindowTest() override;

    // Creates the window, runs its load and shows it, as the program does at start.
    Form1 &openWindow();
    template <typename Control> Control *control(const QString &name) const
    {
        Control *found = m_window->findChild<Control *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    void writeListFile(const QByteArray &bytes) const;
    // Clicks into the title box and types the title over what it holds.
    void typeTitle(const QString &title);
    // Waits until the result browser has finished a page and returns its text.
    QString resultPageText();

    ReferenceSite site;
    MessageBoxRecorder boxes;
    LaunchRecorder launches;
    ProgramEndRecorder ends;
    std::unique_ptr<Form1> m_window;
};
