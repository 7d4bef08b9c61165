// Speed of the browsing views on a synthetic library built in memory:
// 100,000 tracks, about 2,500 artists and 8,000 albums, Japanese names, some
// compilation albums. Reported, not asserted.
#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/platform/CodePage.h"
#include "core/views/ArtistIndex.h"
#include "core/views/BrowseState.h"
#include "core/views/FolderView.h"
#include "core/views/Search.h"
#include "core/views/TreeBuilder.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

using namespace vireo;
using namespace vireo::views;

namespace {

constexpr int kTracks = 100000;
constexpr int kArtists = 2500;
constexpr int kAlbumsPerArtist = 3;   // plus the compilations: about 8,000 album names
constexpr int kCompilations = 500;

QString artistName(int a)
{
    static const char16_t *stems[] = {u"山田", u"佐藤", u"スズキ", u"たなか", u"Band", u"東京", u"ミュージック", u"Orchestra"};
    return QString::fromUtf16(stems[a % 8]) + QString::number(a) + (a % 3 ? QStringLiteral("楽団") : QString());
}

QString albumName(int a, int k)
{
    static const char16_t *stems[] = {u"ベスト", u"夏の日", u"Live at 武道館", u"Greatest Hits", u"冬景色"};
    return QString::fromUtf16(stems[(a + k) % 5]) + u' ' + QString::number(a * 7 + k);
}

struct Library {
    QTemporaryDir dir;
    std::unique_ptr<TID3TagUseful> store;
    std::vector<std::unique_ptr<TID3ListItem>> owned;
    VectorTrackSource source;

