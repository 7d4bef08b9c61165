// A save over a tag whose frames could not all be read never drops them:
// the unread bytes of an ID3v2.3 tag are carried over unchanged, and any
// other tag with unread parts is not saved over.
#include "core/formats/ID3v2.h"
#include "tests/core/formats/ID3v2TestUtil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::test;

namespace {

const QByteArray kAudio = silentMpegFrames(12);

TEST(Id3v2DamagedSave, UnreadRestOfAVersion3TagIsCarriedOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    // Two frames, then a frame whose identifier is damaged, then ten more.
    QByteArray rest = frame23("T\x01T2", text0("damaged"));
    for (int i = 0; i < 10; ++i)
        rest += frame23("TXXX", text0("desc") + '\0' + QByteArray::number(i));
    writeFile(path, id3Tag(3, frame23("TIT2", text0("old")) + frame23("TPE1", text0("artist")) + rest, 64) + kAudio);
    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    EXPECT_FALSE(t.readProblems().isEmpty());
    t.setTitle(u"new title"_qs);
    ASSERT_TRUE(t.SaveTag(path));
    const QByteArray after = readFile(path);
    EXPECT_TRUE(after.contains(rest));
    EXPECT_TRUE(after.endsWith(kAudio));
    TID3v2 back;
    ASSERT_TRUE(back.LoadTag(path));
    EXPECT_EQ(back.Title(), u"new title"_qs);
    EXPECT_EQ(back.Artist(), u"artist"_qs);
}

TEST(Id3v2DamagedSave, BrokenCompressedFrameIsCarriedOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    const QByteArray broken = frame23("TALB", be32(100) + QByteArray("not zlib at all"), 0, V23Compressed);
    writeFile(path, id3Tag(3, frame23("TIT2", text0("old")) + broken) + kAudio);
    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    ASSERT_EQ(t.readProblems().size(), 1);
    t.setTitle(u"new"_qs);
    ASSERT_TRUE(t.SaveTag(path));
    EXPECT_TRUE(readFile(path).contains(broken));
}

struct Refused {
    const char *name;
    QByteArray tag;
};
void PrintTo(const Refused &c, std::ostream *os) { *os << c.name; }
class Id3v2RefusedSave : public ::testing::TestWithParam<Refused> {};

TEST_P(Id3v2RefusedSave, LeavesTheFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_qs);
    const QByteArray original = GetParam().tag + kAudio;
    writeFile(path, original);
    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    t.setTitle(u"new"_qs);
    const Result r = t.SaveTag(path);
    EXPECT_EQ(r.code(), ErrorCode::BadData);
    EXPECT_TRUE(r.message().startsWith(path + u": "_qs)) << qPrintable(r.message());
    EXPECT_EQ(readFile(path), original);
    // Removing the tag on purpose is still possible.
    EXPECT_TRUE(t.StripTag(path));
}

INSTANTIATE_TEST_SUITE_P(Tags, Id3v2RefusedSave, ::testing::Values(
    Refused{"v24_garbage_after_frames", id3Tag(4, frame24("TIT2", text0("old")) + QByteArray("\x01garbage", 8) + frame24("TPE1", text0("a")))},
    Refused{"v24_broken_compression", id3Tag(4, frame24("TIT2", text0("old")) + frame24("TALB", ss32(50) + QByteArray("junk"), 0, 0x09))},
    Refused{"v22_compressed", id3Tag(2, frame22("TT2", text0("old")), 0, 0x40)},
    Refused{"unknown_version", id3Tag(5, frame23("TIT2", text0("old")))}
), [](const auto &info) { return std::string(info.param.name); });

} // namespace
