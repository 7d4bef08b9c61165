// Writing ID3v2.3 tags: exact frame bytes, the 4096-byte padding rule,
// in place versus through a copy, carried-over frames and failures.
#include "core/formats/ID3v2.h"
#include "tests/core/formats/ID3v2TestUtil.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vireo;
using namespace vireo::test;

namespace {

const QByteArray kAudio = silentMpegFrames(12);

ino_t inodeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}
mode_t modeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

struct FrameCase {
    const char *name;
    void (*set)(TID3v2 &);
    int encoding;
    QByteArray frame; // the one frame written
};
void PrintTo(const FrameCase &c, std::ostream *os) { *os << c.name; }
class Id3v2WriteFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(Id3v2WriteFrame, WritesExactBytes)
{
    const FrameCase &c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    writeFile(path, kAudio);
    TID3v2 t;
    c.set(t);
    t.setTextEncoding(uint16_t(c.encoding));
    ASSERT_TRUE(t.SaveTag(path));
    const QByteArray file = readFile(path);
    EXPECT_EQ(file.left(10), QByteArray("ID3\x03\x00\x00", 6) + ss32(4086));
    EXPECT_EQ(file.mid(10, c.frame.size()).toHex(' '), c.frame.toHex(' '));
    EXPECT_EQ(file.mid(10 + c.frame.size(), 4086 - c.frame.size()), QByteArray(4086 - c.frame.size(), '\0'));
    EXPECT_EQ(file.mid(4096), kAudio);
}

void titleAB(TID3v2 &t) { t.setTitle(u"AB"_qs); }
void commentX(TID3v2 &t) { t.setComment(u"x"_qs); }
void urlJp(TID3v2 &t) { t.setUrl(u"http://a.jp/é"_qs); }
void track3(TID3v2 &t) { t.setTrackNumber(3); }

INSTANTIATE_TEST_SUITE_P(Frames, Id3v2WriteFrame, ::testing::Values(
    FrameCase{"title_ansi", titleAB, 0, bytes({'T', 'I', 'T', '2', 0, 0, 0, 4, 0, 0, 0, 0x41, 0x42, 0})},
    FrameCase{"title_utf16", titleAB, 1, frame23("TIT2", bytes({1, 0xFF, 0xFE, 0x41, 0, 0x42, 0, 0, 0}))},
    FrameCase{"title_utf16be", titleAB, 2, frame23("TIT2", bytes({2, 0, 0x41, 0, 0x42, 0, 0}))},
    FrameCase{"title_utf8", titleAB, 3, frame23("TIT2", bytes({3, 0x41, 0x42, 0}))},
    FrameCase{"title_unknown_code", titleAB, 7, frame23("TIT2", bytes({0, 0x41, 0x42, 0}))},
    FrameCase{"comment_ansi", commentX, 0, frame23("COMM", bytes({0, 0x65, 0x6E, 0x67, 0, 0x78, 0}))},
    FrameCase{"comment_utf16", commentX, 1, frame23("COMM", bytes({1, 0x65, 0x6E, 0x67, 0, 0, 0xFF, 0xFE, 0x78, 0, 0, 0}))},
    FrameCase{"url_latin1", urlJp, 1, frame23("WXXX", bytes({1, 0, 0}) + "http://a.jp/%C3%A9")},
    FrameCase{"track", track3, 0, frame23("TRCK", bytes({0, '3', 0}))}
), [](const auto &info) { return std::string(info.param.name); });

