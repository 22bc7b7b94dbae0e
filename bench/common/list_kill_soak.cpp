// The title list file under SIGKILL. A child process rewrites a full list (32767 titles)
// through the programs' own writer, over and over, alternating between the list before and
// after one title was added at the limit, and is killed at a random moment. Each time the
// file must be byte for byte one of the two lists. Temporary files left beside it are
// counted and removed: a process killed in the middle of a write has no chance to remove its
// own. Kills that found the writer with a file of the folder open landed inside a rewrite.
//
//   list_kill_soak [kills, default 1000] [seed]
// Exits non-zero when the list file was ever anything but one of the two lists.

#include "common/ansi_codec.h"
#include "common/line_model.h"
#include "common/text_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <csignal>
#include <cstdlib>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kTitleLimit = 32767;
const QString kListName = QStringLiteral("QQ731508264.vemo");

QStringList fullList()
{
    QStringList titles;
    for (int i = 0; i < kTitleLimit; ++i)
        titles << QStringLiteral("小说第%1部").arg(i);
    return titles;
}

QByteArray listBytes(const QStringList &titles)
{
    return toAnsi(titles.join(kLineEnd) + kLineEnd);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

[[noreturn]] void rewriteUntilKilled(const QString &path, const QStringList &before,
                                     const QStringList &after)
{
    for (;;) {
        writeLines(path, after);
        writeLines(path, before);
    }
}

// Milliseconds one rewrite of the full list takes here, so the kills can be spread over a
// few whole rewrites and land at every stage of one.
double rewriteMilliseconds(const QString &path, const QStringList &titles)
{
    constexpr int kRounds = 20;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kRounds; ++i)
        writeLines(path, titles);
    return clock.nsecsElapsed() / 1e6 / kRounds;
}

// Whether the process has a file of the folder open: its new list, not yet in place.
bool isWritingInto(pid_t process, const QString &folder)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(process);
    const QByteArray prefix = folder.toLocal8Bit();
    for (const QString &fd : QDir(fds).entryList(QDir::Files | QDir::System)) {
        char target[4096];
        const ssize_t size =
            readlink(QFile::encodeName(fds + u'/' + fd).constData(), target, sizeof target);
        if (size > 0 && QByteArray(target, size).startsWith(prefix))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed =
        argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : std::random_device()();
    QTextStream out(stdout);
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString path = dir.filePath(kListName);

    const QStringList before = fullList();
    QStringList after = before;
    after.removeLast();
    after.prepend(QStringLiteral("新书一部"));
    const QByteArray beforeBytes = listBytes(before);
    const QByteArray afterBytes = listBytes(after);

    const double rewrite = rewriteMilliseconds(path, before);
    std::mt19937 random(seed);
    std::uniform_int_distribution<useconds_t> delay(0, static_cast<useconds_t>(rewrite * 4000));
    int asBefore = 0, asAfter = 0, partial = 0, killsInsideARewrite = 0;
    int killsLeavingTemporaries = 0, temporaries = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kills; ++i) {
        const pid_t writer = fork();
        if (writer == 0)
            rewriteUntilKilled(path, before, after);
        usleep(delay(random));
        killsInsideARewrite += isWritingInto(writer, folder.path());
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);

        const QByteArray bytes = bytesOf(path);
        asBefore += bytes == beforeBytes;
        asAfter += bytes == afterBytes;
        if (bytes != beforeBytes && bytes != afterBytes) {
            ++partial;
            QFile::copy(path, QStringLiteral("partial-%1.vemo").arg(i)); // kept for a look
        }
        int staleHere = 0;
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
            if (name != kListName && QFile::remove(dir.filePath(name)))
                ++staleHere;
        }
        temporaries += staleHere;
        killsLeavingTemporaries += staleHere > 0;
    }

    out << "seed " << seed << ", one rewrite " << QString::number(rewrite, 'f', 1)
        << " ms, kills spread over 0-" << QString::number(rewrite * 4, 'f', 1) << " ms\n"
        << "kills: " << kills << " in " << QString::number(clock.elapsed() / 1000.0, 'f', 1)
        << " s, " << killsInsideARewrite << " of them inside a rewrite\n"
        << "list file as before the add: " << asBefore << "\n"
        << "list file as after the add: " << asAfter << "\n"
        << "list file anything else: " << partial << "\n"
        << "kills that left a temporary file: " << killsLeavingTemporaries << " (" << temporaries
        << " files)\n";
    return partial == 0 ? 0 : 1;
}
