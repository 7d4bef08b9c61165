#include "core/coverart/CoverSearchUrl.h"

#include <gtest/gtest.h>

using namespace vireo::coverart;

namespace {

struct EncodeCase {
    const char *name;
    QString text;
    QByteArray encoded;
};

class PercentEncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(PercentEncodeTest, EncodesUtf8BytesOutsideTheKeptSet)
{
    EXPECT_EQ(PercentEncode(GetParam().text.toUtf8()), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PercentEncodeTest,
    ::testing::Values(
        EncodeCase{"Spaces", QStringLiteral("AB C D"), "AB%20C%20D"},
        EncodeCase{"Japanese", QStringLiteral("日本"), "%E6%97%A5%E6%9C%AC"},
        EncodeCase{"UnderscoreTilde", QStringLiteral("a_b~c"), "a%5Fb%7Ec"},
        EncodeCase{"KeptPunctuation", QStringLiteral("!$()*+-."), "!$()*+-."},
        EncodeCase{"Reserved", QStringLiteral("&=?/#%\""), "%26%3D%3F%2F%23%25%22"},
        EncodeCase{"Letters", QStringLiteral("azAZ09"), "azAZ09"},
        EncodeCase{"Empty", QString(), ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BuildSearchUrl, KeywordsOfArtistAndAlbum)
{
    const QString url = BuildSearchUrl(searchKeywords(QStringLiteral("AB"), QStringLiteral("C D")),
                                       QStringLiteral("127.0.0.1:8080"));
    EXPECT_EQ(url, QStringLiteral("http://127.0.0.1:8080/onca/xml?Service=AWSECommerceService"
                                  "&SubscriptionId=7QX2MBL4RTW9KHD3NV6P&Operation=ItemSearch"
                                  "&ResponseGroup=Small,Images&Keywords=AB%20C%20D&SearchIndex=Music"));
}

TEST(BuildSearchUrl, HexDigitsAreUpperCase)
{
    const QString url = BuildSearchUrl(QStringLiteral("ｱ"), QStringLiteral("h"));
    EXPECT_TRUE(url.endsWith(QStringLiteral("&Keywords=%EF%BD%B1&SearchIndex=Music"))) << url.toStdString();
}

TEST(MusicBrainzUrl, QuotesAndEscapesThePhrases)
{
    const QString url = buildMusicBrainzUrl(QStringLiteral("http://127.0.0.1:1"), QStringLiteral("A\"B"),
                                            QStringLiteral("C D"), 5);
    // release:"C D" AND artist:"A\"B"
    EXPECT_EQ(url, QStringLiteral("http://127.0.0.1:1/ws/2/release/?query="
                                  "release%3A%22C%20D%22%20AND%20artist%3A%22A%5C%22B%22&fmt=json&limit=5"));
}

TEST(MusicBrainzUrl, EmptyArtistSearchesByAlbumOnly)
{
    const QString url = buildMusicBrainzUrl(QStringLiteral("http://h"), QString(), QStringLiteral("X"));
    EXPECT_TRUE(url.contains(QStringLiteral("query=release%3A%22X%22&"))) << url.toStdString();
}

TEST(DeezerUrl, ArtistAndAlbumFields)
{
    EXPECT_EQ(buildDeezerUrl(QStringLiteral("http://h"), QStringLiteral("Daft Punk"), QStringLiteral("Discovery")),
              QStringLiteral("http://h/search/album?q=artist%3A%22Daft%20Punk%22%20album%3A%22Discovery%22"));
}

TEST(CoverArtArchive, ThreeFrontSizes)
{
    EXPECT_EQ(coverArtArchiveUrls(QStringLiteral("http://c"), QStringLiteral("id")),
              QStringList({QStringLiteral("http://c/release/id/front-250"), QStringLiteral("http://c/release/id/front-500"),
                           QStringLiteral("http://c/release/id/front-1200")}));
}

TEST(NormalizedBase, AcceptsHttpAddressesOnly)
{
    EXPECT_EQ(normalizedBase(QStringLiteral(" https://musicbrainz.org/ ")), QStringLiteral("https://musicbrainz.org"));
    EXPECT_EQ(normalizedBase(QStringLiteral("127.0.0.1:8080")), QStringLiteral("http://127.0.0.1:8080"));
    EXPECT_TRUE(normalizedBase(QStringLiteral("ftp://host")).isEmpty());
    EXPECT_TRUE(normalizedBase(QString()).isEmpty());
    EXPECT_TRUE(normalizedBase(QStringLiteral("http://")).isEmpty());
}

} // namespace
