#include "common/ansi_codec.h"

#include <QMutex>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <bitset>
#include <map>

namespace {

constexpr char32_t kFirstNonAscii = 0x80;
constexpr char32_t kBmpEnd = 0x10000;
using BmpSet = std::bitset<kBmpEnd>;

const QByteArray &codePageName()
{
    return ansiCodePageSeam().get();
}

QStringEncoder makeEncoder()
{
    return QStringEncoder(codePageName().constData());
}

// The converter silently leaves out characters it cannot hold that Unicode calls ignorable
// (soft hyphen, zero-width space and the like) instead of writing '?'. Each character goes
// in followed by a line feed, which no ANSI code page uses inside a character, so two line
// feeds in a row mark one that was left out.
BmpSet learnCharactersToMind()
{
    QString probe;
    probe.reserve(2 * kBmpEnd);
    for (char32_t c = kFirstNonAscii; c < kBmpEnd; ++c) {
        if (!QChar::isSurrogate(c)) {
            probe.append(QChar(c));
            probe.append(QChar(u'\n'));
        }
    }
    QStringEncoder encoder = makeEncoder();
    const QByteArray bytes = encoder.encode(probe);
    BmpSet toMind;
    char32_t character = kFirstNonAscii;
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf('\n'); end >= 0; end = bytes.indexOf('\n', start)) {
        if (end == start)
            toMind.set(character);
        start = end + 1;
        for (++character; QChar::isSurrogate(character); ++character)
            toMind.set(character);
    }
    return toMind;
}

// Learnt from the converter on first use: the characters it leaves out without a trace, and
// the surrogates, which it may leave out too, so that one look tells which to mind. The
// monitor converts its pages off the window's thread while the window may write a file: each
// code page's set is learnt once, under a lock, and never moves afterwards.
const BmpSet &charactersToMind()
{
    static QMutex lock;
    static std::map<QByteArray, BmpSet> learnt;
    const QMutexLocker locker(&lock);
    auto found = learnt.find(codePageName());
    if (found == learnt.end())
        found = learnt.emplace(codePageName(), learnCharactersToMind()).first;
    return found->second;
}

bool encodesToNothing(QStringView text)
{
    QStringEncoder encoder = makeEncoder();
    return QByteArray(encoder.encode(text)).isEmpty();
}

// The text with every character the converter would drop replaced by '?'; the text itself,
// without a copy, when there is none, as nearly always.
QString withDroppedCharactersMarked(const QString &text)
{
    const BmpSet &toMind = charactersToMind();
    const auto mustMark = [&](QChar c) { return toMind[c.unicode()]; };
    if (std::none_of(text.begin(), text.end(), mustMark))
        return text;
    QString marked;
    marked.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair && !encodesToNothing(QStringView(text).sliced(i, 2)))
            marked.append(QStringView(text).sliced(i, 2));
        else
            marked.append(mustMark(c) ? QChar(u'?') : c);
        i += pair ? 1 : 0;
    }
    return marked;
}

} // namespace

QByteArray toAnsi(const QString &text)
{
    QStringEncoder encoder = makeEncoder();
    return encoder.encode(withDroppedCharactersMarked(text));
}

QString fromAnsi(const QByteArray &bytes)
{
    QStringDecoder decoder(codePageName().constData());
    QString text = decoder.decode(bytes);
    // A lead byte at the very end waits in the decoder for its partner; an ASCII byte after it
    // makes the decoder give it up as a replacement character.
    text += QStringView(QString(decoder.decode(QByteArrayView("\n", 1)))).chopped(1);
    return text;
}

bool ansiCodePageAvailable()
{
    return makeEncoder().isValid() && QStringDecoder(codePageName().constData()).isValid();
}

Replaceable<QByteArray> &ansiCodePageSeam()
{
    static Replaceable<QByteArray> seam(systemAnsiCodePage());
    return seam;
}
