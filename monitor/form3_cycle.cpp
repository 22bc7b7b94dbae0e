// Starting and stopping the monitor, the two alert checks and the two alert try-outs.

#include "monitor/form3.h"

#include "common/click_label.h"
#include "common/launcher.h"
#include "common/line_model.h"
#include "common/msgbox.h"
#include "common/program_identity.h"
#include "common/temp_folder.h"
#include "common/text_file.h"
#include "monitor/alert_player.h"
#include "monitor/chapter_change.h"
#include "monitor/check_interval.h"
#include "monitor/monitor_files.h"
#include "monitor/monitor_settings.h"
#include "monitor/page_download.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

void Form3::Command1_Click()
{
    const std::optional<int> interval = parseCheckInterval(Text5->text());
    if (!interval) {
        MsgBox(kBadIntervalMessage);
        return;
    }
    storeMonitorSettings(Text1->text(), Text5->text());
    writePrintLine(tempFilePath(kTitleHandoffFile), Text1->text());
    Command1->setEnabled(false);
    Command2->setEnabled(true);
    Text1->setEnabled(false);
    Timer2->setInterval(*interval);
    Timer2->start();
    // A folder of that name counts too; reading it then fails like any unreadable file.
    if (QFileInfo::exists(kRememberedPageFile))
        Label2->setText(lineAt(LoadTextFile(kRememberedPageFile), kChapterLine));
    else
        armCurrentChapterFetch();
}

void Form3::armCurrentChapterFetch()
{
    Timer1->start(kCurrentChapterDelayMs);
}

void Form3::Command2_Click()
{
    switchEverythingOff();
    returnToIdle();
}

bool Form3::chapterLinesDiffer() const
{
    // A start without a remembered page fetches the baseline first; until it is in, the
    // current chapter may still show the line of the novel watched before, and comparing the
    // new novel's server line with it would raise a false alert.
    const bool baselinePending = Timer1->isActive() || m_currentChapterDownload;
    if (Timer2->isActive() && baselinePending)
        return false;
    return chapterChanged(Label2->text(), Label5->text());
}

void Form3::Timer3_Timer()
{
    if (!chapterLinesDiffer())
        return;
    popUpAlert();
    stopMonitoringAfterAlert();
}

void Form3::Timer4_Timer()
{
    if (!chapterLinesDiffer())
        return;
    playAlertSound();
    stopMonitoringAfterAlert();
    Timer4->stop();
}

void Form3::stopMonitoringAfterAlert()
{
    // The new page becomes the baseline a second later; monitoring waits for a new start.
    armCurrentChapterFetch();
    switchServerFetchOff();
    Timer3->stop();
    returnToIdle();
    Q_EMIT queryWindowRequested();
}

void Form3::Command4_Click()
{
    playAlertSound();
}

void Form3::Command5_Click()
{
    writePrintLine(tempFilePath(kTitleHandoffFile), kDemoNotice);
    startSystemProgram(kPopupProgramFile);
}

void Form3::popUpAlert()
{
    // A demonstration since the start would otherwise have the popup name the demo text.
    writePrintLine(tempFilePath(kTitleHandoffFile), Text1->text());
    startSystemProgram(kPopupProgramFile);
}

void Form3::playAlertSound()
{
    WindowsMediaPlayer1->play(kAlertSoundFile);
}

void Form3::returnToIdle()
{
    Command2->setEnabled(false);
    Command1->setEnabled(true);
    Text1->setEnabled(true);
}

void Form3::switchCurrentFetchOff()
{
    Timer1->stop();
    delete m_currentChapterDownload;
}

void Form3::switchServerFetchOff()
{
    Timer2->stop();
    delete m_serverChapterDownload;
}

void Form3::switchEverythingOff()
{
    switchCurrentFetchOff();
    switchServerFetchOff();
    Timer3->stop();
    Timer4->stop();
}
