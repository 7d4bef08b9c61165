#include "tests/core/library/LibraryTestUtil.h"

#include "core/library/LibraryStore.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Paths.h"

#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::test;

namespace {

class Store : public ::testing::Test {
protected:
    Store() : store(programPath(u"")) { store.setSaveCachesOnDestroy(false); }
    QString song(const QString &name, const QByteArray &bytes)
    {
        const QString path = home.file(QStringLiteral("music/") + name);
        writeFile(path, bytes);
        return path;
    }
    TempProgramFolder home;
    LogOn log;
    TID3TagUseful store;
};

TEST_F(Store, FindOrReadReadsNewFilesAndKeepsValidOnes)
{
    V1Fields f;
    f.title = "Title";
    f.artist = "Artist";
    f.track = 4;
    f.genre = 17;
    const QString a = song(QStringLiteral("a.mp3"), mp3File(id3v23Tag({{"TIT2", QStringLiteral("タイトル")}}), id3v1Block(f)));
    const QString none = song(QStringLiteral("none.mp3"), silentMpegFrames(2));
    const uint64_t opens = FileReader::openCount();
    bool read = false;
    TID3ListItem *t = store.FindOrRead(a, 100, 1234, &read);
    EXPECT_TRUE(read);
    EXPECT_GT(FileReader::openCount(), opens);
    ASSERT_TRUE(t->HasV1 && t->HasV2);
    EXPECT_EQ(t->V1.Title.text(), QStringLiteral("Title"));
    EXPECT_EQ(t->V1.Track, 4);
    EXPECT_EQ(t->V2.Title, QStringLiteral("タイトル"));
    EXPECT_EQ(t->V2.MajorVersion, 3);
    EXPECT_TRUE(t->Exists);
    EXPECT_EQ(t->FileSize, 1234);

    const uint64_t before = FileReader::openCount();
    EXPECT_EQ(store.FindOrRead(a, 100, 99, &read), t);
    EXPECT_FALSE(read);
    EXPECT_EQ(FileReader::openCount(), before);
    EXPECT_EQ(t->FileSize, 99);

    TID3ListItem *n = store.FindOrRead(none, 100, 0);
    EXPECT_FALSE(n->HasV1 || n->HasV2);
    // A path that is gone still gives a track, without tags.
    TID3ListItem *gone = store.FindOrRead(home.file(QStringLiteral("gone.mp3")), -1, 0);
    EXPECT_FALSE(gone->HasV1 || gone->HasV2);
    EXPECT_EQ(store.TrackCount(), 3);
    EXPECT_EQ(store.TrackAt(3), nullptr);
    EXPECT_EQ(store.TrackAt(-1), nullptr);
}

TEST_F(Store, StaleDateRereadsAndMovesToTheEnd)
{
    V1Fields f;
    f.title = "old";
    const QString a = song(QStringLiteral("a.mp3"), mp3File({}, id3v1Block(f)));
    const QString b = song(QStringLiteral("b.mp3"), mp3File({}, id3v1Block(f)));
    store.FindOrRead(a, 100, 0);
    store.FindOrRead(b, 100, 0);
    f.title = "new";
    writeFile(a, mp3File({}, id3v1Block(f)));
    eventLog().close();
    QFile::remove(eventLog().unicodeLogPath());

    TID3ListItem *t = store.FindOrRead(a, 200, 0);
    EXPECT_EQ(t->V1.Title.text(), QStringLiteral("new"));
    EXPECT_EQ(t->FileDate, 200);
    EXPECT_EQ(store.TrackCount(), 2);
    EXPECT_EQ(store.TrackAt(0)->FileName, b);
    EXPECT_EQ(store.TrackAt(1), t);
    EXPECT_EQ(logMessages(), (QStringList{QStringLiteral("ファイルの更新日付がキャッシュと異なる"),
                                          QStringLiteral("新規読み込み：") + a}));

    // Trusting the caches: the date is not looked at.
    store.CacheOnly = true;
    EXPECT_EQ(store.FindOrRead(a, 300, 0), t);
    EXPECT_EQ(t->FileDate, 200);
    store.CacheOnly = false;

    EXPECT_EQ(store.DropIfStale(home.file(QStringLiteral("x.mp3")), 1), nullptr);
    EXPECT_EQ(logMessages().last(), QStringLiteral("ファイル名がキャッシュ中に存在しない：") + home.file(QStringLiteral("x.mp3")));
}

TEST_F(Store, DeleteFromCacheKeepsOrderAndTheTrackAlive)
{
    QStringList paths;
    for (int i = 0; i < 6; ++i)
        paths.append(song(QStringLiteral("%1.mp3").arg(i), silentMpegFrames(2)));
    QList<TID3ListItem *> tracks;
    for (const QString &p : paths)
        tracks.append(store.FindOrRead(p, 1, 0));
    // Stale replacements leave holes; positions must still count live entries.
    store.FindOrRead(paths[1], 2, 0);
    store.FindOrRead(paths[3], 2, 0);
    EXPECT_EQ(store.DeleteFromCache(paths[4]), 2);
    EXPECT_EQ(store.DeleteFromCache(paths[4]), -1);
    EXPECT_EQ(store.DeleteFromCache(QStringLiteral("/nowhere")), -1);
    EXPECT_EQ(tracks[4]->FileName, paths[4]); // still allocated for whoever borrows it
    QStringList order;
    for (qsizetype i = 0; i < store.TrackCount(); ++i)
        order.append(extractFileName(store.TrackAt(i)->FileName));
    EXPECT_EQ(order, (QStringList{"0.mp3", "2.mp3", "5.mp3", "1.mp3", "3.mp3"}));
    EXPECT_EQ(store.Tracks().IndexOf(paths[5]), 2);
    EXPECT_EQ(store.FindTrack(paths[0].toUpper()), nullptr); // paths compare exactly
}

TEST_F(Store, ShiftJisLeadByteCutByTheFieldWidthBecomesASpace)
{
    struct Case {
        QByteArray artist;
        QByteArray expected;
    };
    const QByteArray base(28, 'a');
    const Case cases[] = {
        {base + "a\x82", base + "a "},          // lone lead byte at the end
        {base + "\x82\xa0", base + "\x82\xa0"}, // byte 29 is a lead byte: a whole character
        {base + "ab", base + "ab"},
        {QByteArray("short\x82"), QByteArray("short\x82")}, // shorter texts are left alone
    };
    int i = 0;
    for (const Case &c : cases) {
        V1Fields f;
        f.artist = c.artist;
        f.comment = QByteArray(26, 'c') + "c\x82";
        f.track = 1;
        TID3ListItem *t = store.FindOrRead(song(QStringLiteral("s%1.mp3").arg(i++), mp3File({}, id3v1Block(f))), 1, 0);
        ASSERT_TRUE(t->HasV1);
        EXPECT_EQ(t->V1.Artist.bytes(), c.expected);
        EXPECT_EQ(t->V1.Comment.bytes(), QByteArray(26, 'c') + "c ");
    }
}

TEST_F(Store, GenreText)
{
    EXPECT_EQ(store.GenreText(QStringLiteral("rock")), QStringLiteral("rock"));
    store.GenreCodeInText = true;
    EXPECT_EQ(store.GenreText(QStringLiteral("rock")), QStringLiteral("(17)rock"));
    EXPECT_EQ(store.GenreText(QStringLiteral("Blues")), QStringLiteral("(0)Blues"));
    EXPECT_EQ(store.GenreText(QStringLiteral("Rock ")), QStringLiteral("Rock "));
    EXPECT_EQ(store.GenreText(QStringLiteral("Vaporwave")), QStringLiteral("Vaporwave"));
}

TEST_F(Store, RefreshFlagsSettlesExistence)
{
    const QString a = song(QStringLiteral("a.mp3"), silentMpegFrames(2));
    auto *cached = store.Tracks().Add(std::make_unique<TID3ListItem>(a, 1));
    auto *missing = store.Tracks().Add(std::make_unique<TID3ListItem>(home.file(QStringLiteral("gone.mp3")), 1));
    store.RefreshFlags();
    EXPECT_TRUE(cached->Exists);
    EXPECT_FALSE(missing->Exists);
}

// Rows of the track list.
struct RowCase {
    const char *name;
    bool hasV1, hasV2, fileExists, cacheOnly, markMissing, showV2;
    uint16_t v2Encoding;
    uint8_t v1Genre, v1Track;
    int image;
    QStringList cells; // cells 3 to 10
};

class ListRows : public Store, public ::testing::WithParamInterface<RowCase> {};

TEST_P(ListRows, Fill)
{
    const RowCase &c = GetParam();
    const QString path = home.file(QStringLiteral("music/dir/song.mp3"));
    if (c.fileExists)
        writeFile(path, silentMpegFrames(1));
    auto *t = store.Tracks().Add(std::make_unique<TID3ListItem>(path, 1));
    if (c.hasV1) {
        TID3v1Record r;
        r.Title = QByteArray("t1 ");
        r.Artist = toTagCodePage(QStringLiteral("歌手"));
        r.Album = QByteArray("al1");
        r.Year = QByteArray("1999");
        r.Comment = QByteArray("c1");
        r.Genre = c.v1Genre;
        r.Track = c.v1Track;
        t->SetV1(r);
    }
    if (c.hasV2) {
        TID3v2Record r;
        r.Title = QStringLiteral("t2 \t");
        r.Artist = QStringLiteral("a2");
        r.Album = QStringLiteral("al2 ");
        r.Year = QStringLiteral("2001");
        r.Genre = QStringLiteral("Pop ");
        r.Comment = QStringLiteral("c2\n");
        r.TrackNumber = 9;
        r.MajorVersion = 3;
        r.TextEncoding = c.v2Encoding;
        t->SetV2(r);
    }
    store.CacheOnly = c.cacheOnly;
    const ListRow row = store.FillListRow(t, c.markMissing, c.showV2);
    EXPECT_EQ(row.Data, t);
    EXPECT_TRUE(row.Caption.isEmpty());
    ASSERT_EQ(row.Cells.size(), 11);
    EXPECT_EQ(row.Cells[0], QString());
    EXPECT_EQ(row.Cells[1], home.file(QStringLiteral("music/dir")));
    EXPECT_EQ(row.Cells[2], QStringLiteral("song.mp3"));
    EXPECT_EQ(row.Cells.mid(3), c.cells);
    EXPECT_EQ(row.ImageIndex, c.image);
}

const QStringList kEmpty = {"", "", "", "", "", "", "", "-"};
const QStringList kV1 = {"5", "t1 ", "歌手", "al1", "1999", "Rock", "c1", "ID3v1.1"};
const QStringList kV2 = {"9", "t2", "a2", "al2", "2001", "Pop ", "c2", "ID3v2.3utf16"};

INSTANTIATE_TEST_SUITE_P(Track, ListRows, ::testing::Values(
    RowCase{"v2_shown", true, true, true, false, false, true, 1, 17, 5, 4, kV2},
    RowCase{"v2_off_shows_v1", true, true, true, false, false, false, 1, 17, 5, 0, kV1},
    RowCase{"only_v2_while_off", false, true, true, false, false, false, 1, 17, 5, 2, kEmpty},
    RowCase{"v2_encoding_0", false, true, true, false, false, true, 0, 17, 5, 4,
            {"9", "t2", "a2", "al2", "2001", "Pop ", "c2", "ID3v2.3"}},
    RowCase{"v2_encoding_7", false, true, true, false, false, true, 7, 17, 5, 4,
            {"9", "t2", "a2", "al2", "2001", "Pop ", "c2", "ID3v2.3"}},
    RowCase{"v2_utf8", false, true, true, false, false, true, 3, 17, 5, 4,
            {"9", "t2", "a2", "al2", "2001", "Pop ", "c2", "ID3v2.3utf8"}},
    RowCase{"v1_no_track", true, false, true, false, false, true, 0, 17, 0, 0,
            {"", "t1 ", "歌手", "al1", "1999", "Rock", "c1", "ID3v1.0"}},
    RowCase{"v1_genre_148", true, false, true, false, false, true, 0, 148, 5, 0,
            {"5", "t1 ", "歌手", "al1", "1999", "", "c1", "ID3v1.1"}},
    RowCase{"v1_genre_none", true, false, true, false, false, true, 0, 255, 5, 0,
            {"5", "t1 ", "歌手", "al1", "1999", "", "c1", "ID3v1.1"}},
    RowCase{"no_tag", false, false, true, false, true, true, 0, 0, 0, 2, kEmpty},
    RowCase{"missing_marked", true, true, false, false, true, true, 1, 17, 5, 3, kEmpty},
    RowCase{"missing_unmarked", true, true, false, false, false, true, 1, 17, 5, 2, kEmpty},
    RowCase{"missing_but_cache_only", true, true, false, true, true, true, 1, 17, 5, 4, kV2}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ListRowCells, FolderAndFileName)
{
    EXPECT_EQ(ListRowFolder(QStringLiteral("/a/b/c.mp3")), QStringLiteral("/a/b"));
    EXPECT_EQ(ListRowFolder(QStringLiteral("/c.mp3")), QStringLiteral("/"));
    EXPECT_EQ(ListRowFolder(QStringLiteral("/a//c.mp3")), QStringLiteral("/a//"));
    EXPECT_EQ(ListRowFolder(QStringLiteral("c.mp3")), QString());
    EXPECT_EQ(ListRowFileName(QStringLiteral("/a/b/c.mp3")), QStringLiteral("c.mp3"));
    EXPECT_EQ(ListRowFileName(QStringLiteral("/a/b/")), QString());
    EXPECT_EQ(ListRowCaptions().size(), 11);
    EXPECT_EQ(ListRowCaptions().first(), QStringLiteral("歌詞"));
    EXPECT_EQ(ListRowCaptions().last(), QStringLiteral("ID3Info"));
}

} // namespace
