// The playlist tab's model: which files a reload finds, how entries become
// tracks, and what the editor keeps across a reload.
#include "core/library/TrackRecord.h"
#include "core/playlists/PlaylistFiles.h"
#include "core/views/BrowseState.h"
#include "core/views/StoreTrackSource.h"
#include "tests/core/playlists/PlaylistTestUtil.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::playlists;
using namespace vireo::playlists::fixture;

namespace {

QStringList captions(const PlaylistFiles &files)
{
    QStringList out;
    for (const PlaylistPtr &p : files.Files())
        out << PlaylistFiles::Caption(*p);
    return out;
}

QStringList trackPaths(const views::TrackList &tracks)
{
    QStringList out;
    for (const TID3ListItem *t : tracks)
        out << t->FileName;
    return out;
}

} // namespace

TEST(PlaylistFiles, FindsM3uInAnyCaseButNotM3u8)
{
    PlaylistWorld w;
    w.m3u(QStringLiteral("lists/x.M3U"), "a.mp3\r\n");
    w.m3u(QStringLiteral("lists/y.m3u"), "a.mp3\r\nb.mp3\r\n");
    w.m3u(QStringLiteral("lists/z.m3u8"), "a.mp3\r\n");
    w.m3u(QStringLiteral("lists/notes.txt"), "a.mp3\r\n");
    w.m3u(QStringLiteral("lists/sub/deep.m3u"), "");

    PlaylistFiles files;
    const ReloadOutcome outcome = files.Reload(w.path(QStringLiteral("lists/")));
    EXPECT_TRUE(outcome.Skipped.isEmpty());
    QStringList found = captions(files);
    found.sort();
    EXPECT_EQ(found, (QStringList{QStringLiteral("deep.m3u"), QStringLiteral("x.M3U"), QStringLiteral("y.m3u")}));
    PlaylistPtr y;
    for (const PlaylistPtr &p : files.Files())
        if (p->FileName().endsWith(u"/y.m3u"))
            y = p;
    ASSERT_TRUE(y);
    EXPECT_EQ(y->Entries().size(), 2);
}

TEST(PlaylistFiles, EmptyOrMissingFolderListsNothing)
{
    PlaylistWorld w;
    PlaylistFiles files;
    EXPECT_TRUE(files.Reload(QString()).Skipped.isEmpty());
    EXPECT_EQ(files.Count(), 0);
    files.Reload(w.path(QStringLiteral("nowhere/")));
    EXPECT_EQ(files.Count(), 0);
}

// A playlist that vanishes between the search and its reading is skipped
// with a message naming it; the reload goes on with the rest.
TEST(PlaylistFiles, UnreadablePlaylistIsSkippedAndTheRestLoad)
{
    PlaylistWorld w;
    w.m3u(QStringLiteral("lists/a.m3u"), "a.mp3\r\n");
    const QString gone = w.m3u(QStringLiteral("lists/gone.m3u"), "b.mp3\r\n");
    w.m3u(QStringLiteral("lists/c.m3u"), "c.mp3\r\n");

    struct Remover : SearchProgress {
        QString victim;
        void showFile(const QString &path) override
        {
            if (path == victim)
                QFile::remove(path);
        }
    } remover;
    remover.victim = gone;

    PlaylistFiles files;
    const ReloadOutcome outcome = files.Reload(w.path(QStringLiteral("lists")), &remover);
    ASSERT_EQ(outcome.Skipped.size(), 1);
    EXPECT_TRUE(outcome.Skipped[0].contains(gone)) << outcome.Skipped[0].toStdString();
    EXPECT_TRUE(skippedMessage(outcome).contains(gone));
    QStringList found = captions(files);
    found.sort();
    EXPECT_EQ(found, (QStringList{QStringLiteral("a.m3u"), QStringLiteral("c.m3u")}));
}

