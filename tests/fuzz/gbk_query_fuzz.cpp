// Invariants of the site's reading of a searched title:
// - whatever title Ravoskel searches for, the site reads from the search address exactly that
//   title as the programs' codec gives it back (toAnsi then fromAnsi), "+", "&", "#", "%",
//   "=" and blanks included;
// - any raw value decodes as the programs' codec decodes its percent-decoded bytes, and
//   nothing waits at the end: an escaped line feed after the bytes, escaped whole, comes out
//   as a line feed after the text;
// - any address at all can be asked for its value, and what comes back is one whole item of
//   its query.
#include "common/ansi_codec.h"
#include "common/search_address.h"
#include "site/gbk_query.h"
#include "tests/fuzz/fuzz_input.h"

#include <QTemporaryDir>

namespace {

const QByteArray kKey = QByteArrayLiteral("wd");

QByteArray takeBytes(FuzzedDataProvider &input, size_t maxSize)
{
    const std::string bytes = input.ConsumeRandomLengthString(maxSize);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The search address reads the settings store; an empty one gives the built-in site.
    static const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);

    const QString title = takeUtf16(input, 32);
    FUZZ_CHECK(decodeGbkValue(rawQueryValue(searchUrl(title), kKey)) == fromAnsi(toAnsi(title)));

    const QByteArray raw = takeBytes(input, 64);
    const QString decoded = decodeGbkValue(raw);
    FUZZ_CHECK(decoded == fromAnsi(QByteArray::fromPercentEncoding(raw)));
    const QByteArray escaped = QByteArray::fromPercentEncoding(raw).toPercentEncoding();
    FUZZ_CHECK(decodeGbkValue(escaped + "%0A") == decoded + u'\n');

    const QUrl url = QUrl::fromEncoded(input.ConsumeRemainingBytesAsString().c_str());
    const QByteArray value = rawQueryValue(url, kKey);
    FUZZ_CHECK(!value.contains('&') && !value.contains('#'));
    const QByteArray query = '&' + url.query(QUrl::FullyEncoded).toLatin1() + '&';
    FUZZ_CHECK(value.isEmpty() || query.contains('&' + kKey + '=' + value + '&'));
    return 0;
}
