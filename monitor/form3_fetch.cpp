// The two fetches of the result page: the current chapter (the baseline, remembered between
// runs) and the server chapter (at every interval, handed on to the popup). Both download the
// page, write and convert it without blocking the window, and carry on with their remaining
// steps when it is through.

#include "monitor/form3.h"

#include "common/click_label.h"
#include "common/handler_guard.h"
#include "common/purge_batch.h"
#include "common/search_address.h"
#include "common/temp_folder.h"
#include "monitor/monitor_files.h"
#include "monitor/page_conversion.h"
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
    // The same file takes the page as served and then its ANSI text, which a later start
    // reads the baseline from.
    fetchPage(
        m_currentChapterDownload, {kRememberedPageFile, kRememberedPageFile},
        [this](const ConvertedPage &page) { finishCurrentChapterFetch(page); },
        &Form3::currentChapterFetchFinished);
}

void Form3::Timer2_Timer()
{
    if (m_serverChapterDownload || !m_sitePause.isOver())
        return;
    purgeBrowserCache(Text3->text(), Text4->text());
    fetchPage(
        m_serverChapterDownload, {tempFilePath(kRawPageFile), tempFilePath(kPageHandoffFile)},
        [this](const ConvertedPage &page) { finishServerChapterFetch(page); },
        &Form3::serverChapterFetchFinished);
}

void Form3::fetchPage(QPointer<PageDownload> &inFlight, const PageFiles &files,
                      std::function<void(const ConvertedPage &)> remainingSteps, FetchReport report)
{
    PageDownload *download =
        DownloadFile(*m_network, searchUrl(Text1->text()), pageHoldsChapterLine, this);
    inFlight = download;
    // Let go first: the remaining steps may switch this fetch's timer off.
    const auto letGo = [download, &inFlight] {
        download->deleteLater();
        inFlight.clear();
    };
    connect(download, &PageDownload::finished, this,
            [this, download, files, letGo, report,
             remainingSteps = std::move(remainingSteps)](bool succeeded) {
                m_sitePause.extendBy(download->requestedPause());
                // A failed fetch ends here, quietly: its timer tries again at its next tick.
                if (!succeeded) {
                    letGo();
                    Q_EMIT(this->*report)(false);
                    return;
                }
                // The download stays in flight while its page is converted, and abandoning it
                // abandons the conversion with it.
                auto *conversion =
                    new PageConversion(download->body(), files.raw, files.ansi, download);
                connect(conversion, &PageConversion::finished, this,
                        [this, conversion, letGo, report, remainingSteps] {
                            letGo();
                            runGuarded([conversion, &remainingSteps] {
                                remainingSteps(conversion->result());
                            });
                            Q_EMIT(this->*report)(true);
                        });
            });
}

void Form3::takeChapterLine(const ConvertedPage &page, QLabel *caption)
{
    Text2->setText(page.text);
    caption->setText(page.chapterLine);
}

void Form3::finishCurrentChapterFetch(const ConvertedPage &page)
{
    takeChapterLine(page, Label2);
    Timer1->stop();
}

void Form3::finishServerChapterFetch(const ConvertedPage &page)
{
    takeChapterLine(page, Label5);
    if (Check1->isChecked())
        switchOn(Timer3);
    if (Check2->isChecked())
        switchOn(Timer4);
}
