#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

// A downloaded page as the monitor keeps it: the text as served, and the line that carries
// the chapter, read back from the page's ANSI file.
struct ConvertedPage {
    QString text;
    QString chapterLine;
};

// Turns a downloaded page into the monitor's two files off the window's thread: the body
// written to the raw file, read back as UTF-8, its text written to the ANSI file in the ANSI
// code page followed by CR LF, that file read back and the chapter line taken from it. A page
// of 10 MB takes some hundred milliseconds to write, sync and convert, which the window would
// otherwise stand still for. Deleting the object abandons the conversion: finished() never
// comes, and no file is written that was not already being written.
class PageConversion : public QObject {
    Q_OBJECT
public:
    PageConversion(const QByteArray &body, const QString &rawPageFile, const QString &ansiPageFile,
                   QObject *parent);
    ~PageConversion() override;

    // Once finished: the page, or the run-time error the conversion met, raised here on the
    // window's thread as if the window had done the work itself.
    ConvertedPage result() const;

Q_SIGNALS:
    void finished();

private:
    struct Job;
    std::shared_ptr<Job> m_job;
};
