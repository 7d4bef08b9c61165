#include "core/coverart/CoverResultScan.h"
#include "core/coverart/CoverSearchUrl.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::coverart;

namespace {

QByteArray fixture(const char *name)
{
    QByteArray bytes = test::readFile(QStringLiteral(VIREO_TEST_DATA "/coverart/") + QLatin1String(name));
    bytes.replace("{BASE}", "http://127.0.0.1:9");
    return bytes;
}

QByteArray item(const QByteArray &inner) { return "<Item>" + inner + "</Item>"; }

TEST(ClassicScan, RecordedAnswer)
{
    const auto results = scanClassicResults(fixture("classic_itemsearch.xml"));
    ASSERT_TRUE(results.ok()) << results.message().toStdString();
    ASSERT_EQ(results->size(), 2); // the item with an empty title makes no match
    EXPECT_EQ(results->at(0).title, QStringLiteral("Rock & Roll"));
    EXPECT_EQ(results->at(0).pictureUrls.size(), 3);
    EXPECT_TRUE(results->at(0).pictureUrls[1].endsWith(QStringLiteral("MZZZZZZZ.gif")));
    EXPECT_EQ(results->at(1).title, QStringLiteral("日本のアルバム"));
    EXPECT_EQ(results->at(1).pictureUrls, QStringList{QStringLiteral("http://127.0.0.1:9/images/P/japan.jpg")});
}

TEST(ClassicScan, EachTitleComesFromItsOwnItem)
{
    // The second item carries its title after its pictures and the third
    // has none: neither may borrow a title from a neighbour.
    const QByteArray body = "<Items>" + item("<Title>One</Title>")
        + item("<SmallImage><URL>http://h/2s.jpg</URL></SmallImage><Title>Two</Title>")
        + item("<SmallImage><URL>http://h/3s.jpg</URL></SmallImage>") + "</Items>";
    const auto results = scanClassicResults(body);
    ASSERT_TRUE(results.ok());
    ASSERT_EQ(results->size(), 2);
    EXPECT_EQ(results->at(0).title, QStringLiteral("One"));
    EXPECT_TRUE(results->at(0).pictureUrls.isEmpty()); // not the next item's picture
    EXPECT_EQ(results->at(1).title, QStringLiteral("Two"));
    EXPECT_EQ(results->at(1).pictureUrls, QStringList{QStringLiteral("http://h/2s.jpg")});
}

TEST(ClassicScan, AmpersandEntityInAnyCaseOnly)
{
    const auto results = scanClassicResults(item("<Title>A &AMP; B &amp; C &lt;D&gt;</Title>"));
    ASSERT_TRUE(results.ok());
    ASSERT_EQ(results->size(), 1);
    EXPECT_EQ(results->at(0).title, QStringLiteral("A & B & C &lt;D&gt;"));
    EXPECT_EQ(labelText(results->at(0).title), QStringLiteral("A && B && C &&lt;D&&gt;"));
}

TEST(ClassicScan, PicturesInSmallMediumLargeOrder)
{
    const auto results = scanClassicResults(
        item("<Title>T</Title><LargeImage><URL>L</URL></LargeImage><SmallImage><URL>S</URL></SmallImage>"));
    ASSERT_TRUE(results.ok());
    EXPECT_EQ(results->at(0).pictureUrls, QStringList({QStringLiteral("S"), QStringLiteral("L")}));
}

TEST(ClassicScan, NoItemsAndNotXml)
{
    const auto none = scanClassicResults("<?xml version=\"1.0\"?><ItemSearchResponse/>");
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none->isEmpty());
    EXPECT_FALSE(scanClassicResults("Service Unavailable").ok());
    EXPECT_FALSE(scanClassicResults("").ok());
}

TEST(ClassicScan, ItemCutShortHasNoTitle)
{
    const auto results = scanClassicResults("<Items><Item><Title>Half");
    ASSERT_TRUE(results.ok());
    EXPECT_TRUE(results->isEmpty());
}

