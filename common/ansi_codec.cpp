#include "ansi_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr auto kAnsiCodePage = "GBK";
}

QByteArray toAnsi(const QString &text)
{
    QStringEncoder encoder(kAnsiCodePage);
    return encoder.encode(text);
}

QString fromAnsi(const QByteArray &bytes)
{
    QStringDecoder decoder(kAnsiCodePage);
    return decoder.decode(bytes);
}
