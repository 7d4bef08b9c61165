// Artist and album trees: the rules by example, and the fast build against the
// plain reference loops on many random libraries.
#include "tests/core/views/ReferenceTrees.h"
#include "tests/core/views/TreeCompare.h"
#include "tests/core/views/ViewsTestLibrary.h"

#include "core/views/TreeBuilder.h"
#include "core/views/ViewTexts.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <random>

namespace vireo::views::test {
namespace {

const QString kComp = kCompilationNode;

struct TreeCase {
    const char *name;
    std::vector<TrackSpec> tracks;
    bool preferV2 = true;
    bool cacheOnly = false;
    TreeBuildOptions options;
    std::string artists; // renderArtists of the artist tree
    std::string albums;  // renderNames of the album tree
};

TrackSpec v2(const char *path, const QString &artist, const QString &album)
{
    TrackSpec s;
    s.Path = QString::fromUtf8(path);
    s.V2Artist = artist;
    s.V2Album = album;
    return s;
}
TrackSpec both(const char *path, const QString &a1, const QString &b1, const QString &a2, const QString &b2)
{
    TrackSpec s = v2(path, a2, b2);
    s.V1Artist = a1;
    s.V1Album = b1;
    return s;
}
TrackSpec withGenre(TrackSpec s, int genre)
{
    if (!s.V1Artist)
        s.V1Artist = s.V2Artist;
    if (!s.V1Album)
        s.V1Album = s.V2Album;
    s.Genre = genre;
    return s;
}
TrackSpec missing(TrackSpec s) { s.Exists = false; return s; }
TrackSpec comp(TrackSpec s, int index) { s.Compilation = index; return s; }

std::string c(const char *rest) { return kComp.toStdString() + rest; }

class TreeRules : public testing::TestWithParam<TreeCase> {};

TEST_P(TreeRules, BuildsTheExpectedTrees)
{
    const TreeCase &tc = GetParam();
    TestLibrary lib;
    for (const TrackSpec &s : tc.tracks)
        lib.add(s);
    lib.setPreferV2(tc.preferV2);
    lib.setCacheOnly(tc.cacheOnly);
    const auto trees = BuildTrees(lib, tc.options);
    ASSERT_TRUE(trees);
    EXPECT_EQ(renderArtists(trees->ArtistTree), tc.artists);
    EXPECT_EQ(renderNames(trees->AlbumTree), tc.albums);
    const auto reference = referenceBuildTrees(lib, tc.options);
    EXPECT_EQ(diffTrees(*trees, *reference), "");
}

TreeBuildOptions hiding(const char *genre)
{
    TreeBuildOptions o;
    o.HiddenGenres = {QString::fromUtf8(genre)};
    return o;
}

INSTANTIATE_TEST_SUITE_P(Trees, TreeRules, testing::Values(
    TreeCase{"CompilationNodeAloneFirst", {v2("/m/a.mp3", "Abba", "Gold")}, true, false, {},
             c("#1{} | Abba#1{Gold}"), "Gold"},
    TreeCase{"EmptyV2ArtistMakesEmptyNode", {both("/m/a.mp3", "Known", "X", "", "X")}, true, false, {},
             c("#1{} | #1{X}"), "X"},
    TreeCase{"V1PreferenceUsesV1Artist", {both("/m/a.mp3", "", "X", "Known", "X")}, false, false, {},
             c("#1{} | #1{X}"), "X"},
    TreeCase{"CaseVariantsMergeFirstSpellingWins",
             {v2("/m/a.mp3", "abba", "Gold"), v2("/m/b.mp3", "ABBA", "gold"), v2("/m/c.mp3", "Abba", "More")},
             true, false, {}, c("#1{} | abba#3{Gold,More}"), "Gold,More"},
    TreeCase{"OtherTagMatchCountsAndMakesOwnNode",
             {v2("/m/a.mp3", "X", "A1"), both("/m/b.mp3", "X", "B1", "Y", "B2")},
             true, false, {}, c("#1{} | X#2{A1,B2} | Y#1{B2}"), "A1,B2"},
    TreeCase{"HiddenGenreCountedUnderEarlierArtist",
             {withGenre(v2("/m/a.mp3", "A", "P1"), 13), withGenre(v2("/m/b.mp3", "A", "P2"), 17)},
             true, false, hiding("rock"), c("#1{} | A#2{P1,P2}"), "P1,P2"},
    TreeCase{"HiddenGenreFirstTrackMakesNoNode",
             {withGenre(v2("/m/a.mp3", "A", "P1"), 17), withGenre(v2("/m/b.mp3", "A", "P2"), 13)},
             true, false, hiding("Rock"), c("#1{} | A#1{P2}"), "P2"},
    TreeCase{"HiddenGenreAloneMakesNothing", {withGenre(v2("/m/a.mp3", "A", "P1"), 17)},
             true, false, hiding("Rock"), c("#1{}"), ""},
    TreeCase{"MissingFileCountedUnderPresentArtist",
             {v2("/m/a.mp3", "A", "P1"), missing(v2("/m/b.mp3", "A", "P2"))},
             true, false, {}, c("#1{} | A#2{P1,P2}"), "P1,P2"},
    TreeCase{"MissingFirstTrackMakesNoNode",
             {missing(v2("/m/a.mp3", "A", "P1")), v2("/m/b.mp3", "A", "P2")},
             true, false, {}, c("#1{} | A#1{P2}"), "P2"},
    TreeCase{"CacheOnlyShowsMissingFiles", {missing(v2("/m/a.mp3", "A", "P1"))},
             true, true, {}, c("#1{} | A#1{P1}"), "P1"},
    TreeCase{"MissingShownWhenSettingOff", {missing(v2("/m/a.mp3", "A", "P1"))},
             true, false, TreeBuildOptions{{}, false}, c("#1{} | A#1{P1}"), "P1"},
    TreeCase{"CompilationGroups",
             {comp(v2("/m/c/1.mp3", "S1", "Hits"), 0), comp(v2("/m/c/2.mp3", "S2", "Hits"), 0),
              comp(v2("/m/d/1.mp3", "S3", "Mix"), 1), v2("/m/e.mp3", "S1", "Solo")},
             true, false, {}, c("#2{Hits,Mix} | S1#1{Solo}"), "Hits,Mix,Solo"},
    TreeCase{"AlbumTreeMergesCaseAcrossArtists",
             {v2("/m/a.mp3", "A", "Best"), v2("/m/b.mp3", "B", "BEST")},
             true, false, {}, c("#1{} | A#1{Best} | B#1{BEST}"), "Best"},
    TreeCase{"LaterTrackOfOtherArtistDoesNotCount",
             {v2("/m/a.mp3", "A", "X"), v2("/m/b.mp3", "B", "Y"), v2("/m/c.mp3", "a", "Z")},
             true, false, {}, c("#1{} | A#2{X,Z} | B#1{Y}"), "X,Y,Z"}
), [](const testing::TestParamInfo<TreeCase> &i) { return std::string(i.param.name); });

TEST(Trees, EmptyLibraryGivesNoBuild)
{
    TestLibrary lib;
    EXPECT_FALSE(BuildTrees(lib, {}));
}

TEST(Trees, AlbumNodesShareOnePayloadWithTheAlbumTree)
{
    TestLibrary lib;
    lib.add(v2("/m/x/a.mp3", "A", "Gold"));
    lib.setPreferV2(true);
    const auto trees = BuildTrees(lib, {});
    ASSERT_TRUE(trees);
    ASSERT_EQ(trees->AlbumTree.size(), 1u);
    const NodeDataPtr &p = trees->ArtistTree[1].Children[0].Data;
    EXPECT_EQ(p, trees->AlbumTree[0].Data);
    EXPECT_EQ(p->Folder, QStringLiteral("/m/x"));
    EXPECT_EQ(p->Artist, QStringLiteral("A"));
    EXPECT_FALSE(p->CoverLookedUp); // no cover is decoded while a tree is built
    // The payload outlives the tree that made it while someone holds it.
    std::weak_ptr<T_Vireo_NodeData> weak = p;
    AlbumList held = trees->FullAlbumList;
    const_cast<std::optional<LibraryTrees> &>(trees).reset();
    EXPECT_FALSE(weak.expired());
    held.clear();
    EXPECT_TRUE(weak.expired());
}

TEST(Trees, CompilationPayloadsUseTheGroupKey)
{
    TestLibrary lib;
    lib.add(comp(v2("/m/c/1.mp3", "S1", "Hits"), 2));
    lib.setPreferV2(true);
    const auto trees = BuildTrees(lib, {});
    ASSERT_TRUE(trees);
    const TreeNode &node = trees->ArtistTree[0];
    EXPECT_EQ(node.Image, kCompilationImage);
    EXPECT_EQ(node.Data->Artist, kComp);
    ASSERT_EQ(node.Children.size(), 1u);
    EXPECT_EQ(node.Children[0].Data->Artist, kCompilationKeyPrefix + u'2');
    EXPECT_EQ(node.Children[0].Data->CompilationIndex, 2);
    EXPECT_EQ(albumTreeText(trees->AlbumTree[0], true), QStringLiteral("Hits / コンピレーション:2"));
}

TEST(Trees, SortsByLocaleCaseSensitiveAndKeepsCompilationFirst)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestLibrary lib;
    for (const char *a : {"Zed", "apple", "Banana", "アーティスト"})
        lib.add(v2("/m/a.mp3", QString::fromUtf8(a), QStringLiteral("x")));
    lib.setPreferV2(true);
    const auto trees = BuildTrees(lib, {});
    QLocale::setDefault(before);
    ASSERT_TRUE(trees);
    std::vector<std::string> order;
    for (const TreeNode &n : trees->ArtistTree)
        order.push_back(n.Text.toStdString());
    EXPECT_EQ(order, (std::vector<std::string>{kComp.toStdString(), "apple", "Banana", "Zed", "アーティスト"}));
}

TEST(Trees, NodeTexts)
{
    TreeNode artist;
    artist.Text = QStringLiteral("A");
    artist.Data = std::make_shared<T_Vireo_NodeData>();
    artist.Data->Artist = QStringLiteral("A");
    artist.Data->Count = 12;
    EXPECT_EQ(artistTreeText(artist, true), QStringLiteral("A (12)"));
    EXPECT_EQ(artistTreeText(artist, false), QStringLiteral("A"));
    EXPECT_EQ(albumTreeText(artist, true), QStringLiteral("A")); // not an album node
    TreeNode album = artist;
    album.Data = std::make_shared<T_Vireo_NodeData>();
    album.Data->Kind = T_Vireo_NodeData::AlbumKind;
    album.Data->Album = QStringLiteral("Gold");
    album.Data->Artist = QStringLiteral("A");
    album.Text = QStringLiteral("Gold");
    EXPECT_EQ(artistTreeText(album, true), QStringLiteral("Gold"));
    EXPECT_EQ(albumTreeText(album, true), QStringLiteral("Gold / A"));
    EXPECT_EQ(albumTreeText(album, false), QStringLiteral("Gold"));
}

// ---- random libraries against the reference loops ----

struct RandomLibrary {
    TestLibrary lib;
    TreeBuildOptions options;
};

QString pick(std::mt19937 &rng, const std::vector<QString> &pool)
{
    return pool[std::uniform_int_distribution<size_t>(0, pool.size() - 1)(rng)];
}

void fillRandom(RandomLibrary &r, std::mt19937 &rng, int size)
{
    const std::vector<QString> artists = {
        QStringLiteral("Abba"), QStringLiteral("ABBA"), QStringLiteral("abba"), QStringLiteral("Queen"),
        QStringLiteral("queen "), QStringLiteral("山田太郎"), QStringLiteral("ヤマダ"), QStringLiteral(""),
        QStringLiteral("コンピレーション:0"), QStringLiteral("Björk"), QStringLiteral("BJÖRK"), QStringLiteral("X")};
    const std::vector<QString> albums = {
        QStringLiteral("Gold"), QStringLiteral("GOLD"), QStringLiteral("Best"), QStringLiteral("best"),
        QStringLiteral(""), QStringLiteral("ベスト"), QStringLiteral("Live"), QStringLiteral("Ärger")};
    const std::vector<QString> folders = {QStringLiteral("/m/a/"), QStringLiteral("/m/b/"),
                                          QStringLiteral("/m/a/sub/"), QStringLiteral("/n/")};
    std::uniform_int_distribution<int> pct(0, 99);
    for (int i = 0; i < size; ++i) {
        TrackSpec s;
        s.Path = pick(rng, folders) + QString::number(i) + QStringLiteral(".mp3");
        const int tags = pct(rng);
        if (tags < 70) {
            s.V1Artist = pick(rng, artists);
            s.V1Album = pick(rng, albums);
        }
        if (tags >= 20) {
            s.V2Artist = pick(rng, artists);
            s.V2Album = pick(rng, albums);
        }
        if (pct(rng) < 15)
            s.Compilation = pct(rng) % 3;
        s.Exists = pct(rng) >= 15;
        s.Genre = std::vector<int>{0, 13, 17, 255}[size_t(pct(rng) % 4)];
        r.lib.add(s);
    }
    r.lib.setPreferV2(pct(rng) < 50);
    r.lib.setCacheOnly(pct(rng) < 20);
    r.options.ShowNoExistMP3Data = pct(rng) < 70;
    if (pct(rng) < 50)
        r.options.HiddenGenres = {QStringLiteral("rock")};
    if (pct(rng) < 10)
        r.options.HiddenGenres.append(QString()); // hides tracks without a genre
}

TEST(Trees, FastBuildEqualsReferenceOnRandomLibraries)
{
    std::mt19937 rng(20261209);
    for (int round = 0; round < 400; ++round) {
        RandomLibrary r;
        fillRandom(r, rng, 1 + round % 60);
        const auto fast = BuildTrees(r.lib, r.options);
        const auto slow = referenceBuildTrees(r.lib, r.options);
        ASSERT_TRUE(fast && slow);
        ASSERT_EQ(diffTrees(*fast, *slow), "") << "round " << round;
    }
}

// ---- song-count filter and node selection ----

struct FilterCase {
    const char *name;
    QString number;
    int combo;
    std::optional<std::string> kept; // nullopt: the number is refused
};

class SongCountFilter : public testing::TestWithParam<FilterCase> {};

TEST_P(SongCountFilter, KeepsTheNodesThatPass)
{
    const FilterCase &fc = GetParam();
    TestLibrary lib;
    lib.setPreferV2(true);
    lib.add(v2("/m/1.mp3", "One", "a"));
    for (int i = 0; i < 2; ++i)
        lib.add(v2("/m/2.mp3", "Two", "a"));
    for (int i = 0; i < 4; ++i)
        lib.add(v2("/m/4.mp3", "Four", "b"));
    const auto n = parseSongCount(fc.number);
    ASSERT_EQ(n.has_value(), fc.kept.has_value());
    if (!n)
        return;
    auto trees = BuildTrees(lib, {});
    filterArtistTreeBySongCount(trees->ArtistTree, *n, songCountTestFromIndex(fc.combo));
    std::string kept;
    for (const TreeNode &node : trees->ArtistTree)
        kept += (kept.empty() ? "" : ",") + node.Text.toStdString();
    EXPECT_EQ(kept, *fc.kept);
}

INSTANTIATE_TEST_SUITE_P(Filter, SongCountFilter, testing::Values(
    FilterCase{"ZeroAtLeastKeepsAll", QStringLiteral("0"), 0, c(",Four,One,Two")},
    FilterCase{"AtMostOne", QStringLiteral("1"), 1, c(",One")},
    FilterCase{"EqualTwo", QStringLiteral("2"), 2, "Two"},
    FilterCase{"EqualThreeEmpty", QStringLiteral("3"), 2, ""},
    FilterCase{"NoEntryKeepsAll", QStringLiteral("3"), -1, c(",Four,One,Two")},
    FilterCase{"AtLeastThree", QStringLiteral("3"), 0, "Four"},
    FilterCase{"LettersRefused", QStringLiteral("abc"), 0, std::nullopt},
    FilterCase{"NegativeRefused", QStringLiteral("-1"), 0, std::nullopt},
    FilterCase{"EmptyRefused", QString(), 0, std::nullopt}
), [](const testing::TestParamInfo<FilterCase> &i) { return std::string(i.param.name); });

TEST(Trees, FindArtistAlbumByExactNames)
{
    TestLibrary lib;
    lib.setPreferV2(true);
    lib.add(v2("/m/1.mp3", "Abba", "Gold"));
    lib.add(v2("/m/2.mp3", "Abba", "More"));
    lib.add(v2("/m/3.mp3", "Queen", "Jazz"));
    const auto trees = BuildTrees(lib, {});
    const auto &t = trees->ArtistTree;
    struct { const char *artist, *album; int a, b; } cases[] = {
        {"", "", 0, -1}, {"", "Gold", 0, -1}, {"Abba", "", 1, -1}, {"Abba", "More", 1, 1},
        {"abba", "More", -1, -1}, {"Abba", "more", 1, -1}, {"Queen", "Jazz", 2, 0}, {"Nobody", "Jazz", -1, -1}};
    for (const auto &k : cases) {
        const auto sel = findArtistAlbum(t, QString::fromUtf8(k.artist), QString::fromUtf8(k.album));
        EXPECT_EQ(sel.ArtistIndex, k.a) << k.artist << "/" << k.album;
        EXPECT_EQ(sel.AlbumIndex, k.b) << k.artist << "/" << k.album;
    }
    EXPECT_EQ(findArtistAlbum({}, QStringLiteral("Abba"), {}).ArtistIndex, -1);
}

} // namespace
} // namespace vireo::views::test
