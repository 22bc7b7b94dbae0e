#pragma once

#include "common/controls.h"
#include "monitor/fetch_pause.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class AlertPlayer;
struct ConvertedPage;
class ClickLabel;
class PageDownload;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QNetworkAccessManager;
class QPushButton;
class QTimer;

// The update monitor: watches one novel's result page on the search site and, when the line
// that carries the newest chapter changes, alerts the user with the popup program, a spoken
// notice, or both. Its whole state is in its controls: the timers' activity, the buttons'
// and the name box's Enabled flags and the two chapter captions.
class Form3 : public QWidget {
    Q_OBJECT

public:
    // Builds the controls only; Form_Load does what opening the window does.
    explicit Form3(QWidget *parent = nullptr);
    ~Form3() override;

    // Every control as the window was laid out; the help text names the microblog's address.
    static QList<ControlDesign> design();

public Q_SLOTS:
    void Form_Load();

    void Command1_Click(); // 开始检测
    void Command2_Click(); // 停止检查
    void Command3_Click(); // 更换小说
    void Command4_Click(); // 试听
    void Command5_Click(); // 示范
    void Label2_Click();   // either chapter line, Label2 or Label5
    void Label6_Click();

    void Timer1_Timer(); // the current-chapter fetch
    void Timer2_Timer(); // the server-chapter fetch
    void Timer3_Timer(); // the popup check
    void Timer4_Timer(); // the sound check

Q_SIGNALS:
    // The query window should be shown, created anew if it was closed.
    void queryWindowRequested();
    // A fetch has completed; an abandoned one never reports.
    void currentChapterFetchFinished(bool succeeded);
    void serverChapterFetchFinished(bool succeeded);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    using FetchReport = void (Form3::*)(bool);

    void buildNovelFrame(const QList<ControlDesign> &layout);
    void buildIntervalFrame(const QList<ControlDesign> &layout);
    void buildAlertFrame(const QList<ControlDesign> &layout);
    void buildChapterLabels(const QList<ControlDesign> &layout);
    void buildHiddenControls(const QList<ControlDesign> &layout);
    void buildTimers();
    void connectHandlers();

    // The current-chapter fetch comes this long after it is asked for.
    static constexpr int kCurrentChapterDelayMs = 1000;

    void placeAtTopRightCorner();
    void armCurrentChapterFetch();
    void switchCurrentFetchOff();
    void switchServerFetchOff();
    void switchEverythingOff();
    void returnToIdle();
    bool chapterLinesDiffer() const;
    void stopMonitoringAfterAlert();
    void popUpAlert();
    void playAlertSound();

    // Where a fetch puts the page as served and its ANSI text.
    struct PageFiles {
        QString raw;
        QString ansi;
    };
    void fetchPage(QPointer<PageDownload> &inFlight, const PageFiles &files,
                   std::function<void(const ConvertedPage &)> remainingSteps, FetchReport report);
    void takeChapterLine(const ConvertedPage &page, QLabel *caption);
    void finishCurrentChapterFetch(const ConvertedPage &page);
    void finishServerChapterFetch(const ConvertedPage &page);

    QGroupBox *Frame1 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command2 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLabel *Label7 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command4 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label1 = nullptr;
    ClickLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    ClickLabel *Label5 = nullptr;
    ClickLabel *Label6 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    AlertPlayer *WindowsMediaPlayer1 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer4 = nullptr;

    QNetworkAccessManager *m_network = nullptr;
    // The downloads in flight, one of each kind at most, each until its page is converted;
    // what the blocking download of old kept on the call stack.
    QPointer<PageDownload> m_currentChapterDownload;
    QPointer<PageDownload> m_serverChapterDownload;
    // A pause the site asked for holds both fetches back.
    FetchPause m_sitePause;
};