// A hostile or broken server's answer of many items without a title, then
// one real item: each item's search stays inside it. Searching to the end of
// the answer for every item took minutes on an answer of a few megabytes.
TEST(ClassicScan, ManyItemsWithoutTitleAreReadInOnePass)
{
    QByteArray body = "<Items>";
    for (int i = 0; i < 400000; ++i)
        body += "<Item><SmallImage>";
    body += "<Item><Title>Last</Title><SmallImage><URL>S</URL></SmallImage></Item></Items>";
    const auto results = scanClassicResults(body);
    ASSERT_TRUE(results.ok());
    ASSERT_EQ(results->size(), 1);
    EXPECT_EQ(results->at(0).title, QStringLiteral("Last"));
    EXPECT_EQ(results->at(0).pictureUrls, QStringList{QStringLiteral("S")});
}

TEST(MusicBrainzParse, RecordedAnswer)
{
    const auto results = parseMusicBrainzReleases(fixture("musicbrainz_release_search.json"),
                                                  QStringLiteral("http://caa"));
    ASSERT_TRUE(results.ok()) << results.message().toStdString();
    ASSERT_EQ(results->size(), 2); // the entry without a release id is left out
    EXPECT_EQ(results->at(0).title, QStringLiteral("Miles Davis – Kind of Blue (1959-08-17)"));
    EXPECT_EQ(results->at(0).source, CoverSource::MusicBrainz);
    EXPECT_EQ(results->at(0).pictureUrls.first(),
              QStringLiteral("http://caa/release/1e477f68-c407-4eae-ad01-518528cedc2c/front-250"));
    EXPECT_EQ(results->at(1).title,
              QStringLiteral("Miles Davis & John Coltrane – Kind of Blue (Legacy Edition) (2009)"));
}

TEST(MusicBrainzParse, ReleaseWithoutFrontPictureIsSkipped)
{
    const auto results = parseMusicBrainzReleases(
        R"({"releases":[{"id":"1e477f68-c407-4eae-ad01-518528cedc2c","title":"X","cover-art-archive":{"front":false}}]})",
        QStringLiteral("http://caa"));
    ASSERT_TRUE(results.ok());
    EXPECT_TRUE(results->isEmpty());
}

struct BadAnswer {
    const char *name;
    QByteArray body;
};
class BadJsonTest : public ::testing::TestWithParam<BadAnswer> {};

TEST_P(BadJsonTest, IsAFailureForBothSources)
{
    EXPECT_FALSE(parseMusicBrainzReleases(GetParam().body, QStringLiteral("http://c")).ok());
    const auto deezer = parseDeezerAlbums(GetParam().body);
    EXPECT_FALSE(deezer.ok());
    EXPECT_FALSE(deezer.message().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, BadJsonTest,
                         ::testing::Values(BadAnswer{"Html", "<html><body>503</body></html>"},
                                           BadAnswer{"Truncated", R"({"releases":[{"id":)"},
                                           BadAnswer{"Array", "[]"}, BadAnswer{"WrongShape", R"({"releases":3,"data":{}})"},
                                           BadAnswer{"Empty", ""}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(DeezerParse, RecordedAnswer)
{
    const auto results = parseDeezerAlbums(fixture("deezer_album_search.json"));
    ASSERT_TRUE(results.ok()) << results.message().toStdString();
    ASSERT_EQ(results->size(), 2);
    EXPECT_EQ(results->at(0).title, QStringLiteral("Daft Punk – Discovery"));
    ASSERT_EQ(results->at(0).pictureUrls.size(), 3);
    EXPECT_TRUE(results->at(0).pictureUrls[0].endsWith(QStringLiteral("250x250-000000-80-0-0.jpg")));
    EXPECT_TRUE(results->at(0).pictureUrls[2].endsWith(QStringLiteral("1000x1000-000000-80-0-0.jpg")));
    // A picture address that is not http(s) is never fetched.
    EXPECT_EQ(results->at(1).pictureUrls.size(), 2);
}

TEST(DeezerParse, ErrorObjectCarriesItsMessage)
{
    const auto results = parseDeezerAlbums(R"({"error":{"type":"Exception","message":"Quota limit exceeded","code":4}})");
    ASSERT_FALSE(results.ok());
    EXPECT_TRUE(results.message().contains(QStringLiteral("Quota limit exceeded")));
}

} // namespace
