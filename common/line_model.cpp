#include "common/line_model.h"

#include "common/runtime_error.h"

QStringList splitLines(const QString &text)
{
    return text.split(kLineEnd);
}

QString lineAt(const QString &text, int index)
{
    // Walk the text instead of splitting it: a monitor reads one line of a page at every poll.
    if (index >= 0) {
        int number = 0;
        for (const QStringView piece : QStringView(text).tokenize(kLineEnd)) {
            if (number++ == index)
                return piece.toString();
        }
    }
    throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
}

QString firstLine(const QString &text)
{
    return text.left(text.indexOf(kLineEnd));
}
