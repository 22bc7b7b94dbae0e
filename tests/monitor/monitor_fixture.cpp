#include "monitor_fixture.h"

#include "alert_player.h"
#include "settings_store.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTimer>

SoundRecorder::SoundRecorder()
{
    replaceSoundHandler([this](const QString &fileName) { played.append(fileName); });
}

SoundRecorder::~SoundRecorder()
{
    replaceSoundHandler({});
}

MonitorTest::MonitorTest()
{
    const quint16 port = site.listen();
    EXPECT_NE(port, 0);
    site.addNovel(novel, {QStringLiteral("第1章 出山"), QStringLiteral("第2章 下山")});
    writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"), site.baseAddress());
    form = std::make_unique<Form3>();
    form->Form_Load();
}

MonitorTest::~MonitorTest()
{
    form.reset();
    EXPECT_TRUE(ends.exitCodes.empty()) << "the monitor reported an error and ended";
}

QTimer *MonitorTest::timer(const QString &name) const
{
    return control<QTimer>(name);
}

QString MonitorTest::text(const QString &name) const
{
    if (auto *label = control<QLabel>(name))
        return label->text();
    return control<QLineEdit>(name)->text();
}

void MonitorTest::setText(const QString &name, const QString &text) const
{
    if (auto *label = control<QLabel>(name))
        label->setText(text);
    else
        control<QLineEdit>(name)->setText(text);
}

void MonitorTest::check(const QString &name) const
{
    control<QCheckBox>(name)->setChecked(true);
}

namespace {

bool raiseAndWait(Form3 &form, void (Form3::*handler)(), void (Form3::*finished)(bool))
{
    QSignalSpy spy(&form, finished);
    (form.*handler)();
    if (!spy.wait(10000))
        return false;
    return spy.first().first().toBool();
}

} // namespace

bool MonitorTest::serverFetch() const
{
    return raiseAndWait(*form, &Form3::Timer2_Timer, &Form3::serverChapterFetchFinished);
}

bool MonitorTest::currentFetch() const
{
    return raiseAndWait(*form, &Form3::Timer1_Timer, &Form3::currentChapterFetchFinished);
}

void MonitorTest::startMonitoring() const
{
    setText(QStringLiteral("Text1"), novel);
    form->Command1_Click();
}

QStringList MonitorTest::popupStarts() const
{
    QStringList programs;
    for (const LaunchRequest &request : launches.requests) {
        if (request.intent == LaunchRequest::Intent::StartProgram)
            programs << request.target;
    }
    return programs;
}

QString MonitorTest::readAnsi(const QString &fileName) const
{
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    QStringDecoder gbk("GBK");
    return gbk.decode(file.readAll());
}