TEST(PlaylistFiles, EntriesResolveAgainstThePlaylistsOwnFolder)
{
    PlaylistWorld w;
    const QString a = w.mp3(QStringLiteral("Lists/a.mp3"));
    const QString b = w.mp3(QStringLiteral("Music/b.mp3"));
    const QString c = w.mp3(QStringLiteral("Other/c.mp3"));
    w.m3u(QStringLiteral("Lists/mix.m3u"), "a.mp3\r\n../Music/b.mp3\r\n" + c.toUtf8() + "\r\n..\\Music\\b.mp3\r\n");
    const QString before = QDir::currentPath();

    PlaylistFiles files;
    files.Reload(w.path(QStringLiteral("Lists/")));
    ASSERT_EQ(files.Count(), 1);
    const views::TrackList tracks = files.Show(*w.store, *files.At(0));
    EXPECT_EQ(trackPaths(tracks), (QStringList{a, b, c, b}));
    // The same file twice is the same library track twice.
    EXPECT_EQ(tracks[1], tracks[3]);
    EXPECT_EQ(w.store->TrackCount(), 3);
    for (const TID3ListItem *t : tracks)
        EXPECT_TRUE(t->Exists);
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST(PlaylistFiles, MissingFilesAreMarkedRowsButNeverLibraryTracks)
{
    PlaylistWorld w;
    const QString a = w.mp3(QStringLiteral("Lists/a.mp3"));
    w.m3u(QStringLiteral("Lists/mix.m3u"), "gone.mp3\r\na.mp3\r\ngone.mp3\r\nC:\\Music\\x.mp3\r\n");

    PlaylistFiles files;
    files.Reload(w.path(QStringLiteral("Lists/")));
    const views::TrackList tracks = files.Show(*w.store, *files.At(0));
    ASSERT_EQ(tracks.size(), 4u);
    EXPECT_EQ(w.store->TrackCount(), 1);
    EXPECT_EQ(w.store->FindTrack(w.path(QStringLiteral("Lists/gone.mp3"))), nullptr);
    EXPECT_FALSE(tracks[0]->Exists);
    EXPECT_EQ(tracks[0], tracks[2]); // one stand-in per path, kept while the tab lives
    EXPECT_EQ(tracks[3]->FileName, QStringLiteral("C:\\Music\\x.mp3"));

    // In the track list they are rows with the missing-file image, in playlist order.
    views::StoreTrackSource source(*w.store);
    views::BrowseState browse(source);
    browse.table().setRowFiller(source.rowFiller());
    browse.showPlaylist(tracks);
    EXPECT_EQ(browse.viewMode(), views::ViewMode::Playlists);
    EXPECT_TRUE(browse.tabs().empty());
    ASSERT_EQ(browse.table().rowCount(), 4);
    EXPECT_EQ(browse.table().imageIndex(0), views::kRowImageMissing);
    EXPECT_NE(browse.table().imageIndex(1), views::kRowImageMissing);
    EXPECT_EQ(browse.table().track(1)->FileName, a);

    // Sorting by title keeps the rows and sorts them.
    browse.table().columnClick(5);
    EXPECT_EQ(browse.table().rowCount(), 4);
}

// The editor holds the tab's objects; a reload makes new ones for the tab
// but the editor's current playlist and list stay usable and save to disk.
TEST(PlaylistFiles, EditorKeepsItsPlaylistAcrossAReload)
{
    PlaylistWorld w;
    const QString a = w.mp3(QStringLiteral("Lists/a.mp3"));
    const QString b = w.mp3(QStringLiteral("Lists/b.mp3"));
    const QString list = w.m3u(QStringLiteral("Lists/mix.m3u"), "a.mp3\r\nb.mp3\r\n");

    PlaylistFiles files;
    files.Reload(w.path(QStringLiteral("Lists/")));
    ScriptedHost host;
    PlaylistEditor editor(host, [&] { return w.store.get(); });
    EXPECT_EQ(editor.openFromMain(files.Files(), w.path(QStringLiteral("Lists/")), files.At(0).get()), 0);
    ASSERT_TRUE(editor.loadFromList(0));
    const TM3UFile *held = editor.current().get();

    files.Reload(w.path(QStringLiteral("Lists/")));
    ASSERT_EQ(files.Count(), 1);
    EXPECT_NE(files.At(0).get(), held);
    EXPECT_EQ(editor.current()->FileName(), list);
    EXPECT_EQ(editor.list().size(), 1u);
    EXPECT_EQ(editor.moveDown(0), 1);
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(vireo::test::readFile(list), renderM3UUnicode({b, a}));
    EXPECT_EQ(editor.label(), QStringLiteral(" 編集中:") + list);
}
