// The two fetches of the result page: the current chapter (the baseline, remembered between
// runs) and the server chapter (at every interval, handed on to the popup). Both download
// without blocking the window and carry on with their remaining steps when the page is in.

#include "monitor/form3.h"

#include "common/click_label.h"
#include "common/handler_guard.h"
#include "common/line_model.h"
#include "common/purge_batch.h"
#include "common/search_address.h"
#include "common/temp_folder.h"
#include "common/text_file.h"
#include "monitor/monitor_files.h"
#include "monitor/page_download.h"
#include "monitor/page_text.h"
#include "monitor/timer_switch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

void Form3::Timer1_Timer()
{
    // A tick that finds its fetch still in flight leaves it be.
    if (m_currentChapterDownload)
        return;
    // A fetch that succeeds switches the timer off. Should it fail, the next try waits the
    // interval the user chose for the site, as every server fetch does: a site in trouble is
    // not asked once a second, and until a baseline is in, no alert compares against one.
    Timer1->setInterval(Timer2->interval());
    if (!m_sitePause.isOver())
        return;
    fetchPage(
        m_currentChapterDownload, kRememberedPageFile, [this] { finishCurrentChapterFetch(); },
        &Form3::currentChapterFetchFinished);
}

void Form3::Timer2_Timer()
{
    if (m_serverChapterDownload || !m_sitePause.isOver())
        return;
    purgeBrowserCache(Text3->text(), Text4->text());
    fetchPage(
        m_serverChapterDownload, tempFilePath(kRawPageFile), [this] { finishServerChapterFetch(); },
        &Form3::serverChapterFetchFinished);
}

void Form3::fetchPage(QPointer<PageDownload> &inFlight, const QString &rawPageFile,
                      std::function<void()> remainingSteps, FetchReport report)
{
    PageDownload *download =
        DownloadFile(*m_network, searchUrl(Text1->text()), rawPageFile, pageHoldsChapterLine, this);
    inFlight = download;
    connect(download, &PageDownload::finished, this,
            [this, download, &inFlight, remainingSteps = std::move(remainingSteps),
             report](bool succeeded) {
                // Let go first: the remaining steps may switch this fetch's timer off.
                download->deleteLater();
                inFlight.clear();
                m_sitePause.extendBy(download->requestedPause());
                // A failed fetch ends here, quietly: its timer tries again at its next tick.
                if (succeeded)
                    runGuarded(remainingSteps);
                Q_EMIT(this->*report)(succeeded);
            });
}

void Form3::takeChapterLine(const QString &rawPageFile, const QString &ansiPageFile,
                            QLabel *caption)
{
    Text2->setText(ReadFile(rawPageFile, QStringLiteral("utf-8")));
    writePrintLine(ansiPageFile, Text2->text());
    caption->setText(lineAt(LoadTextFile(ansiPageFile), kChapterLine));
}

void Form3::finishCurrentChapterFetch()
{
    // The same file takes the page as served and then its ANSI text, which a later start
    // reads the baseline from.
    takeChapterLine(kRememberedPageFile, kRememberedPageFile, Label2);
    Timer1->stop();
}

void Form3::finishServerChapterFetch()
{
    takeChapterLine(tempFilePath(kRawPageFile), tempFilePath(kPageHandoffFile), Label5);
    if (Check1->isChecked())
        switchOn(Timer3);
    if (Check2->isChecked())
        switchOn(Timer4);
}