struct LayoutCase {
    const char *name;
    QByteArray oldTag;   // in front of the audio
    int pictureBytes;    // a picture of this size makes the frames large
    bool inPlace;
    int64_t tagLength;
};
void PrintTo(const LayoutCase &c, std::ostream *os) { *os << c.name; }
class Id3v2WriteLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Id3v2WriteLayout, PadsAndPlacesTheTag)
{
    const LayoutCase &c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    writeFile(path, c.oldTag + kAudio);
    const ino_t before = inodeOf(path);
    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    t.setTitle(u"New title"_qs);
    if (c.pictureBytes) {
        t.Picture().MimeType = u"image/jpeg"_qs;
        t.Picture().ImageData = QByteArray(c.pictureBytes, 'p');
    }
    ASSERT_TRUE(t.SaveTag(path));
    EXPECT_EQ(inodeOf(path) == before, c.inPlace);
    EXPECT_FALSE(QFile::exists(path + u'~'));
    const QByteArray file = readFile(path);
    EXPECT_EQ(file.size(), c.tagLength + kAudio.size());
    EXPECT_EQ(file.mid(c.tagLength), kAudio);
    TID3v2 back;
    ASSERT_TRUE(back.LoadTag(path));
    EXPECT_EQ(back.TagSize(), c.tagLength);
    EXPECT_EQ(back.Title(), u"New title"_qs);
}

INSTANTIATE_TEST_SUITE_P(Layouts, Id3v2WriteLayout, ::testing::Values(
    LayoutCase{"no_tag", {}, 0, false, 4096},
    LayoutCase{"fits_1000", id3Tag(3, frame23("TIT2", text0("old")), 1000 - 10 - 14), 0, true, 1000},
    LayoutCase{"fits_4096", id3Tag(4, frame24("TIT2", text0("old")), 4096 - 10 - 14), 0, true, 4096},
    LayoutCase{"old_6000", id3Tag(3, frame23("TIT2", text0("old")), 6000 - 10 - 14), 0, false, 4096},
    LayoutCase{"too_small", id3Tag(3, frame23("TIT2", text0("o"))), 0, false, 4096},
    // 10 header + 21 "TIT2" + 24 + picture "APIC" bytes = 5010.
    LayoutCase{"large_frames", {}, 5010 - 10 - 21 - 24, false, 5010}
), [](const auto &info) { return std::string(info.param.name); });

TEST(Id3v2Write, BogusOldTagIsKeptBehindTheNewOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    const QByteArray old = QByteArray("ID3\x03\x00\x00\x7F\x7F\x7F\x7F", 10) + kAudio;
    writeFile(path, old);
    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    t.setTitle(u"x"_qs);
    ASSERT_TRUE(t.SaveTag(path));
    EXPECT_EQ(readFile(path).mid(4096), old);
}

TEST(Id3v2Write, KeepsTrackTotalAndTurnsRecordingTimeIntoYearAndDate)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    writeFile(path, id3Tag(4, frame24("TRCK", text0("3/12")) + frame24("TDRC", text0("2004-05-01T10:20"))) + kAudio);
    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    ASSERT_TRUE(t.SaveTag(path));
    TID3v2 back;
    ASSERT_TRUE(back.LoadTag(path));
    EXPECT_EQ(back.MajorVersion(), 3);
    EXPECT_EQ(back.TrackText(), u"3/12"_qs);
    EXPECT_EQ(back.Year(), u"2004"_qs);
    QList<QByteArray> ids;
    for (const Id3v2Frame &f : back.otherFrames())
        ids << f.id;
    EXPECT_EQ(ids, (QList<QByteArray>{"TDAT", "TIME"}));
    EXPECT_EQ(back.otherFrames()[0].body, text0("0105"));
    EXPECT_EQ(back.otherFrames()[1].body, text0("1020"));
}

