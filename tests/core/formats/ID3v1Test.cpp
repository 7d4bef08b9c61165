// ID3v1 tag: the block layout, the revision decision, and what saving and
// stripping do to a file's bytes.
#include "core/formats/ID3v1.h"
#include "core/formats/GenreTable.h"

#include "tests/support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vireo;
using vireo::test::readFile;
using vireo::test::writeFile;

namespace {

QByteArray blockWith(QByteArray title, char b125, char b126, QByteArray comment = {}, char genre = 17)
{
    QByteArray b(128, '\0');
    b.replace(0, 3, "TAG");
    b.replace(3, title.size(), title);
    b.replace(97, comment.size(), comment);
    b[125] = b125;
    b[126] = b126;
    b[127] = genre;
    return b;
}

struct RevisionCase {
    int b125, b126;
    int revision;
};
class RevisionDecision : public ::testing::TestWithParam<RevisionCase> {};

TEST_P(RevisionDecision, FollowsBytes125And126)
{
    const RevisionCase c = GetParam();
    EXPECT_EQ(TID3v1::DecideRevision(uint8_t(c.b125), uint8_t(c.b126)), c.revision);
    TID3v1 tag;
    ASSERT_TRUE(tag.ParseBlock(blockWith("t", char(c.b125), char(c.b126), QByteArray(28, 'c'))));
    EXPECT_EQ(tag.Revision(), c.revision);
    if (c.revision == 2) {
        EXPECT_EQ(tag.Track(), c.b126);
        EXPECT_EQ(tag.Comment(), QByteArray(28, 'c'));
    } else {
        EXPECT_EQ(tag.Track(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Bytes, RevisionDecision,
                         ::testing::Values(RevisionCase{0, 0, 1}, RevisionCase{0, 7, 2}, RevisionCase{32, 'x', 2},
                                           RevisionCase{32, 32, 1}, RevisionCase{'a', 'b', 1}, RevisionCase{0, 255, 2},
                                           RevisionCase{32, 0, 2}, RevisionCase{1, 5, 1}));

TEST(ID3v1Block, TrailingBytesUpTo32AreDroppedMiddleZerosKept)
{
    TID3v1 tag;
    QByteArray b = blockWith(QByteArray("Rock") + QByteArray(26, ' '), 0, 0);
    b.replace(33, 7, QByteArray("ab\0cd\t\x1f", 7));
    b.replace(93, 4, "99 \x01");
    ASSERT_TRUE(tag.ParseBlock(b));
    EXPECT_TRUE(tag.Present());
    EXPECT_EQ(tag.Title(), "Rock");
    EXPECT_EQ(tag.Artist(), QByteArray("ab\0cd", 5));
    EXPECT_EQ(tag.Year(), "99");
    EXPECT_EQ(tag.Genre(), 17);
}

TEST(ID3v1Block, OnlyUpperCaseTagIsATag)
{
    TID3v1 tag;
    QByteArray b = blockWith("x", 0, 0);
    b.replace(0, 3, "tag");
    ASSERT_TRUE(tag.ParseBlock(b));
    EXPECT_FALSE(tag.Present());
    EXPECT_TRUE(tag.Title().isEmpty());
    EXPECT_EQ(tag.Genre(), 255);
}

TEST(ID3v1Block, SettersTrimAndCut)
{
    TID3v1 tag;
    tag.SetTitle(QByteArray(40, 'a'));
    tag.SetYear("20245");
    tag.SetComment(QByteArray("note \0 \x10", 8));
    EXPECT_EQ(tag.Title(), QByteArray(30, 'a'));
    EXPECT_EQ(tag.Year(), "2024");
    EXPECT_EQ(tag.Comment(), "note");
}

TEST(ID3v1Block, ResetObjectRendersTagZerosAndGenre255)
{
    TID3v1 tag;
    QByteArray expected(128, '\0');
    expected.replace(0, 3, "TAG");
    expected[127] = char(255);
    EXPECT_EQ(tag.RenderBlock(), expected);
}

struct CommentCase {
    int track;
    QByteArray comment;
    int revision;
    QByteArray readBack;
    int trackBack;
};
class CommentAndTrack : public ::testing::TestWithParam<CommentCase> {};

TEST_P(CommentAndTrack, RoundTrip)
{
    const CommentCase c = GetParam();
    TID3v1 tag;
    tag.SetComment(c.comment);
    tag.SetTrack(uint8_t(c.track));
    TID3v1 back;
    ASSERT_TRUE(back.ParseBlock(tag.RenderBlock()));
    EXPECT_EQ(back.Revision(), c.revision);
    EXPECT_EQ(back.Comment(), c.readBack);
    EXPECT_EQ(back.Track(), c.trackBack);
}

const QByteArray thirty = "abcdefghijklmnopqrstuvwxyz0123";
INSTANTIATE_TEST_SUITE_P(Layouts, CommentAndTrack,
                         ::testing::Values(CommentCase{5, thirty, 2, thirty.left(28), 5},
                                           CommentCase{0, thirty, 1, thirty, 0},
                                           // 29th byte a space, 30th not: reads as ID3v1.1
                                           CommentCase{0, thirty.left(28) + " z", 2, thirty.left(28), 'z'},
                                           CommentCase{0, "short", 1, "short", 0}));

class ID3v1File : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char *name = "a.mp3") const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(ID3v1File, ShortFileIsNeitherReadNorTagged)
{
    const QByteArray bytes(127, 'x');
    writeFile(path(), bytes);
    TID3v1 tag;
    tag.SetTitle("x");
    EXPECT_FALSE(tag.LoadTag(path()));
    EXPECT_FALSE(tag.Present());
    EXPECT_TRUE(tag.Title().isEmpty());
    tag.SetTitle("x");
    EXPECT_FALSE(tag.SaveTag(path()));
    EXPECT_FALSE(tag.StripTag(path()));
    EXPECT_EQ(readFile(path()), bytes);
}

// The tag is read from the last 128 bytes of a file held in memory, with
// the same rules as from a file.
TEST(ID3v1Memory, ReadsTheLast128Bytes)
{
    TID3v1 made;
    made.SetTitle("Title");
    made.SetArtist("\x8e\x52\x93\x63");
    made.SetTrack(7);
    TID3v1 t;
    ASSERT_TRUE(t.parse(test::silentMpegFrames(2) + made.RenderBlock()));
    EXPECT_TRUE(t.Present());
    EXPECT_EQ(t.Title(), "Title");
    EXPECT_EQ(t.Artist(), "\x8e\x52\x93\x63");
    EXPECT_EQ(t.Track(), 7);
    ASSERT_TRUE(t.parse(test::silentMpegFrames(2)));
    EXPECT_FALSE(t.Present());
    const Result shortOne = t.parse(QByteArray(127, 'x'));
    EXPECT_EQ(shortOne.code(), ErrorCode::BadData);
    EXPECT_FALSE(t.Present());
}

TEST_F(ID3v1File, MissingFileFails)
{
    TID3v1 tag;
    EXPECT_FALSE(tag.LoadTag(path("none.mp3")));
    EXPECT_FALSE(tag.SaveTag(path("none.mp3")));
    EXPECT_FALSE(tag.StripTag(path("none.mp3")));
    EXPECT_FALSE(QFile::exists(path("none.mp3")));
}

TEST_F(ID3v1File, SaveAppendsWhenThereIsNoTag)
{
    const QByteArray audio = test::silentMpegFrames(3);
    writeFile(path(), audio);
    TID3v1 tag;
    tag.SetTitle("Title");
    tag.SetGenre(GenreCode(u"Rock"));
    ASSERT_TRUE(tag.SaveTag(path()));
    const QByteArray after = readFile(path());
    ASSERT_EQ(after.size(), audio.size() + 128);
    EXPECT_EQ(after.left(audio.size()), audio);
    EXPECT_EQ(after.right(128), tag.RenderBlock());
}

TEST_F(ID3v1File, LowerCaseTagGetsABlockAppended)
{
    QByteArray bytes = test::silentMpegFrames(2) + blockWith("x", 0, 0);
    bytes[bytes.size() - 128] = 't';
    bytes[bytes.size() - 127] = 'a';
    bytes[bytes.size() - 126] = 'g';
    writeFile(path(), bytes);
    TID3v1 tag;
    ASSERT_TRUE(tag.LoadTag(path()));
    EXPECT_FALSE(tag.Present());
    ASSERT_TRUE(tag.SaveTag(path()));
    EXPECT_EQ(readFile(path()).size(), bytes.size() + 128);
}

TEST_F(ID3v1File, SaveOverwritesAnExistingTagInPlace)
{
    const QByteArray audio = test::silentMpegFrames(2);
    writeFile(path(), audio + blockWith("Old", 0, 3, "old comment"));
    TID3v1 tag;
    ASSERT_TRUE(tag.LoadTag(path()));
    EXPECT_EQ(tag.Title(), "Old");
    EXPECT_EQ(tag.Track(), 3);
    tag.SetTitle("New title");
    ASSERT_TRUE(tag.SaveTag(path()));
    const QByteArray after = readFile(path());
    ASSERT_EQ(after.size(), audio.size() + 128);
    EXPECT_EQ(after.left(audio.size()), audio);
    TID3v1 back;
    ASSERT_TRUE(back.LoadTag(path()));
    EXPECT_EQ(back.Title(), "New title");
    EXPECT_EQ(back.Comment(), "old comment");
    EXPECT_EQ(back.Track(), 3);
}

TEST_F(ID3v1File, ReadOnlyFileIsNotChangedAndReportsFailure)
{
    const QByteArray bytes = test::silentMpegFrames(2) + blockWith("Keep", 0, 0);
    writeFile(path(), bytes);
    QFile::setPermissions(path(), QFile::ReadOwner);
    if (QFile(path()).open(QIODevice::ReadWrite))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    TID3v1 tag;
    tag.SetTitle("Changed");
    EXPECT_FALSE(tag.SaveTag(path()));
    EXPECT_FALSE(tag.StripTag(path()));
    EXPECT_EQ(readFile(path()), bytes);
}

TEST_F(ID3v1File, StripRemovesOnlyATag)
{
    const QByteArray audio = test::silentMpegFrames(2);
    writeFile(path(), audio + blockWith("x", 0, 0));
    TID3v1 tag;
    ASSERT_TRUE(tag.StripTag(path()));
    EXPECT_EQ(readFile(path()), audio);
    ASSERT_TRUE(tag.StripTag(path()));
    EXPECT_EQ(readFile(path()), audio);
}

TEST_F(ID3v1File, ShiftJisBytesAreKeptAsTheyAre)
{
    const QByteArray sjis("\x8e\x52\x93\x63\x89\xd4\x8e\x71"); // 山田花子
    writeFile(path(), test::silentMpegFrames(2));
    TID3v1 tag;
    tag.SetArtist(sjis);
    ASSERT_TRUE(tag.SaveTag(path()));
    TID3v1 back;
    ASSERT_TRUE(back.LoadTag(path()));
    EXPECT_EQ(back.Artist(), sjis);
}

struct GenreCase {
    const char16_t *name;
    int code;
};
class GenreLookup : public ::testing::TestWithParam<GenreCase> {};
TEST_P(GenreLookup, CodeOfName)
{
    EXPECT_EQ(GenreCode(QStringView(GetParam().name)), GetParam().code);
}
INSTANTIATE_TEST_SUITE_P(Names, GenreLookup,
                         ::testing::Values(GenreCase{u"Rock", 17}, GenreCase{u"ROCK", 17}, GenreCase{u"rock", 17},
                                           GenreCase{u"Rock ", 255}, GenreCase{u"", 255}, GenreCase{u"Blues", 0},
                                           GenreCase{u"synthpop", 147}, GenreCase{u"r&b", 14},
                                           GenreCase{u"Ｒock", 255}));

TEST(GenreTable, NamesByCode)
{
    EXPECT_EQ(GenreName(0), u"Blues");
    EXPECT_EQ(GenreName(147), u"Synthpop");
    EXPECT_TRUE(GenreName(148).isEmpty());
    EXPECT_TRUE(GenreName(255).isEmpty());
    EXPECT_TRUE(GenreName(-1).isEmpty());
    QStringList list{QStringLiteral("first")};
    FillGenreList(list);
    ASSERT_EQ(list.size(), 149);
    for (int i = 0; i < GenreCount; ++i)
        EXPECT_EQ(GenreCode(list[i + 1]), i) << qPrintable(list[i + 1]);
}

} // namespace
