// The search: fields, tag versions, the ",," joins and Unicode case-insensitive matching.
#include "tests/core/views/ViewsTestLibrary.h"

#include "core/views/Search.h"

#include "core/platform/CodePage.h"

#include <gtest/gtest.h>

namespace vireo::views::test {
namespace {

struct SearchCase {
    const char *name;
    const char *text;
    bool v1, v2;
    unsigned fields;
    const char *expected; // titles of the tracks found, by path stem
};

class SearchRules : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchRules, FindsTheTracks)
{
    TestLibrary lib;
    auto add = [&](const char *stem, const char *v1Title, const char *v2Title, const char *artist) {
        TrackSpec s;
        s.Path = QStringLiteral("/m/") + QString::fromUtf8(stem) + QStringLiteral(".mp3");
        if (v1Title) {
            s.V1Artist = QString::fromUtf8(artist);
            s.V1Album = QStringLiteral("al1");
        }
        if (v2Title) {
            s.V2Artist = QString::fromUtf8(artist);
            s.V2Album = QStringLiteral("al2");
        }
        TID3ListItem *t = lib.add(s);
        if (v1Title)
            t->V1.Title = toTagCodePage(QString::fromUtf8(v1Title));
        if (v2Title) {
            t->V2.Title = QString::fromUtf8(v2Title);
            t->V2.Year = QStringLiteral("1999");
            t->V2.Composer = QStringLiteral("バッハ");
        }
    };
    add("t1", nullptr, "xABCx", "Art One");
    add("t2", "abc here", "abc there", "Two");
    add("t3", "nothing", "ＡＢＣ全角", "Three Word");
    add("t4", "Ωmega", nullptr, "ärger");
    add("t5", nullptr, "Word next", "Three");
    const auto &c = GetParam();
    SearchRequest r;
    r.Text = QString::fromUtf8(c.text);
    r.V1 = c.v1;
    r.V2 = c.v2;
    r.Fields = c.fields;
    std::string found;
    for (TID3ListItem *t : SearchTracks(lib, r))
        found += (found.empty() ? "" : ",") + t->FileName.mid(3, 2).toStdString();
    EXPECT_EQ(found, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Search, SearchRules, testing::Values(
    SearchCase{"V2TitleIgnoresCase", "abc", false, true, SearchTitle, "t1,t2"},
    SearchCase{"ListedOnceWhenBothTagsMatch", "abc", true, true, SearchTitle, "t1,t2"},
    SearchCase{"V2MatchWhenV1DoesNot", "ａｂｃ", true, true, SearchTitle, "t3"},
    SearchCase{"YearOnlyInV2", "1999", true, false, SearchYear, ""},
    SearchCase{"YearInV2", "1999", false, true, SearchYear, "t1,t2,t3,t5"},
    SearchCase{"NoMatchAcrossFieldBoundary", "three word", false, true, SearchArtist | SearchTitle, "t3"},
    SearchCase{"SeparatorItselfMatches", ",,", true, true, SearchArtist | SearchTitle, "t1,t2,t3,t4,t5"},
    SearchCase{"LeadingSeparatorWithoutArtist", ",,x", false, true, SearchTitle, "t1"},
    SearchCase{"EmptyTextFindsNothing", "", true, true, SearchTitle | SearchArtist, ""},
    SearchCase{"NoFieldFindsNothing", "abc", true, true, 0, ""},
    SearchCase{"NoVersionFindsNothing", "abc", false, false, SearchTitle, ""},
    SearchCase{"UnicodeCaseOfV1Text", "ωMEGA", true, false, SearchTitle, "t4"},
    SearchCase{"PathSearched", "/m/t5", false, true, SearchFileName, "t5"},
    SearchCase{"JapaneseComposer", "バッハ", false, true, SearchComposer, "t1,t2,t3,t5"}
), [](const testing::TestParamInfo<SearchCase> &i) { return std::string(i.param.name); });

TEST(SearchText, JoinsTickedFieldsInTheirOrder)
{
    TestLibrary lib;
    TrackSpec s;
    s.Path = QStringLiteral("/p.mp3");
    s.V2Artist = QStringLiteral("A");
    s.V2Album = QStringLiteral("B");
    s.Title = QStringLiteral("T");
    TID3ListItem *t = lib.add(s);
    t->V2.Url = QStringLiteral("u");
    EXPECT_EQ(searchTextV2(*t, SearchArtist | SearchTitle | SearchAlbum), QStringLiteral("A,,T,,B"));
    EXPECT_EQ(searchTextV2(*t, SearchUrl | SearchFileName), QStringLiteral(",,/p.mp3,,u"));
    EXPECT_EQ(searchTextV1(*t, SearchArtist), QString()); // no ID3v1 tag
}

} // namespace
} // namespace vireo::views::test
