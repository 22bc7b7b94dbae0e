// The reference site as a program of its own, for demos: the novel-search site and the
// author's pages on 127.0.0.1, with a chapter of one novel published every so often so the
// programs have something to announce.

#include "site/reference_site.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdlib>
#include <limits>

namespace {

const QString kDemoNovel = QStringLiteral("校花的贴身高手");

struct SiteOptions {
    quint16 port;
    int publishEverySeconds;
    QString versionText;
};

SiteOptions parseOptions(const QCoreApplication &application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ravoskel reference site for demos."));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port on 127.0.0.1."),
                                  QStringLiteral("port"), QStringLiteral("8964"));
    const QCommandLineOption publishEvery(
        QStringLiteral("publish-every"),
        QStringLiteral("Publish a chapter of %1 every N seconds (0 = never).").arg(kDemoNovel),
        QStringLiteral("seconds"), QStringLiteral("60"));
    const QCommandLineOption versionText(QStringLiteral("version-text"),
                                         QStringLiteral("Newest version the version page "
                                                        "announces."),
                                         QStringLiteral("text"));
    parser.addOptions({port, publishEvery, versionText});
    parser.process(application);
    bool portIsNumber = false;
    bool intervalIsNumber = false;
    const SiteOptions options{parser.value(port).toUShort(&portIsNumber),
                              parser.value(publishEvery).toInt(&intervalIsNumber),
                              parser.value(versionText)};
    const int longestInterval = std::numeric_limits<int>::max() / 1000; // QTimer counts in ms
    if (!portIsNumber || !intervalIsNumber || options.publishEverySeconds < 0 ||
        options.publishEverySeconds > longestInterval) {
        QTextStream(stderr) << "--port and --publish-every take whole numbers" << Qt::endl;
        std::exit(2);
    }
    return options;
}

void printLine(const QString &line)
{
    QTextStream(stdout) << line << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const SiteOptions options = parseOptions(application);

    ReferenceSite site;
    site.setControlPagesEnabled(true);
    if (!options.versionText.isEmpty())
        site.setVersionText(options.versionText);
    QObject::connect(&site, &ReferenceSite::chapterPublished, &site,
                     [](const QString &title, const QString &chapter) {
                         printLine(QStringLiteral("published 《%1》 %2").arg(title, chapter));
                     });
    if (site.listen(options.port) == 0) {
        QTextStream(stderr) << "cannot listen on 127.0.0.1:" << options.port << Qt::endl;
        return 1;
    }
    site.setPublishInterval(kDemoNovel, options.publishEverySeconds * 1000);
    printLine(QStringLiteral("Ravoskel reference site listening on %1").arg(site.baseAddress()));
    return application.exec();
}
