// The views over the real library store and real MP3 files: tags read from
// disk, rows made by the store, cover files found on disk.
#include "tests/support/TestSupport.h"

#include "core/library/LibraryStore.h"
#include "core/platform/CodePage.h"
#include "core/views/BrowseState.h"
#include "core/views/CoverLookup.h"
#include "core/views/StoreTrackSource.h"
#include "core/views/TreeBuilder.h"
#include "core/views/ViewTexts.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vireo::views {
namespace {

class StoreViews : public testing::Test {
protected:
    void SetUp() override
    {
        if (!test::haveMutagen())
            GTEST_SKIP() << "mutagen is not installed";
        store = std::make_unique<TID3TagUseful>(folder.path() + QStringLiteral("vireo"));
        store->setSaveCachesOnDestroy(false);
        store->PreferV2 = true;
        music = folder.path() + QStringLiteral("music/");
        tagged(QStringLiteral("a.mp3"), {QStringLiteral("-a"), QStringLiteral("山田"), QStringLiteral("-A"),
                                         QStringLiteral("夏"), QStringLiteral("-t"), QStringLiteral("one"),
                                         QStringLiteral("-T"), QStringLiteral("2")});
        tagged(QStringLiteral("b.mp3"), {QStringLiteral("-a"), QStringLiteral("山田"), QStringLiteral("-A"),
                                         QStringLiteral("冬"), QStringLiteral("-t"), QStringLiteral("two"),
                                         QStringLiteral("-T"), QStringLiteral("1")});
        // An ID3v1 tag only, written by our own writer.
        const QString c = music + QStringLiteral("c.mp3");
        test::writeFile(c, test::silentMpegFrames(3));
        TID3ListItem v1(c, 0);
        v1.V1.Artist = toTagCodePage(u"Queen");
        v1.V1.Album = toTagCodePage(u"Jazz");
        v1.V1.Title = QByteArrayView("three");
        ASSERT_TRUE(v1.WriteV1ToFile(store->V1Reader()));
        test::writeFile(music + QStringLiteral("d.mp3"), test::silentMpegFrames(3)); // no tag
        for (const char *name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"}) {
            const QString path = music + QString::fromLatin1(name);
            store->FindOrRead(path, 1, QFileInfo(path).size());
        }
        store->RefreshFlags();
    }
    void tagged(const QString &name, QStringList args)
    {
        const QString path = music + name;
        test::writeFile(path, test::silentMpegFrames(3));
        args.append(path);
        ASSERT_EQ(test::run(QStringLiteral(VIREO_MID3V2), args).exitCode, 0);
    }
    const TreeNode *artistNode(const LibraryTrees &trees, const QString &key)
    {
        for (const TreeNode &n : trees.ArtistTree)
            if (n.Data->Artist == key)
                return &n;
        return nullptr;
    }
    test::TempProgramFolder folder;
    std::unique_ptr<TID3TagUseful> store;
    QString music;
};

TEST_F(StoreViews, TreesRowsAndSearchFromRealFiles)
{
    ASSERT_EQ(store->TrackCount(), 4);
    StoreTrackSource source(*store);
    const auto trees = BuildTrees(source, {});
    ASSERT_TRUE(trees);
    EXPECT_EQ(trees->ArtistTree.size(), 4u); // コンピレーション, "", Queen, 山田
    EXPECT_EQ(trees->ArtistTree[0].Text, kCompilationNode);
    const TreeNode *yamada = artistNode(*trees, QStringLiteral("山田"));
    ASSERT_NE(yamada, nullptr);
    EXPECT_EQ(yamada->Data->Count, 2);
    EXPECT_EQ(yamada->Children.size(), 2u);
    EXPECT_EQ(yamada->Data->Folder, music.chopped(1));
    ASSERT_NE(artistNode(*trees, QStringLiteral("Queen")), nullptr);

    BrowseState state(source);
    state.treesBuilt(*trees);
    state.setShowV2(true);
    state.switchViewMode(ViewMode::Artist, {yamada, nullptr});
    state.table().columnClick(4); // "Track"
    ASSERT_EQ(state.table().rowCount(), 2);
    EXPECT_EQ(state.table().cellText(0, 5), QStringLiteral("two"));
    EXPECT_EQ(state.table().cellText(1, 4), QStringLiteral("2"));
    EXPECT_EQ(state.table().imageIndex(0), kRowImageV2);

    SearchRequest r;
    r.Text = QStringLiteral("queen");
    r.V1 = true;
    r.Fields = SearchArtist;
    state.search(r);
    ASSERT_EQ(state.table().rowCount(), 1);
    EXPECT_EQ(state.table().cellText(0, 5), QStringLiteral("three"));
    EXPECT_EQ(state.table().imageIndex(0), kRowImageV1);

    // "キャッシュから削除": the views drop the track before the store lets it go.
    TID3ListItem *t = state.table().track(0);
    state.forgetTrack(t);
    EXPECT_GE(store->DeleteFromCache(t->FileName), 0);
    EXPECT_EQ(state.table().rowCount(), 0);
    EXPECT_TRUE(state.currentTracks().empty());
}

struct CoverCase {
    const char *name;
    std::vector<const char *> files;
    const char *album;
    const char *expected; // file name found, "" for none
};

class CoverFiles : public testing::TestWithParam<CoverCase> {};

TEST_P(CoverFiles, FindsTheAlbumFileFirst)
{
    test::TempProgramFolder dir;
    for (const char *f : GetParam().files)
        test::writeFile(dir.file(QString::fromUtf8(f)), QByteArray("\xFF\xD8\xFF", 3));
    T_Vireo_NodeData data;
    data.Kind = T_Vireo_NodeData::AlbumKind;
    data.Album = QString::fromUtf8(GetParam().album);
    data.Folder = dir.path().chopped(1);
    const bool found = lookUpCoverFile(data);
    const QString expected = QString::fromUtf8(GetParam().expected);
    EXPECT_EQ(found, !expected.isEmpty());
    EXPECT_EQ(data.CoverFound, found);
    EXPECT_EQ(data.CoverFile, expected.isEmpty() ? QString() : dir.file(expected));
}

INSTANTIATE_TEST_SUITE_P(Cover, CoverFiles, testing::Values(
    CoverCase{"AlbumNamedFileWins", {"Best.jpg", "folder.jpg"}, "Best", "Best.jpg"},
    CoverCase{"FolderFileFallback", {"folder.jpg"}, "Best", "folder.jpg"},
    CoverCase{"NoFile", {"other.jpg"}, "Best", ""},
    CoverCase{"JapaneseAlbum", {"夏の日.jpg"}, "夏の日", "夏の日.jpg"},
    CoverCase{"SlashInAlbumFallsBack", {"folder.jpg"}, "A/B", "folder.jpg"},
    CoverCase{"CaseOfNameMatters", {"best.jpg"}, "Best", ""}
), [](const testing::TestParamInfo<CoverCase> &i) { return std::string(i.param.name); });

TEST(CoverLookupOnce, AnswersFromTheFirstLookUntilForgotten)
{
    test::TempProgramFolder dir;
    T_Vireo_NodeData data;
    data.Kind = T_Vireo_NodeData::AlbumKind;
    data.Album = QStringLiteral("Best");
    data.Folder = dir.path().chopped(1);
    EXPECT_FALSE(lookUpCoverFile(data));
    test::writeFile(dir.file(QStringLiteral("folder.jpg")), QByteArray("x"));
    EXPECT_FALSE(lookUpCoverFile(data)); // the first answer stands
    forgetCoverLookup(data);
    EXPECT_TRUE(lookUpCoverFile(data));
    T_Vireo_NodeData artist;
    EXPECT_FALSE(lookUpCoverFile(artist)); // only album payloads have covers
}

} // namespace
} // namespace vireo::views