TEST(Id3v2Write, CarriesFramesItDoesNotWriteItself)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    const QByteArray utf8 = QByteArray(1, 3);
    const QByteArray frames = frame24("TIT2", text0("t")) + frame24("TPE2", utf8 + u"バンド"_qs.toUtf8())
        + frame24("TPOS", text0("1/2")) + frame24("TXXX", utf8 + QByteArray("key\0v1\0v2", 9))
        + frame24("PRIV", QByteArray("owner\0\x01\x02", 8)) + frame24("POPM", QByteArray("a@b\0\xC8\0\0\0\x05", 9))
        + frame24("SEEK", be32(100)) + frame24("TSOP", text0("sort"))
        + frame24("COMM", text0(QByteArray("engdesc\0other", 13))) + frame24("COMM", text0(QByteArray("eng\0main", 8)))
        + frame24("TIPL", text0(QByteArray("producer\0P\0", 11))) + frame24("TMCL", text0(QByteArray("piano\0Q\0", 8)))
        + frame24("TDOR", text0("1999-01-01")) + frame24("TXXX", text0(QByteArray("u\0w", 3)), 0x40, 0x02);
    writeFile(path, id3Tag(4, frames, 64) + kAudio);
    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    EXPECT_EQ(t.Comment(), u"main"_qs);
    EXPECT_EQ(t.droppedFrameIds(), QList<QByteArray>{"SEEK"});
    t.setComment(u"edited"_qs);
    ASSERT_TRUE(t.SaveTag(path));

    TID3v2 back;
    ASSERT_TRUE(back.LoadTag(path));
    EXPECT_EQ(back.Comment(), u"edited"_qs);
    QList<QByteArray> ids;
    for (const Id3v2Frame &f : back.otherFrames())
        ids << f.id;
    EXPECT_EQ(ids, (QList<QByteArray>{"TPE2", "TPOS", "TXXX", "PRIV", "POPM", "TSOP", "COMM", "IPLS", "TORY", "TXXX"}));
    const auto &o = back.otherFrames();
    EXPECT_EQ(o[0].body, bytes({1, 0xFF, 0xFE}) + QByteArray(reinterpret_cast<const char *>(u"バンド"), 6));
    EXPECT_EQ(o[2].body, bytes({1, 0xFF, 0xFE, 'k', 0, 'e', 0, 'y', 0, 0, 0, 0xFF, 0xFE, 'v', 0, '1', 0, '/', 0, 'v', 0, '2', 0}));
    EXPECT_EQ(o[3].body, QByteArray("owner\0\x01\x02", 8));
    EXPECT_EQ(o[7].body, text0(QByteArray("producer\0P\0piano\0Q\0", 19)));
    EXPECT_EQ(o[8].body, text0("1999"));
    // 2.4 status flag "discard on tag alteration" (0x40) is 0x80 in 2.3; unsynchronisation is undone.
    EXPECT_EQ(o[9].statusFlags, 0x80);
    EXPECT_EQ(o[9].formatFlags, 0);
    EXPECT_EQ(o[9].body, text0(QByteArray("u\0w", 3)));
}

TEST(Id3v2Write, Version22TagBecomes23)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    writeFile(path, id3Tag(2, frame22("TT2", text0("t")) + frame22("TP2", text0("band")) + frame22("CNT", be32(7))
                                  + frame22("PIC", QByteArray("\0PNG\x03\0", 6) + "png!") + frame22("CRM", "x")
                                  + frame22("ULT", text0(QByteArray("jpn\0lyrics", 10)))) + kAudio);
    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    ASSERT_TRUE(t.SaveTag(path));
    TID3v2 back;
    ASSERT_TRUE(back.LoadTag(path));
    EXPECT_EQ(back.MajorVersion(), 3);
    EXPECT_EQ(back.Title(), u"t"_qs);
    EXPECT_EQ(back.Picture().MimeType, u"image/png"_qs);
    EXPECT_EQ(back.Picture().ImageData, "png!");
    QList<QByteArray> ids;
    for (const Id3v2Frame &f : back.otherFrames())
        ids << f.id;
    EXPECT_EQ(ids, (QList<QByteArray>{"TPE2", "PCNT", "USLT"}));
    EXPECT_EQ(t.droppedFrameIds(), QList<QByteArray>{"CRM"});
}

TEST(Id3v2Write, ReadOnlyFileIsWrittenAndModeKept)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    writeFile(path, kAudio);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    TID3v2 t;
    t.setTitle(u"x"_qs);
    ASSERT_TRUE(t.SaveTag(path));
    EXPECT_EQ(modeOf(path), mode_t(0644));
    EXPECT_EQ(readFile(path).mid(4096), kAudio);
}

