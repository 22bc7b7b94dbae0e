#include "common/ansi_codec.h"

QByteArray systemAnsiCodePage()
{
    return QByteArrayLiteral("Locale"); // Qt's name for the system's ANSI code page
}
