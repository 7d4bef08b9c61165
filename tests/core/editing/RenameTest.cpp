// Artist and album rename and the drops onto the artist tree, over real
// files read back by mutagen; the menu and drop rules as tables.
#include "tests/core/editing/EditingTestUtil.h"

#include "core/editing/Rename.h"

using namespace vireo;
using namespace vireo::editing;
using namespace vireo::test;

namespace {

class Rename : public EditingFixture {
protected:
    QStringList paths;
    void SetUp() override
    {
        EditingFixture::SetUp();
        V1Fields a{"One", "Alpha", "Red", "1999", "", 1, 17};
        paths = {song(QStringLiteral("1.mp3"), {{"TIT2", QStringLiteral("One")}, {"TPE1", QStringLiteral("Alpha")},
                                                {"TALB", QStringLiteral("Red")}}, &a),
                 song(QStringLiteral("2.mp3"), {{"TIT2", QStringLiteral("Two")}, {"TPE1", QStringLiteral("alpha")},
                                                {"TALB", QStringLiteral("Blue")}}),
                 song(QStringLiteral("3.mp3"), {{"TIT2", QStringLiteral("Three")}, {"TPE1", QStringLiteral("Beta")},
                                                {"TALB", QStringLiteral("Red")}})};
        for (const QString &p : paths)
            track(p);
        store->PreferV2 = true;
    }
};

TEST_F(Rename, ArtistSetFollowsTheArtistViewAndAlbumNarrowsIt)
{
    EXPECT_EQ(artistTracks(*store, QStringLiteral("ALPHA")).size(), 2);
    const QList<TID3ListItem *> red = albumTracks(*store, QStringLiteral("Alpha"), QStringLiteral("red"));
    ASSERT_EQ(red.size(), 1);
    EXPECT_EQ(red[0]->FileName, paths[0]);
}

TEST_F(Rename, FortyCharacterArtistFillsId3v1WithThirtyBytesAndFilesGainId3v1)
{
    const QString name(40, QLatin1Char('N'));
    const SaveOutcome out = renameArtist(*store, journal.get(), artistTracks(*store, QStringLiteral("Alpha")), name);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.done, 2);
    for (int i : {0, 1}) {
        const TID3ListItem *t = store->FindTrack(paths[i]);
        EXPECT_TRUE(t->HasV1);
        EXPECT_EQ(t->V1.Artist.bytes(), QByteArray(30, 'N'));
        EXPECT_EQ(t->V2.Artist, name);
        if (haveMutagen()) {
            const MutagenView v = mutagenView(paths[i]);
            EXPECT_EQ(v.v2.value(QLatin1String("TPE1")).toString(), name);
            EXPECT_EQ(v1Field(v, "artist"), QByteArray(30, 'N'));
            EXPECT_EQ(v1Field(v, "album"), i == 0 ? QByteArray("Red") : QByteArray());
        }
    }
    EXPECT_EQ(store->FindTrack(paths[2])->V2.Artist, u"Beta");
}

TEST_F(Rename, AlbumRenameWritesBothTags)
{
    const SaveOutcome out =
        renameAlbum(*store, journal.get(), albumTracks(*store, QStringLiteral("Alpha"), QStringLiteral("Red")),
                    QStringLiteral("赤"));
    ASSERT_TRUE(out.ok());
    const TID3ListItem *t = store->FindTrack(paths[0]);
    EXPECT_EQ(t->V2.Album, u"赤");
    EXPECT_EQ(t->V1.Album.text(), u"赤");
    EXPECT_EQ(store->FindTrack(paths[2])->V2.Album, u"Red");
}

TEST_F(Rename, DroppedFilesTakeArtistAndAlbumAndAreReadAgainWhenChanged)
{
    // A file the library does not know yet is read and added.
    const QString fresh = song(QStringLiteral("new.mp3"), {{"TIT2", QStringLiteral("New")}});
    const SaveOutcome out = applyNamesToFiles(*store, journal.get(), {fresh, paths[2]}, QStringLiteral("Alpha"),
                                              QStringLiteral("Red"));
    ASSERT_TRUE(out.ok());
    for (const QString &p : {fresh, paths[2]}) {
        const TID3ListItem *t = store->FindTrack(p);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->V2.Artist, u"Alpha");
        EXPECT_EQ(t->V2.Album, u"Red");
    }
    EXPECT_EQ(store->FindTrack(fresh)->V2.Title, u"New");
    const SaveOutcome artistOnly = applyNamesToFiles(*store, nullptr, {paths[1]}, QStringLiteral("Beta"), std::nullopt);
    ASSERT_TRUE(artistOnly.ok());
    EXPECT_EQ(store->FindTrack(paths[1])->V2.Album, u"Blue");
}

TEST_F(Rename, NameTheCodePageCannotHoldIsKeptWholeInId3v2)
{
    const QString bare = song(QStringLiteral("bare.mp3"), {});
    const QString name = QStringLiteral("Beyoncé ☃");
    ASSERT_TRUE(applyNamesToFiles(*store, journal.get(), {bare, paths[0]}, name, std::nullopt).ok());
    for (const QString &p : {bare, paths[0]}) {
        EXPECT_EQ(store->FindTrack(p)->V2.Artist, name);
        if (haveMutagen()) {
            EXPECT_EQ(mutagenView(p).v2.value(QLatin1String("TPE1")).toString(), name);
        }
    }
}

struct MenuCase {
    TreePage page;
    int kind;
    bool artistAdd, artistRename, albumAdd, albumRename, songCount, artistShown;
};
class RenameMenu : public ::testing::TestWithParam<MenuCase> {};
TEST_P(RenameMenu, ItemsFollowThePageAndTheNode)
{
    const MenuCase c = GetParam();
    const RenameMenuState s = renameMenuState(c.page, c.kind);
    EXPECT_EQ(s.artistAdd, c.artistAdd);
    EXPECT_EQ(s.artistRename, c.artistRename);
    EXPECT_EQ(s.albumAdd, c.albumAdd);
    EXPECT_EQ(s.albumRename, c.albumRename);
    EXPECT_EQ(s.songCount, c.songCount);
    EXPECT_EQ(s.artistNameShown, c.artistShown);
}
INSTANTIATE_TEST_SUITE_P(Pages, RenameMenu,
                         ::testing::Values(MenuCase{TreePage::Artist, -1, false, false, false, false, true, false},
                                           MenuCase{TreePage::Artist, 0, true, true, true, false, true, false},
                                           MenuCase{TreePage::Artist, 1, false, false, true, true, true, false},
                                           MenuCase{TreePage::Album, 1, false, false, false, true, false, true},
                                           MenuCase{TreePage::Album, -1, false, false, false, false, true, false},
                                           MenuCase{TreePage::Other, 0, false, false, false, false, true, false}));

TEST(DropRules, FolderScansAndNodesAsk)
{
    EXPECT_EQ(dropAction(false, 1), DropAction::ScanFolder);
    EXPECT_EQ(dropAction(true, 1), DropAction::AskArtistAndAlbum);
    EXPECT_EQ(dropAction(true, 0), DropAction::AskArtist);
    EXPECT_EQ(dropAction(true, -1), DropAction::Nothing);
    EXPECT_EQ(dropStatusText(1, 12, 34), u"file(s) were copied.   Files dropped at point (12,34).");
    EXPECT_EQ(dropStatusText(7, 0, 0), u"file(s) were linked.   Files dropped at point (0,0).");
}

} // namespace