TEST(Id3v2Write, SymbolicLinkStaysALink)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(u"real.mp3"_qs), link = dir.filePath(u"link.mp3"_qs);
    writeFile(real, kAudio);
    ASSERT_TRUE(QFile::link(real, link));
    TID3v2 t;
    t.setTitle(u"x"_qs);
    ASSERT_TRUE(t.SaveTag(link));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    TID3v2 back;
    ASSERT_TRUE(back.LoadTag(real));
    EXPECT_EQ(back.Title(), u"x"_qs);
}

TEST(Id3v2Write, FailureLeavesTheOriginalUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    const QByteArray original = id3Tag(3, frame23("TIT2", text0("old"))) + kAudio;
    writeFile(path, original);
    // The copy cannot be created where a folder of that name is.
    ASSERT_TRUE(QDir().mkdir(path + u'~'));
    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    t.setTitle(u"new"_qs);
    const Result r = t.SaveTag(path);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().contains(path)) << qPrintable(r.message());
    EXPECT_EQ(readFile(path), original);
}

TEST(Id3v2Write, UnreadablePictureStopsTheSave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    const QByteArray original = id3Tag(3, frame23("TIT2", text0("old")), 500) + kAudio;
    writeFile(path, original);
    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    t.Picture().SourceFile = dir.filePath(u"missing.jpg"_qs);
    t.Picture().MimeType = u"image/jpeg"_qs;
    const Result r = t.SaveTag(path);
    EXPECT_EQ(r.code(), ErrorCode::NotFound);
    EXPECT_TRUE(r.message().startsWith(dir.filePath(u"missing.jpg"_qs) + u": "_qs)) << qPrintable(r.message());
    EXPECT_EQ(readFile(path), original);
}

TEST(Id3v2Write, PictureFromSourceFileAndEmptyMimeWritesNone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs), jpg = dir.filePath(u"c.jpg"_qs);
    writeFile(path, kAudio);
    writeFile(jpg, QByteArray(3000, 'j'));
    TID3v2 t;
    t.Picture().SourceFile = jpg;
    t.Picture().MimeType = u"image/jpeg"_qs;
    ASSERT_TRUE(t.SaveTag(path));
    TID3v2 back;
    ASSERT_TRUE(back.LoadTag(path));
    EXPECT_EQ(back.Picture().ImageData, QByteArray(3000, 'j'));
    EXPECT_EQ(back.Picture().PictureType, 3);

    back.Picture().MimeType.clear();
    ASSERT_TRUE(back.SaveTag(path));
    TID3v2 none;
    ASSERT_TRUE(none.LoadTag(path));
    EXPECT_TRUE(none.Picture().MimeType.isEmpty());
    EXPECT_TRUE(none.Picture().ImageData.isEmpty());
}

TEST(Id3v2Strip, RemovesTheWholeTag)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    writeFile(path, id3Tag(4, frame24("TIT2", text0("x")), 100, 0x10) + QByteArray("3DI\x04\0\x10", 6) + ss32(111) + kAudio);
    TID3v2 t;
    ASSERT_TRUE(t.StripTag(path));
    EXPECT_EQ(readFile(path), kAudio);
    // Without a tag: false, and not even the mode changes.
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    EXPECT_FALSE(t.StripTag(path));
    EXPECT_EQ(readFile(path), kAudio);
    EXPECT_EQ(modeOf(path), mode_t(0444));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);

    // A bogus size cuts nothing.
    const QByteArray bogus = QByteArray("ID3\x03\x00\x00\x7F\x7F\x7F\x7F", 10) + kAudio;
    writeFile(path, bogus);
    EXPECT_TRUE(t.StripTag(path));
    EXPECT_EQ(readFile(path), bogus);
}

} // namespace
