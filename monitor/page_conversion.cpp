#include "monitor/page_conversion.h"

#include "common/line_model.h"
#include "common/runtime_error.h"
#include "common/text_file.h"
#include "monitor/page_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QThreadPool>

#include <atomic>
#include <optional>

// Shared by the window's thread and the worker. The worker touches only the files, the flag
// and its results; the owner pointer is read on the window's thread alone.
struct PageConversion::Job {
    QByteArray body;
    QString rawPageFile;
    QString ansiPageFile;
    std::atomic<bool> abandoned = false;
    QPointer<PageConversion> owner;
    ConvertedPage page;
    std::optional<int> errorNumber;

    void run()
    {
        try {
            if (abandoned)
                return;
            writeFileBytes(rawPageFile, body);
            body.clear();
            page.text = ReadFile(rawPageFile, QStringLiteral("utf-8"));
            if (abandoned)
                return;
            writePrintLine(ansiPageFile, page.text);
            page.chapterLine = lineAt(LoadTextFile(ansiPageFile), kChapterLine);
        } catch (const RuntimeError &error) {
            errorNumber = error.number();
        }
    }
};

PageConversion::PageConversion(const QByteArray &body, const QString &rawPageFile,
                               const QString &ansiPageFile, QObject *parent)
    : QObject(parent)
    , m_job(std::make_shared<Job>())
{
    m_job->body = body;
    // Bare names are taken in the working folder of the moment the page came in.
    m_job->rawPageFile = QFileInfo(rawPageFile).absoluteFilePath();
    m_job->ansiPageFile = QFileInfo(ansiPageFile).absoluteFilePath();
    m_job->owner = this;
    QThreadPool::globalInstance()->start([job = m_job] {
        job->run();
        if (job->abandoned)
            return;
        // The report travels as an event to the window's thread, where the owner is looked
        // for: gone by then, it was abandoned.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [job] {
                if (job->owner)
                    Q_EMIT job->owner->finished();
            },
            Qt::QueuedConnection);
    });
}

PageConversion::~PageConversion()
{
    m_job->abandoned = true;
}

ConvertedPage PageConversion::result() const
{
    if (m_job->errorNumber)
        throw RuntimeError(*m_job->errorNumber);
    return m_job->page;
}
