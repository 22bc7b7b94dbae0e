#include "common/ansi_codec.h"

QByteArray systemAnsiCodePage()
{
    // The code page of the Chinese Windows the programs and their files were made for.
    return QByteArrayLiteral("GBK");
}
