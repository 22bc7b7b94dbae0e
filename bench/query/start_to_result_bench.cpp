// The main program's start against the floor of one bare web view loading a page, launched in
// turns against the same loopback site: process start to the automatic query's request
// reaching the site, to the query window first mapped by the X server, and to the result
// page's load finishing (its onload asks the site for one more address). Needs an X server
// without a window manager: run_start_bench.sh.
//   start_to_result_bench <program folder> <floor program> [rounds]

#include "bench/common/stall_probe.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHttpServer>
#include <QHttpServerResponder>
#include <QProcess>
#include <QSocketNotifier>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextStream>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

constexpr int kPatienceMs = 60000;
const QString kProgramName = QStringLiteral("Ravoskelv1.3.6");
// The query window's caption starts so; the support window, shown before it, and message
// boxes have others.
const QByteArray kQueryCaption = (kProgramName + QStringLiteral("---")).toUtf8();
const QString kTitle = QStringLiteral("凡人修仙传");

// Its text, one element a line, has the version on the third line of what is saved.
const QByteArray kVersionPage =
    QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>version</title></head><body>"
        "<div>Ravoskel 版本信息</div><div>%1</div><div>新版本请到下载页获取</div></body></html>")
        .arg(kProgramName)
        .toUtf8();

const QByteArray kResultPage =
    QByteArrayLiteral("<html><head><meta charset=\"utf-8\"><title>result</title></head>"
                      "<body onload=\"new Image().src='/loaded?' + Date.now()\">"
                      "<table><tr><td>第一千二百章 飞升灵界</td></tr></table></body></html>");

struct Times {
    std::optional<double> request;
    std::optional<double> shown;
    std::optional<double> loaded;
};

// The X server's top-level maps, with the caption of each window mapped.
class MapWatch : public QObject {
public:
    MapWatch()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            qFatal("no X display to watch");
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, root, XCB_CW_EVENT_MASK, &mask);
        m_nameAtom = atom("_NET_WM_NAME");
        m_utf8Atom = atom("UTF8_STRING");
        xcb_flush(m_connection);
        m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection),
                                                       QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, &MapWatch::readEvents);
    }
    ~MapWatch() override { xcb_disconnect(m_connection); }

    std::function<void(const QByteArray &caption)> onMap;

