#pragma once

#include <QString>

// Every outside address the programs use. Each can be replaced by a string value in the
// settings store, section "Endpoints", under the key of the same name; the compiled-in
// defaults are the reference site that ships with the programs.
enum class Endpoint {
    SearchSite, // scheme, host and optional port, no trailing slash
    VersionPage,
    DownloadPage,
    BlogPage,
    MicroblogPage,
    PersonalPage,
    SupportPage,
    ShoppingOffer,
    AntivirusOffer,
    TvOffer,
};

QString endpointAddress(Endpoint endpoint);
QString endpointKey(Endpoint endpoint);