    Library()
    {
        store = std::make_unique<TID3TagUseful>(dir.path() + QStringLiteral("/vireo"));
        store->setSaveCachesOnDestroy(false);
        store->CacheOnly = true; // the synthetic files are not on disk; rows show their tags
        std::mt19937 rng(42);
        std::uniform_int_distribution<int> artistOf(0, kArtists - 1);
        std::uniform_int_distribution<int> pct(0, 99);
        for (int i = 0; i < kTracks; ++i) {
            const int a = artistOf(rng);
            const int k = pct(rng) % kAlbumsPerArtist;
            const bool compilation = pct(rng) < 3;
            const int comp = compilation ? pct(rng) * kCompilations / 100 : -1;
            const QString album = compilation ? QStringLiteral("コンピ ") + QString::number(comp) : albumName(a, k);
            const QString folder = QStringLiteral("/music/") + artistName(a) + u'/' + album + u'/';
            auto t = std::make_unique<TID3ListItem>(folder + QString::number(i) + QStringLiteral(".mp3"), 1);
            TID3v2Record v2;
            v2.Artist = artistName(a);
            v2.Album = album;
            v2.Title = QStringLiteral("曲 ") + QString::number(rng() % 100000);
            v2.TrackNumber = uint16_t(1 + i % 14);
            v2.Year = QString::number(1970 + a % 50);
            v2.MajorVersion = 3;
            v2.TextEncoding = 1;
            t->SetV2(v2);
            if (pct(rng) < 60) {
                TID3v1Record v1;
                v1.Artist = toTagCodePage(pct(rng) < 10 ? artistName(a).toUpper() : artistName(a));
                v1.Album = toTagCodePage(album);
                v1.Title = toTagCodePage(v2.Title);
                v1.Genre = uint8_t(pct(rng) % 20);
                v1.Track = uint8_t(v2.TrackNumber);
                t->SetV1(v1);
            }
            t->CompilationIndex = comp;
            t->Exists = true;
            source.tracks().push_back(t.get());
            owned.push_back(std::move(t));
        }
        source.setPreferV2(true);
        const TID3TagUseful *s = store.get();
        source.setRowFiller([s](const TID3ListItem *t, bool markMissing, bool showV2) {
            const ListRow row = s->FillListRow(const_cast<TID3ListItem *>(t), markMissing, showV2);
            TrackRow out;
            out.ImageIndex = row.ImageIndex;
            for (int c = 0; c < TrackRow::CellCount && c < row.Cells.size(); ++c)
                out.Cells[size_t(c)] = row.Cells[c];
            return out;
        });
    }
};

Library &library()
{
    static Library lib;
    return lib;
}

void BM_BuildTrees(benchmark::State &state)
{
    Library &lib = library();
    size_t artists = 0, albums = 0;
    for (auto _ : state) {
        auto trees = BuildTrees(lib.source, {});
        artists = trees->ArtistTree.size();
        albums = trees->AlbumTree.size();
        benchmark::DoNotOptimize(trees);
    }
    state.counters["artists"] = double(artists);
    state.counters["albums"] = double(albums);
}
BENCHMARK(BM_BuildTrees)->Unit(benchmark::kMillisecond);

// The part of the build that indexes the library (albums, artists of both tags).
void BM_ArtistIndex(benchmark::State &state)
{
    Library &lib = library();
    for (auto _ : state) {
        ArtistIndex index(lib.source, 2);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_ArtistIndex)->Unit(benchmark::kMillisecond);

// The part of the build that sorts the nodes.
void BM_SortTrees(benchmark::State &state)
{
    Library &lib = library();
    const auto trees = BuildTrees(lib.source, {});
    for (auto _ : state) {
        state.PauseTiming();
        LibraryTrees copy = *trees;
        state.ResumeTiming();
        sortArtistTree(copy.ArtistTree);
        sortTreeNodes(copy.AlbumTree);
    }
}
BENCHMARK(BM_SortTrees)->Unit(benchmark::kMillisecond);

// "全曲表示" from the playlist view: the current set, the tab and the rows,
// sorted by the default column; cells are made as rows are shown.
void BM_WholeLibraryView(benchmark::State &state)
{
    Library &lib = library();
    BrowseState browse(lib.source);
    browse.table().setSortKey(2);
    for (auto _ : state) {
        browse.switchViewMode(ViewMode::Playlists);
        browse.showWholeLibrary();
        benchmark::DoNotOptimize(browse.table().rowCount());
    }
}
BENCHMARK(BM_WholeLibraryView)->Unit(benchmark::kMillisecond);

// The same with every row's cells made (what a list that shows all rows at once costs).
void BM_WholeLibraryViewAllCells(benchmark::State &state)
{
    Library &lib = library();
    BrowseState browse(lib.source);
    browse.table().setSortKey(2);
    for (auto _ : state) {
        browse.switchViewMode(ViewMode::Playlists);
        browse.showWholeLibrary();
        int n = 0;
        for (int r = 0; r < browse.table().rowCount(); ++r)
            n += browse.table().row(r).ImageIndex;
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_WholeLibraryViewAllCells)->Unit(benchmark::kMillisecond);

// A click on a header of 100,000 rows whose cells are not made yet.
void BM_ColumnSortCold(benchmark::State &state)
{
    Library &lib = library();
    TrackTable table;
    table.setRowFiller(lib.source.rowFiller());
    const int position = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        table.setSortKey(0);
        table.fill(lib.source.tracks(), false, true);
        state.ResumeTiming();
        table.columnClick(position);
    }
}
BENCHMARK(BM_ColumnSortCold)->Arg(5)->Arg(4)->Arg(6)->Unit(benchmark::kMillisecond);

// Further clicks on the same rows (cells already made).
void BM_ColumnSortWarm(benchmark::State &state)
{
    Library &lib = library();
    TrackTable table;
    table.setRowFiller(lib.source.rowFiller());
    table.fill(lib.source.tracks(), false, true);
    const int position = int(state.range(0));
    for (auto _ : state)
        table.columnClick(position);
}
BENCHMARK(BM_ColumnSortWarm)->Arg(5)->Arg(4)->Arg(3)->Unit(benchmark::kMillisecond);

// Selecting an artist node: its tracks from the whole library, then the tabs and rows.
void BM_SelectArtist(benchmark::State &state)
{
    Library &lib = library();
    const auto trees = BuildTrees(lib.source, {});
    BrowseState browse(lib.source);
    browse.treesBuilt(*trees);
    browse.table().setSortKey(2);
    size_t i = 1;
    for (auto _ : state) {
        const TreeNode &node = trees->ArtistTree[i];
        i = 1 + (i + 37) % (trees->ArtistTree.size() - 1);
        browse.selectArtistTreeNode({&node, nullptr});
        benchmark::DoNotOptimize(browse.table().rowCount());
    }
}
BENCHMARK(BM_SelectArtist)->Unit(benchmark::kMillisecond);

void BM_Search(benchmark::State &state)
{
    Library &lib = library();
    SearchRequest r;
    r.Text = QStringLiteral("ベスト 7");
    r.V1 = r.V2 = true;
    r.Fields = SearchArtist | SearchTitle | SearchAlbum;
    size_t found = 0;
    for (auto _ : state)
        found = SearchTracks(lib.source, r).size();
    state.counters["found"] = double(found);
}
BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond);

void BM_FolderView(benchmark::State &state)
{
    Library &lib = library();
    const QString folder = QStringLiteral("/music/") + artistName(7) + u'/';
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildFolderView(lib.source, folder, 40, {}));
}
BENCHMARK(BM_FolderView)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    library();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
