#include "tests/windows/wine_session.h"

#include "common/line_model.h"
#include "tests/support/user_view.h"
#include "tests/support/x11_window.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <memory>

namespace {

// Long enough for a message box to have come up, were one coming.
constexpr int kNoBoxMs = 3000;

// Text on the clipboard that notes when a program has taken it. It stays on the clipboard
// after the paste, so the note outlives the paste too.
class WatchedText : public QMimeData {
public:
    explicit WatchedText(const QString &text, std::shared_ptr<bool> taken)
        : m_taken(std::move(taken))
    {
        setText(text);
    }

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override
    {
        *m_taken = true;
        return QMimeData::retrieveData(mimeType, type);
    }

private:
    std::shared_ptr<bool> m_taken;
};

} // namespace

QByteArray gbk(const QString &text)
{
    return QStringEncoder("GBK").encode(text);
}

QString chapterLineOf(const QString &file)
{
    const QString text = QStringDecoder("GBK").decode(fileBytes(file));
    return text.split(QStringLiteral("\r\n")).value(kChapterLine);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void clickControl(const X11Window &window, const QList<ControlDesign> &design, const QString &name)
{
    window.click(placeInWindow(design, name).center());
}

bool pasteInto(const X11Window &window, const QString &text)
{
    const auto pasted = std::make_shared<bool>(false);
    QGuiApplication::clipboard()->setMimeData(new WatchedText(text, pasted));
    window.pressKey(QStringLiteral("ctrl+v"));
    return QTest::qWaitFor([&] { return *pasted; }, kPatienceMs);
}

void WineSession::SetUp()
{
    ASSERT_TRUE(prefix.isReady());
    const QString endpoints = kSettingsKey + QStringLiteral("Endpoints");
    const QString base = site.baseAddress();
    ASSERT_TRUE(prefix.setRegistryValue(endpoints, QStringLiteral("SearchSite"), base));
    ASSERT_TRUE(prefix.setRegistryValue(endpoints, QStringLiteral("VersionPage"),
                                        base + QStringLiteral("/version.html")));
    ASSERT_TRUE(prefix.setRegistryValue(endpoints, QStringLiteral("SupportPage"),
                                        base + QStringLiteral("/support.html")));
}

void WineSession::TearDown()
{
    prefix.endPrograms();
    program.waitForFinished(kPatienceMs);
    // A program of a later test reads the clipboard at its start; what a journey left there
    // belongs to that journey alone.
    QGuiApplication::clipboard()->clear();
}

bool WineSession::boxAppears() const
{
    return QTest::qWaitFor([] { return X11Window::withCaption(kBoxCaption).isValid(); }, kNoBoxMs);
}
