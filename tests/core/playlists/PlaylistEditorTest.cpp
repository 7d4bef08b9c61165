// The playlist editor's commands without the window: the ask-to-save flow,
// the two save forms, moving and deleting rows, loading and undo.
#include "core/library/TrackRecord.h"
#include "core/playlists/PlaylistEditor.h"
#include "tests/core/playlists/PlaylistTestUtil.h"

#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::playlists;
using namespace vireo::playlists::fixture;

namespace {

struct EditorWorld : PlaylistWorld {
    ScriptedHost host;
    PlaylistEditor editor{host, [this] { return store.get(); }};
    PlaylistFiles files;
    QString a, b, c, lists;

    EditorWorld()
    {
        a = mp3(QStringLiteral("Music/a.mp3"));
        b = mp3(QStringLiteral("Music/b.mp3"));
        c = mp3(QStringLiteral("Music/c.mp3"));
        lists = path(QStringLiteral("Lists/"));
        QDir().mkpath(lists);
    }
    std::vector<EditorRow> rowsOf(const QStringList &paths)
    {
        std::vector<EditorRow> rows;
        for (const QString &p : paths)
            rows.push_back(makeEditorRow(*store, store->FindOrRead(p, 0, 0), true, true));
        return rows;
    }
    void reload()
    {
        files.Reload(lists);
        editor.openFromMain(files.Files(), lists);
    }
};

} // namespace

TEST(PlaylistEditor, SaveAsWritesThePlainFormAndSaveTheUnicodeForm)
{
    EditorWorld w;
    w.reload();
    w.editor.appendRows(w.rowsOf({w.a, w.b}));
    EXPECT_TRUE(w.editor.modified());

    w.host.saveFile = w.lists + QStringLiteral("新しい.m3u");
    ASSERT_TRUE(w.editor.saveAs());
    EXPECT_EQ(vireo::test::readFile(w.host.saveFile), w.a.toUtf8() + "\r\n" + w.b.toUtf8() + "\r\n");
    EXPECT_FALSE(w.editor.modified());
    ASSERT_TRUE(w.editor.current());
    EXPECT_EQ(w.editor.current()->FileName(), w.host.saveFile);
    EXPECT_EQ(w.editor.current()->Entries(), (QStringList{w.a, w.b}));
    EXPECT_EQ(w.editor.list().size(), 1u);
    EXPECT_EQ(w.editor.currentListIndex(), 0);

    ASSERT_TRUE(w.editor.save());
    EXPECT_EQ(vireo::test::readFile(w.host.saveFile), renderM3UUnicode({w.a, w.b}));
    EXPECT_TRUE(vireo::test::readFile(w.host.saveFile).startsWith("\xFF\xFE"));
}

TEST(PlaylistEditor, SaveWithoutCurrentPlaylistDoesNothing)
{
    EditorWorld w;
    w.editor.appendRows(w.rowsOf({w.a}));
    EXPECT_FALSE(w.editor.save());
    EXPECT_TRUE(w.editor.modified());
    EXPECT_EQ(w.host.saveDialogs, 0);
}

TEST(PlaylistEditor, SaveAsOntoAListedPlaylistAsksAndKeepsOneObject)
{
    EditorWorld w;
    const QString existing = w.m3u(QStringLiteral("Lists/old.m3u"), "x.mp3\r\n");
    w.reload();
    w.editor.appendRows(w.rowsOf({w.c}));
    w.host.saveFile = existing;

    w.host.overwriteAnswers = {false};
    EXPECT_FALSE(w.editor.saveAs());
    EXPECT_EQ(vireo::test::readFile(existing), QByteArray("x.mp3\r\n"));
    EXPECT_TRUE(w.editor.modified());

    w.host.overwriteAnswers = {true};
    ASSERT_TRUE(w.editor.saveAs());
    EXPECT_EQ(w.host.overwriteAsked, 2);
    EXPECT_EQ(vireo::test::readFile(existing), renderM3UUnicode({w.c}));
    EXPECT_EQ(w.editor.current(), w.files.At(0)); // the tab's own object, updated
    EXPECT_EQ(w.files.At(0)->Entries(), QStringList{w.c});
    EXPECT_EQ(w.editor.list().size(), 1u);
}

struct AskCase {
    const char *name;
    bool withCurrent;    // rows loaded from a playlist, then changed
    bool answer;         // Yes / No
    QString dialogName;  // the save dialog's answer for a new playlist ("" cancels)
    bool clears;         // "新規作成" went on and emptied the rows
    bool savedToFile;    // the changes reached the disk
};

