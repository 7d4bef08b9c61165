// Track record: the values every view derives from it (preferred artist and
// album, name matching, the tag label) and its ID3v1 write-back.
#include "core/library/TrackRecord.h"

#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "core/platform/CodePage.h"

#include "tests/support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vireo;

namespace {

struct Tags {
    bool v1 = false;
    const char *v1Artist = "";
    const char *v1Album = "";
    bool v2 = false;
    const char16_t *v2Artist = u"";
    const char16_t *v2Album = u"";
};

TID3ListItem record(const Tags &t)
{
    TID3ListItem r(QStringLiteral("/music/a.mp3"), 0);
    if (t.v1) {
        TID3v1Record v1;
        v1.Artist = QByteArray(t.v1Artist);
        v1.Album = QByteArray(t.v1Album);
        r.SetV1(v1);
    }
    if (t.v2) {
        TID3v2Record v2;
        v2.Artist = QString::fromUtf16(t.v2Artist);
        v2.Album = QString::fromUtf16(t.v2Album);
        r.SetV2(v2);
    }
    return r;
}

struct PreferCase {
    const char *name;
    Tags tags;
    int preference;
    const char16_t *artist;
    const char16_t *album;
};
class Preferred : public ::testing::TestWithParam<PreferCase> {};
TEST_P(Preferred, ArtistAndAlbum)
{
    const PreferCase &c = GetParam();
    const TID3ListItem r = record(c.tags);
    EXPECT_EQ(r.PreferredArtist(c.preference), QString::fromUtf16(c.artist));
    EXPECT_EQ(r.PreferredAlbum(c.preference), QString::fromUtf16(c.album));
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Preferred,
    ::testing::Values(PreferCase{"BothV2First", {true, "One", "A1", true, u"Two", u"A2"}, 2, u"Two", u"A2"},
                      PreferCase{"BothV1First", {true, "One", "A1", true, u"Two", u"A2"}, 1, u"One", u"A1"},
                      // Presence decides, not emptiness.
                      PreferCase{"EmptyV1Wins", {true, "", "", true, u"Two", u"A2"}, 1, u"", u""},
                      PreferCase{"EmptyV2Wins", {true, "One", "A1", true, u"", u""}, 2, u"", u""},
                      PreferCase{"OnlyV1", {true, "One", "A1"}, 2, u"One", u"A1"},
                      PreferCase{"OnlyV2", {false, "", "", true, u"Two ", u"A2"}, 1, u"Two ", u"A2"},
                      PreferCase{"None", {}, 2, u"", u""},
                      PreferCase{"ShiftJis", {true, "\x8e\x52\x93\x63", "\x89\xc4", false}, 1, u"山田", u"夏"}),
    [](const auto &info) { return std::string(info.param.name); });

struct MatchCase {
    const char *name;
    Tags tags;
    const char16_t *find;
    int preference;
    int artist;
};
class Match : public ::testing::TestWithParam<MatchCase> {};
TEST_P(Match, Artist)
{
    const MatchCase &c = GetParam();
    EXPECT_EQ(record(c.tags).MatchArtist(QStringView(c.find), c.preference), c.artist);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Match,
    ::testing::Values(MatchCase{"PreferredIgnoringCase", {true, "x", "", true, u"ABC"}, u"abc", 2, 0},
                      MatchCase{"OnlyTheOther", {true, "abc", "", true, u"zzz"}, u"ABC", 2, 1},
                      MatchCase{"BothMatch", {true, "abc", "", true, u"abc"}, u"abc", 1, 0},
                      MatchCase{"Neither", {true, "x", "", true, u"y"}, u"abc", 2, -1},
                      MatchCase{"NoTags", {}, u"", 2, -1},
                      MatchCase{"EmptyNameMatchesEmptyTag", {false, "", "", true, u""}, u"", 2, 0},
                      MatchCase{"AbsentTagNeverMatches", {true, "", "", false}, u"", 2, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TrackRecord, MatchAlbumUsesAlbums)
{
    const TID3ListItem r = record({true, "a", "Summer", true, u"b", u"Winter"});
    EXPECT_EQ(r.MatchAlbum(u"winter", 2), 0);
    EXPECT_EQ(r.MatchAlbum(u"SUMMER", 2), 1);
    EXPECT_EQ(r.MatchAlbum(u"a", 2), -1);
}

TEST(TrackRecord, TagVersionLabel)
{
    TID3ListItem r(QStringLiteral("/x.mp3"), 0);
    TID3v1Record v1;
    r.SetV1(v1);
    EXPECT_EQ(r.TagVersionLabel(), u"ID3v1.0");
    v1.Track = 4;
    r.SetV1(v1);
    EXPECT_EQ(r.TagVersionLabel(), u"ID3v1.1");
    TID3v2Record v2;
    v2.MajorVersion = 4;
    r.SetV2(v2);
    EXPECT_EQ(r.TagVersionLabel(), u"ID3v2.4");
}

TEST(TrackRecord, EncodingNames)
{
    const std::pair<int, const char16_t *> cases[] = {{0, u""}, {1, u"utf16"}, {2, u"utf16BE"}, {3, u"utf8"},
                                                      {7, u""}, {-1, u""}};
    for (const auto &[code, name] : cases)
        EXPECT_EQ(TID3ListItem::EncodingName(code), QString::fromUtf16(name)) << code;
}

TEST(FixedTextBuffer, CutsAtWidthAndReadsToFirstZero)
{
    FixedText<4> year;
    year = QByteArrayView("199912");
    EXPECT_EQ(year.bytes(), "1999");
    year = QByteArrayView("82");
    EXPECT_EQ(year.bytes(), "82");
    EXPECT_EQ(year.raw()[2], 0);
    FixedText<30> t(QByteArray("ab\0cd", 5));
    EXPECT_EQ(t.bytes(), "ab");
    EXPECT_EQ(t.text(), u"ab");
}

class TrackWriteBack : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("t.mp3"));
    QByteArray audio = test::silentMpegFrames(4);
    void SetUp() override { test::writeFile(path, audio); }
};

TEST_F(TrackWriteBack, WriteV1ThenRemove)
{
    TID3ListItem r(path, 0);
    r.V1.Title = QByteArray("Title");
    r.V1.Artist = toTagCodePage(u"山田花子");
    r.V1.Year = QByteArray("2023");
    r.V1.Comment = QByteArray(30, 'c');
    r.V1.Track = 9;
    r.V1.Genre = 146;
    TID3v1 store;
    ASSERT_TRUE(r.WriteV1ToFile(store));
    EXPECT_TRUE(r.HasV1);
    EXPECT_EQ(test::readFile(path).size(), audio.size() + 128);
    TID3v1 back;
    ASSERT_TRUE(back.LoadTag(path));
    const TID3v1Record read = TID3v1Record::FromTag(back);
    EXPECT_EQ(read.Artist.text(), u"山田花子");
    EXPECT_EQ(read.Track, 9);
    EXPECT_EQ(read.Genre, 146);
    EXPECT_EQ(read.Comment.bytes(), QByteArray(28, 'c'));
    // Writing again replaces the tag; the file does not grow.
    r.V1.Title = QByteArray("Other");
    ASSERT_TRUE(r.WriteV1ToFile());
    EXPECT_EQ(test::readFile(path).size(), audio.size() + 128);
    ASSERT_TRUE(r.RemoveV1FromFile(store));
    EXPECT_FALSE(r.HasV1);
    EXPECT_EQ(test::readFile(path), audio);
    EXPECT_FALSE(r.RemoveV1FromFile(store));
}

TEST_F(TrackWriteBack, WriteV2KeepsWhatTheRecordDoesNotHold)
{
    const QString demo = QStringLiteral(VIREO_SOURCE_DIR "/demo/山田花子/夏の歌/02 花火.mp3");
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(demo, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    TID3v2 before;
    ASSERT_TRUE(before.LoadTag(path));
    ASSERT_FALSE(before.Picture().ImageData.isEmpty());
    TID3ListItem r(path, 0);
    r.SetV2(TID3v2Record::FromTag(before));
    r.V2.Title = QStringLiteral("新しい題");
    r.V2.TrackNumber = 5;
    ASSERT_TRUE(r.WriteV2ToFile());
    TID3v2 after;
    ASSERT_TRUE(after.LoadTag(path));
    EXPECT_EQ(after.Title(), u"新しい題");
    EXPECT_EQ(after.TrackNumber(), 5);
    EXPECT_EQ(after.Artist(), before.Artist());
    EXPECT_EQ(after.Composer(), before.Composer());
    EXPECT_EQ(after.Picture().ImageData, before.Picture().ImageData);
    EXPECT_EQ(after.Picture().MimeType, before.Picture().MimeType);
    // The ID3v1 tag at the end survives the rewrite.
    TID3v1 v1;
    ASSERT_TRUE(v1.LoadTag(path));
    EXPECT_TRUE(v1.Present());
    ASSERT_TRUE(r.RemoveV2FromFile());
    EXPECT_FALSE(r.HasV2);
    ASSERT_TRUE(after.LoadTag(path));
    EXPECT_FALSE(after.Present());
}

TEST_F(TrackWriteBack, FailedWriteKeepsTheFlags)
{
    TID3ListItem missing(dir.filePath(QStringLiteral("gone.mp3")), 0);
    EXPECT_FALSE(missing.WriteV1ToFile());
    EXPECT_FALSE(missing.HasV1);
    missing.HasV1 = true;
    EXPECT_FALSE(missing.RemoveV1FromFile());
    EXPECT_TRUE(missing.HasV1);
    EXPECT_FALSE(missing.WriteV2ToFile());
    EXPECT_FALSE(missing.HasV2);
}

} // namespace
