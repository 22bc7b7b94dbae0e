#include "query/browser_page_activex.h"

#include <QAxObject>

#include <memory>

namespace {

bool isEvent(const QString &signature, QLatin1StringView name)
{
    return signature.startsWith(name) && signature.mid(name.size()).startsWith(u'(');
}

} // namespace

BrowserPage::BrowserPage(QWidget *parent)
    : QAxWidget(parent)
{
    setControl(QStringLiteral("Shell.Explorer.2"));
    connect(this, &QAxBaseWidget::signal, this,
            [this](const QString &signature, int, void *) { controlEvent(signature); });
}

bool BrowserPage::isSilent() const
{
    return property("Silent").toBool();
}

void BrowserPage::setSilent(bool silent)
{
    setProperty("Silent", silent);
}

void BrowserPage::navigate(const char *method, const QUrl &address)
{
    if (isNull())
        return;
    m_navigationFailed = false;
    dynamicCall(method, address.toString());
}

void BrowserPage::controlEvent(const QString &signature)
{
    // The control shows its own page for a navigation that failed and completes that page
    // like any other; only the error event before it tells the two apart.
    if (isEvent(signature, QLatin1StringView("NavigateError"))) {
        m_navigationFailed = true;
    } else if (isEvent(signature, QLatin1StringView("DocumentComplete"))) {
        Q_EMIT documentComplete(!m_navigationFailed);
        m_navigationFailed = false;
    }
}

std::optional<QStringList> BrowserPage::elementTexts()
{
    if (isNull())
        return std::nullopt;
    const std::unique_ptr<QAxObject> document(querySubObject("Document"));
    if (!document || document->isNull())
        return std::nullopt;
    const std::unique_ptr<QAxObject> all(document->querySubObject("All"));
    if (!all || all->isNull())
        return std::nullopt;
    QStringList texts;
    const int count = all->property("length").toInt();
    for (int index = 0; index < count; ++index) {
        const std::unique_ptr<QAxObject> element(all->querySubObject("item(QVariant)", index));
        texts << (element ? element->property("innerText").toString() : QString());
    }
    return texts;
}