private:
    xcb_atom_t atom(const char *name)
    {
        const auto cookie = xcb_intern_atom(m_connection, 0, strlen(name), name);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(m_connection, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    QByteArray caption(xcb_window_t window)
    {
        const auto cookie =
            xcb_get_property(m_connection, 0, window, m_nameAtom, m_utf8Atom, 0, 256);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(m_connection, cookie, nullptr), &std::free);
        if (!reply)
            return {};
        return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    }

    void readEvents()
    {
        while (auto *event = xcb_poll_for_event(m_connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event,
                                                                                   &std::free);
            if ((event->response_type & ~0x80) != XCB_MAP_NOTIFY)
                continue;
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
            if (!map->override_redirect && onMap)
                onMap(caption(map->window));
        }
    }

    xcb_connection_t *m_connection;
    xcb_atom_t m_nameAtom = XCB_ATOM_NONE;
    xcb_atom_t m_utf8Atom = XCB_ATOM_NONE;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

class StartBench {
public:
    StartBench(const QString &programFolder, QString floorProgram)
        : m_floorProgram(std::move(floorProgram))
    {
        m_server.route("/searchname.aspx", [this] {
            stamp(m_times.request);
            return QHttpServerResponse("text/html; charset=utf-8", kResultPage);
        });
        m_server.route("/loaded", [this] {
            stamp(m_times.loaded);
            return QHttpServerResponse(QHttpServerResponse::StatusCode::NoContent);
        });
        // The support page and anything else: a small page, as the author's site would answer.
        // The version page names this build's version, as the author's site does while it is
        // the newest: no new-version box holds the start.
        m_server.route("/VersionPage.html", [] {
            return QHttpServerResponse("text/html; charset=utf-8", kVersionPage);
        });
        m_server.setMissingHandler([](const QHttpServerRequest &, QHttpServerResponder &&reply) {
            reply.write(QByteArrayLiteral("<html><body>page</body></html>"), "text/html");
        });
        m_site =
            QStringLiteral("http://127.0.0.1:%1").arg(m_server.listen(QHostAddress::LocalHost));
        m_watch.onMap = [this](const QByteArray &caption) {
            if (!m_waitingForCaption || caption.startsWith(*m_waitingForCaption))
                stamp(m_times.shown);
        };
        layOutProgramFolder(programFolder);
    }

    Times ravoskel()
    {
        m_waitingForCaption = kQueryCaption;
        return launch(QDir(m_folder.path()).filePath("program/" + kProgramName), {},
                      QDir(m_folder.path()).filePath("program"));
    }

    Times floor()
    {
        m_waitingForCaption.reset();
        return launch(m_floorProgram, {m_site + QStringLiteral("/searchname.aspx?wd=x")},
                      m_folder.path());
    }

private:
    void stamp(std::optional<double> &moment)
    {
        if (!moment && m_clock.isValid())
            moment = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
    }

    // The program's own files, the title list holding one title, the addresses pointing to
    // this site, and a profile of its own that the rounds share, as a user's runs do.
    void layOutProgramFolder(const QString &programFolder)
    {
        const QDir folder(m_folder.path());
        folder.mkpath("program");
        for (const QString &name : {kProgramName, QStringLiteral("version1.ini"),
                                    QStringLiteral("version.ini"), QStringLiteral("vemomp3.mp3")})
            QFile::copy(QDir(programFolder).filePath(name), folder.filePath("program/" + name));
        QFile list(folder.filePath("program/QQ731508264.vemo"));
        list.open(QIODevice::WriteOnly);
        list.write(QStringEncoder("GBK").encode(kTitle + "\r\n"));
        folder.mkpath("config");
        QFile settings(folder.filePath("config/" + kProgramName + ".ini"));
        settings.open(QIODevice::WriteOnly);
        QTextStream out(&settings);
        out << "[Endpoints]\nSearchSite=" << m_site << "\n";
        for (const char *page : {"VersionPage", "SupportPage"})
            out << page << "=" << m_site << "/" << page << ".html\n";
        m_environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
            m_environment.insert(variable,
                                 folder.filePath(QString::fromLatin1(variable).toLower()));
        m_environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
    }

    Times launch(const QString &program, const QStringList &arguments, const QString &folder)
    {
        m_times = {};
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setWorkingDirectory(folder);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_clock.start();
        process.start(program, arguments);
        if (!runEventsUntil([this] { return m_times.loaded && m_times.shown && m_times.request; },
                            kPatienceMs))
            qWarning("%s: request %d, shown %d, loaded %d", qPrintable(program),
                     bool(m_times.request), bool(m_times.shown), bool(m_times.loaded));
        // A moment more for the version and support pages, which the next round's profile
        // then holds as a user's would.
        runEventsUntil([] { return false; }, 500);
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished();
        m_clock.invalidate();
        return m_times;
    }

    QTemporaryDir m_folder;
    QString m_floorProgram;
    QHttpServer m_server;
    QString m_site;
    MapWatch m_watch;
    QProcessEnvironment m_environment;
    QElapsedTimer m_clock;
    Times m_times;
    std::optional<QByteArray> m_waitingForCaption;
};

QString figure(const QList<double> &values)
{
    return values.isEmpty() ? QStringLiteral("-") : QString::number(median(values), 'f', 0);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 3)
        qFatal("usage: start_to_result_bench <program folder> <floor program> [rounds]");
    const int rounds = argc > 3 ? QString::fromLatin1(argv[3]).toInt() : 7;
    StartBench bench(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath(),
                     QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    // One round of each first, unmeasured: the profiles' first start sets them up.
    bench.floor();
    bench.ravoskel();
    QList<double> ours[3], floors[3];
    const auto add = [](QList<double> *into, const Times &times) {
        for (const auto &[list, value] : {std::pair{&into[0], times.request},
                                          {&into[1], times.shown},
                                          {&into[2], times.loaded}})
            if (value)
                list->append(*value);
    };
    for (int round = 0; round < rounds; ++round) {
        add(floors, bench.floor());
        add(ours, bench.ravoskel());
    }
    QTextStream out(stdout);
    out << "process start to ..., ms, median of " << rounds << " launches each\n";
    const char *names[] = {"the automatic query's request at the site", "the query window shown",
                           "the result page loaded"};
    for (int i = 0; i < 3; ++i) {
        out << QString::asprintf("%-44s Ravoskel %6s  one web view %6s  ratio %.2f\n", names[i],
                                 qPrintable(figure(ours[i])), qPrintable(figure(floors[i])),
                                 median(ours[i]) / median(floors[i]));
    }
    return 0;
}
