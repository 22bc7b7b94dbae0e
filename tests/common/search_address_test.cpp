#include "endpoints.h"
#include "search_address.h"
#include "settings_store.h"
#include "test_environment.h"

namespace {

class SearchAddress : public FreshFolders {};

TEST_F(SearchAddress, TitlesTravelAsPercentEncodedGbkBytesToTheConfiguredSite)
{
    EXPECT_EQ(searchUrl(QStringLiteral("abc")).toEncoded(),
              QByteArray("http://127.0.0.1:8964/searchname.aspx?wd=abc"));
    writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"),
                 QStringLiteral("http://127.0.0.1:1234"));
    EXPECT_EQ(searchUrl(QStringLiteral("校花 A&B#C+D%E-_.~")).toEncoded(),
              QByteArray("http://127.0.0.1:1234/searchname.aspx?wd="
                         "%D0%A3%BB%A8%20A%26B%23C%2BD%25E-_.~"));
    EXPECT_EQ(searchUrl(QString()).toEncoded(),
              QByteArray("http://127.0.0.1:1234/searchname.aspx?wd="));
    writeSetting(QStringLiteral("Endpoints"), QStringLiteral("TvOffer"),
                 QStringLiteral("http://tv/"));
    EXPECT_EQ(endpointAddress(Endpoint::TvOffer), QStringLiteral("http://tv/"));
    EXPECT_EQ(endpointAddress(Endpoint::VersionPage),
              QStringLiteral("http://127.0.0.1:8964/version.html"));
}

} // namespace