class AskToSave : public ::testing::TestWithParam<AskCase> {};

TEST_P(AskToSave, NewPlaylistFollowsTheAnswer)
{
    const AskCase &k = GetParam();
    EditorWorld w;
    const QString list = w.m3u(QStringLiteral("Lists/mix.m3u"), "../Music/a.mp3\r\n");
    w.reload();
    if (k.withCurrent) {
        ASSERT_TRUE(w.editor.loadFromList(0));
    }
    w.editor.appendRows(w.rowsOf({w.b}));
    w.host.saveAnswers = {k.answer};
    w.host.saveFile = k.dialogName.isEmpty() ? QString() : w.lists + k.dialogName;

    w.editor.newPlaylist();
    EXPECT_EQ(w.host.asked, 1);
    EXPECT_EQ(w.editor.rows().empty(), k.clears);
    EXPECT_EQ(w.editor.modified(), !k.clears);
    if (k.clears) {
        EXPECT_FALSE(w.editor.current());
        EXPECT_EQ(w.editor.label(), QStringLiteral(" 編集中:"));
    }
    const QString target = k.withCurrent ? list : w.host.saveFile;
    const QByteArray expected = k.withCurrent ? renderM3UUnicode({w.a, w.b}) : renderM3UPlain({w.b});
    if (k.savedToFile) {
        EXPECT_EQ(vireo::test::readFile(target), expected);
    } else if (k.withCurrent) {
        EXPECT_EQ(vireo::test::readFile(list), QByteArray("../Music/a.mp3\r\n"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AskToSave,
    ::testing::Values(AskCase{"YesSavesTheCurrentPlaylist", true, true, {}, true, true},
                      AskCase{"NoDropsTheChanges", true, false, {}, true, false},
                      AskCase{"YesWithoutNameRunsSaveAs", false, true, QStringLiteral("neu.m3u"), true, true},
                      AskCase{"CancelledSaveAsKeepsTheRows", false, true, {}, false, false},
                      AskCase{"NoWithoutNameDropsTheRows", false, false, {}, true, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlaylistEditor, NothingIsAskedWithoutChanges)
{
    EditorWorld w;
    w.m3u(QStringLiteral("Lists/mix.m3u"), "../Music/a.mp3\r\n");
    w.reload();
    ASSERT_TRUE(w.editor.loadFromList(0));
    w.editor.newPlaylist();
    EXPECT_EQ(w.host.asked, 0);
    EXPECT_TRUE(w.editor.rows().empty());
}

TEST(PlaylistEditor, LoadingResolvesEntriesAndMarksMissingFiles)
{
    EditorWorld w;
    w.m3u(QStringLiteral("Music/mix.m3u"), "a.mp3\r\n../Music/b.mp3\r\n" + w.c.toUtf8() + "\r\nnot-there.mp3\r\na.mp3\r\n");
    w.lists = w.path(QStringLiteral("Music/"));
    w.reload();
    ASSERT_TRUE(w.editor.loadFromList(0));
    EXPECT_EQ(w.editor.rowPaths(),
              (QStringList{w.a, w.b, w.c, w.path(QStringLiteral("Music/not-there.mp3")), w.a}));
    EXPECT_EQ(w.editor.rows()[3].Row.ImageIndex, views::kRowImageMissing);
    EXPECT_NE(w.editor.rows()[0].Row.ImageIndex, views::kRowImageMissing);
    EXPECT_EQ(w.editor.rows()[0].Row.Cells[2], QStringLiteral("a.mp3"));
    EXPECT_EQ(w.store->FindTrack(w.path(QStringLiteral("Music/not-there.mp3"))), nullptr);
    EXPECT_FALSE(w.editor.modified());
}

TEST(PlaylistEditor, MovesAtTheEndsLeaveModifiedAsItWas)
{
    for (const bool modifiedBefore : {false, true}) {
        EditorWorld w;
        w.m3u(QStringLiteral("Lists/mix.m3u"), w.a.toUtf8() + "\r\n" + w.b.toUtf8() + "\r\n" + w.c.toUtf8());
        w.reload();
        ASSERT_TRUE(w.editor.loadFromList(0));
        if (modifiedBefore)
            w.editor.appendRows(w.rowsOf({w.a}));
        const int last = int(w.editor.rows().size()) - 1;
        EXPECT_EQ(w.editor.moveUp(0), 0);
        EXPECT_EQ(w.editor.moveDown(last), last);
        EXPECT_EQ(w.editor.moveUp(-1), -1);
        EXPECT_EQ(w.editor.modified(), modifiedBefore);

        EXPECT_EQ(w.editor.moveDown(0), 1);
        EXPECT_TRUE(w.editor.modified());
        EXPECT_EQ(w.editor.rowPaths().mid(0, 3), (QStringList{w.b, w.a, w.c}));
        EXPECT_EQ(w.editor.moveUp(2), 1);
        EXPECT_EQ(w.editor.rowPaths().mid(0, 3), (QStringList{w.b, w.c, w.a}));
    }
}

TEST(PlaylistEditor, DeleteUndoAndCancel)
{
    EditorWorld w;
    w.m3u(QStringLiteral("Lists/mix.m3u"), w.a.toUtf8() + "\r\n" + w.b.toUtf8() + "\r\n" + w.c.toUtf8());
    w.reload();
    ASSERT_TRUE(w.editor.loadFromList(0));
    w.editor.deleteRows({});
    EXPECT_FALSE(w.editor.modified());
    w.editor.deleteRows({2, 0, 2});
    EXPECT_EQ(w.editor.rowPaths(), QStringList{w.b});
    EXPECT_TRUE(w.editor.modified());

    w.editor.undo();
    EXPECT_EQ(w.editor.rowPaths(), (QStringList{w.a, w.b, w.c}));
    EXPECT_FALSE(w.editor.modified());
    EXPECT_EQ(w.host.asked, 0);

    // Without a current playlist undo empties the rows.
    w.editor.clear();
    w.editor.appendRows(w.rowsOf({w.a}));
    w.editor.undo();
    EXPECT_TRUE(w.editor.rows().empty());
}

TEST(PlaylistEditor, OpenShowsTracksAndSaveRewritesTheSameEntries)
{
    EditorWorld w;
    w.reload();
    const QString outside = w.m3u(QStringLiteral("Elsewhere/pick.m3u"), "../Music/a.mp3\n../Music/c.mp3\n");
    w.host.openFile = outside;
    ASSERT_TRUE(w.editor.open());
    EXPECT_EQ(w.editor.rowPaths(), (QStringList{w.a, w.c}));
    EXPECT_EQ(w.editor.list().size(), 1u);
    EXPECT_EQ(w.editor.currentListIndex(), 0);
    ASSERT_TRUE(w.editor.save());
    EXPECT_EQ(vireo::test::readFile(outside), renderM3UUnicode({w.a, w.c}));

    // A file that cannot be read is reported and nothing changes.
    w.host.openFile = w.path(QStringLiteral("Elsewhere/none.m3u"));
    EXPECT_FALSE(w.editor.open());
    ASSERT_EQ(w.host.errors.size(), 1);
    EXPECT_TRUE(w.host.errors[0].contains(QStringLiteral("none.m3u")));
    EXPECT_EQ(w.editor.rowPaths(), (QStringList{w.a, w.c}));
}

TEST(PlaylistEditor, FailedSaveKeepsEntriesAndModified)
{
    EditorWorld w;
    const QString list = w.m3u(QStringLiteral("Lists/mix.m3u"), w.a.toUtf8());
    w.reload();
    ASSERT_TRUE(w.editor.loadFromList(0));
    w.editor.appendRows(w.rowsOf({w.b}));
    // The playlist's folder turns into a file: the save cannot write.
    QDir(w.lists).removeRecursively();
    vireo::test::writeFile(w.path(QStringLiteral("Lists")), "x");
    EXPECT_FALSE(w.editor.save());
    EXPECT_EQ(w.host.errors.size(), 1);
    EXPECT_TRUE(w.editor.modified());
    EXPECT_EQ(w.editor.current()->Entries(), QStringList{w.a});
    Q_UNUSED(list);
}

TEST(PlaylistEditor, ReopeningFromTheMainWindowKeepsRowsAndClearsModified)
{
    EditorWorld w;
    w.reload();
    w.editor.appendRows(w.rowsOf({w.a, w.b}));
    EXPECT_TRUE(w.editor.modified());
    w.reload();
    EXPECT_FALSE(w.editor.modified());
    EXPECT_EQ(w.editor.rowPaths(), (QStringList{w.a, w.b}));
    EXPECT_EQ(w.editor.label(), QStringLiteral("編集中：新規作成"));
}
