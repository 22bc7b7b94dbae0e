#include "common/endpoints.h"

#include "common/settings_store.h"

namespace {

struct EndpointEntry {
    QString key;
    QString defaultPath;
};

const QString kReferenceSite = QStringLiteral("http://127.0.0.1:8964");

EndpointEntry entry(Endpoint endpoint)
{
    switch (endpoint) {
    case Endpoint::SearchSite:
        return {QStringLiteral("SearchSite"), QString()};
    case Endpoint::VersionPage:
        return {QStringLiteral("VersionPage"), QStringLiteral("/version.html")};
    case Endpoint::DownloadPage:
        return {QStringLiteral("DownloadPage"), QStringLiteral("/download.html")};
    case Endpoint::BlogPage:
        return {QStringLiteral("BlogPage"), QStringLiteral("/blog.html")};
    case Endpoint::MicroblogPage:
        return {QStringLiteral("MicroblogPage"), QStringLiteral("/microblog.html")};
    case Endpoint::PersonalPage:
        return {QStringLiteral("PersonalPage"), QStringLiteral("/personal.html")};
    case Endpoint::SupportPage:
        return {QStringLiteral("SupportPage"), QStringLiteral("/support.html")};
    case Endpoint::ShoppingOffer:
        return {QStringLiteral("ShoppingOffer"), QStringLiteral("/offers/shopping.html")};
    case Endpoint::AntivirusOffer:
        return {QStringLiteral("AntivirusOffer"), QStringLiteral("/offers/antivirus.html")};
    case Endpoint::TvOffer:
        return {QStringLiteral("TvOffer"), QStringLiteral("/offers/tv.html")};
    }
    Q_UNREACHABLE();
}

} // namespace

QString endpointKey(Endpoint endpoint)
{
    return entry(endpoint).key;
}

QString endpointAddress(Endpoint endpoint)
{
    const EndpointEntry e = entry(endpoint);
    return readSetting(QStringLiteral("Endpoints"), e.key, kReferenceSite + e.defaultPath);
}
