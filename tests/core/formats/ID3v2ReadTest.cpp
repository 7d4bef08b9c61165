// Reading ID3v2.2/2.3/2.4 tags from MP3 files built from literal bytes, in
// memory; the file path is the same reader and is tried once for each outcome.
#include "core/formats/ID3v2.h"
#include "tests/core/formats/ID3v2TestUtil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::test;

namespace {

TID3v2 load(const QByteArray &tag)
{
    TID3v2 t;
    EXPECT_TRUE(t.parse(tag + silentMpegFrames(8)));
    return t;
}

QByteArray unsynchronise(const QByteArray &in)
{
    QByteArray out;
    for (char c : in) {
        out += c;
        if (uchar(c) == 0xFF)
            out += '\0';
    }
    return out;
}

using Getter = QString (TID3v2::*)() const;

struct ReadCase {
    const char *name;
    QByteArray tag;
    Getter field;
    QString expected;
};

void PrintTo(const ReadCase &c, std::ostream *os) { *os << c.name; }

class Id3v2ReadField : public ::testing::TestWithParam<ReadCase> {};

TEST_P(Id3v2ReadField, GivesTheExpectedText)
{
    const ReadCase &c = GetParam();
    const TID3v2 t = load(c.tag);
    EXPECT_TRUE(t.Present());
    EXPECT_EQ((t.*(c.field))(), c.expected);
}

const QByteArray utf16Ab = bytes({0x01, 0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00, 0x00, 0x00});

INSTANTIATE_TEST_SUITE_P(Texts, Id3v2ReadField, ::testing::Values(
    ReadCase{"latin", id3Tag(3, frame23("TIT2", text0("AB"))), &TID3v2::Title, u"AB"_qs},
    ReadCase{"utf16le", id3Tag(3, frame23("TIT2", utf16Ab)), &TID3v2::Title, u"AB"_qs},
    ReadCase{"utf16be_bom", id3Tag(3, frame23("TIT2", bytes({1, 0xFE, 0xFF, 0, 0x41, 0, 0x42}))), &TID3v2::Title, u"AB"_qs},
    ReadCase{"code2_is_big_endian", id3Tag(4, frame24("TIT2", bytes({2, 0, 0x41, 0, 0x42}))), &TID3v2::Title, u"AB"_qs},
    ReadCase{"low_byte_255_kept", id3Tag(3, frame23("TIT2", bytes({1, 0xFF, 0xFE, 0xFF, 0x30, 0xFF, 0x00}))), &TID3v2::Title, u"\u30FF\u00FF"_qs},
    ReadCase{"surrogate_pair", id3Tag(3, frame23("TPE1", bytes({1, 0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}))), &TID3v2::Artist, QString::fromUcs4(U"\U0001F600", 1)},
    ReadCase{"utf8_japanese", id3Tag(4, frame24("TALB", QByteArray(1, 3) + u"日本語"_qs.toUtf8())), &TID3v2::Album, u"日本語"_qs},
    ReadCase{"shift_jis", id3Tag(3, frame23("TALB", bytes({0, 0x93, 0xFA, 0x96, 0x7B}))), &TID3v2::Album, u"日本"_qs},
    ReadCase{"v24_values_joined", id3Tag(4, frame24("TPE1", text0(QByteArray("A\0B\0", 4)))), &TID3v2::Artist, u"A/B"_qs},
    ReadCase{"v24_utf16_values_joined", id3Tag(4, frame24("TPE1", bytes({1, 0xFF, 0xFE, 0x41, 0, 0, 0, 0xFF, 0xFE, 0x42, 0}))), &TID3v2::Artist, u"A/B"_qs},
    ReadCase{"v23_first_value", id3Tag(3, frame23("TPE1", text0(QByteArray("A\0B", 3)))), &TID3v2::Artist, u"A"_qs},
    ReadCase{"trimmed", id3Tag(3, frame23("TIT2", text0("  AB \x01"))), &TID3v2::Title, u"AB"_qs},
    ReadCase{"later_frame_wins", id3Tag(3, frame23("TIT2", text0("A")) + frame23("TIT2", text0("B"))), &TID3v2::Title, u"B"_qs},
    ReadCase{"tit1_fallback", id3Tag(3, frame23("TIT1", text0("Group"))), &TID3v2::Title, u"Group"_qs},
    ReadCase{"tope_fallback", id3Tag(3, frame23("TOPE", text0("Orig"))), &TID3v2::Artist, u"Orig"_qs},
    ReadCase{"tdrc_year", id3Tag(4, frame24("TDRC", text0("2004-05-01"))), &TID3v2::Year, u"2004"_qs},
    ReadCase{"genre_code", id3Tag(3, frame23("TCON", text0("(17)"))), &TID3v2::Genre, u"Rock"_qs},
    ReadCase{"genre_code_text", id3Tag(3, frame23("TCON", text0("(17)Rock"))), &TID3v2::Genre, u"Rock"_qs},
    ReadCase{"genre_plain_code", id3Tag(4, frame24("TCON", text0("17"))), &TID3v2::Genre, u"Rock"_qs},
    ReadCase{"genre_text_with_parens", id3Tag(3, frame23("TCON", text0("Rock (live)"))), &TID3v2::Genre, u"Rock (live)"_qs},
    ReadCase{"genre_remix", id3Tag(3, frame23("TCON", text0("(RX)"))), &TID3v2::Genre, u"Remix"_qs},
    ReadCase{"comment", id3Tag(3, frame23("COMM", text0(QByteArray("eng\0hello", 9)))), &TID3v2::Comment, u"hello"_qs},
    ReadCase{"comment_utf16", id3Tag(3, frame23("COMM", bytes({1, 'e', 'n', 'g', 0xFF, 0xFE, 0, 0, 0xFF, 0xFE, 'x', 0}))), &TID3v2::Comment, u"x"_qs},
    // A one-letter UTF-16 description: 41 00 then 00 00; a byte search would cut at the wrong place.
    ReadCase{"comment_utf16_aligned", id3Tag(3, frame23("COMM", bytes({1, 'e', 'n', 'g', 0xFF, 0xFE, 'A', 0, 0, 0, 0xFF, 0xFE, 'x', 0}))), &TID3v2::Comment, u"x"_qs},
    ReadCase{"comment_empty_description_preferred", id3Tag(3,
        frame23("COMM", text0(QByteArray("engfoo\0one", 10))) + frame23("COMM", text0(QByteArray("eng\0two", 7)))
        + frame23("COMM", text0(QByteArray("engbar\0three", 12)))), &TID3v2::Comment, u"two"_qs},
    ReadCase{"comment_last_otherwise", id3Tag(3,
        frame23("COMM", text0(QByteArray("engfoo\0one", 10))) + frame23("COMM", text0(QByteArray("engbar\0two", 10)))), &TID3v2::Comment, u"two"_qs},
    ReadCase{"url_latin1", id3Tag(3, frame23("WXXX", bytes({1, 0xFF, 0xFE, 0, 0}) + "http://x.jp/")), &TID3v2::Url, u"http://x.jp/"_qs},
    ReadCase{"long_text_whole", id3Tag(3, frame23("TIT2", text0(QByteArray(800, 'x')))), &TID3v2::Title, QString(800, u'x')},
    ReadCase{"extended_header_v3", id3Tag(3, be32(6) + bytes({0, 0, 0, 0, 0, 0}) + frame23("TIT2", text0("AB")), 0, 0x40), &TID3v2::Title, u"AB"_qs},
    ReadCase{"extended_header_v4", id3Tag(4, ss32(6) + bytes({1, 0}) + frame24("TIT2", text0("AB")), 0, 0x40), &TID3v2::Title, u"AB"_qs},
    ReadCase{"unsync_tag_v3", id3Tag(3, unsynchronise(frame23("TIT2", bytes({1, 0xFF, 0xFE, 0xFF, 0x30}))), 0, 0x80), &TID3v2::Title, u"\u30FF"_qs},
    ReadCase{"unsync_frame_v4", id3Tag(4, frame24("TIT2", unsynchronise(bytes({1, 0xFF, 0xFE, 0xFF, 0x30})), 0, 0x02)), &TID3v2::Title, u"\u30FF"_qs},
    ReadCase{"v4_syncsafe_size", id3Tag(4, frame24("TIT2", text0(QByteArray(199, 'a'))) + frame24("TPE1", text0("B"))), &TID3v2::Artist, u"B"_qs},
    // 256 bytes written as a plain number: 00 00 01 00 read as syncsafe (128) lands inside the body.
    ReadCase{"v4_plain_size_fallback", id3Tag(4, QByteArray("TIT2") + be32(256) + bytes({0, 0}) + text0(QByteArray(255, 'a'))
        + frame24("TPE1", text0("B"))), &TID3v2::Artist, u"B"_qs},
    ReadCase{"v4_footer", [] { QByteArray t = id3Tag(4, frame24("TIT2", text0("AB")), 0, 0x10);
        QByteArray foot = t.left(10); foot.replace(0, 3, "3DI"); return t + foot; }(), &TID3v2::Title, u"AB"_qs},
    ReadCase{"v3_compressed", id3Tag(3, frame23("TIT2", be32(3) + qCompress(text0("AB")).mid(4), 0, 0x80)), &TID3v2::Title, u"AB"_qs},
    ReadCase{"v22", id3Tag(2, frame22("TT2", text0("AB")) + frame22("TP1", text0("C"))), &TID3v2::Artist, u"C"_qs},
    ReadCase{"v22_comment", id3Tag(2, frame22("COM", text0(QByteArray("eng\0c", 5)))), &TID3v2::Comment, u"c"_qs}
), [](const auto &info) { return std::string(info.param.name); });

TEST(Id3v2Read, TrackNumberAndText)
{
    TID3v2 t = load(id3Tag(3, frame23("TRCK", text0("3/12"))));
    EXPECT_EQ(t.TrackNumber(), 3);
    EXPECT_EQ(t.TrackText(), u"3/12"_qs);
    EXPECT_EQ(load(id3Tag(3, frame23("TRCK", text0("abc")))).TrackNumber(), 0);
    EXPECT_EQ(load(id3Tag(3, frame23("TRCK", text0("-2")))).TrackNumber(), 0);
}

TEST(Id3v2Read, TextEncodingIsThatOfTheLastTextFrame)
{
    TID3v2 t = load(id3Tag(3, frame23("TIT2", text0("A")) + frame23("TPE1", utf16Ab)
                              + frame23("PRIV", QByteArray("WM/x\0\x05", 6))));
    EXPECT_EQ(t.TextEncoding(), 1);
    EXPECT_EQ(t.MajorVersion(), 3);
    // A later frame in the tag code page does not take the Unicode code away.
    EXPECT_EQ(load(id3Tag(3, frame23("TIT2", utf16Ab) + frame23("TRCK", text0("1")))).TextEncoding(), 1);
    EXPECT_EQ(load(id3Tag(4, frame24("TIT2", utf16Ab) + frame24("TRCK", bytes({3, '1'})))).TextEncoding(), 3);
}

TEST(Id3v2Read, FrontCoverIsChosenAndComplete)
{
    const QByteArray back(3000, 'b'), front(5000, 'f');
    QByteArray frames = frame23("APIC", QByteArray("\0image/png\0\x04\0", 13) + back)
                      + frame23("APIC", QByteArray("\0image/jpeg\0\x03" "desc\0", 18) + front);
    TID3v2 t = load(id3Tag(3, frames));
    EXPECT_EQ(t.Picture().MimeType, u"image/jpeg"_qs);
    EXPECT_EQ(t.Picture().PictureType, 3);
    EXPECT_EQ(t.Picture().ImageData, front);
    EXPECT_EQ(t.Picture().Description, u"desc"_qs);
    // The other picture is kept for writing.
    ASSERT_EQ(t.otherFrames().size(), 1);
    EXPECT_EQ(t.otherFrames()[0].id, "APIC");

    TID3v2 first = load(id3Tag(3, frame23("APIC", QByteArray("\0image/png\0\x04\0", 13) + back)
                                  + frame23("APIC", QByteArray("\0image/gif\0\x05\0", 13) + front)));
    EXPECT_EQ(first.Picture().MimeType, u"image/png"_qs);
    EXPECT_EQ(first.Picture().ImageData, back);
}

TEST(Id3v2Read, Utf16PictureDescriptionIsSkippedOnUnitBoundaries)
{
    const QByteArray image = bytes({0x00, 0xFF, 0xD8, 0xFF});
    TID3v2 t = load(id3Tag(3, frame23("APIC", bytes({1}) + "image/jpeg" + bytes({0, 3, 0xFF, 0xFE, 'A', 0, 0, 0}) + image)));
    EXPECT_EQ(t.Picture().Description, u"A"_qs);
    EXPECT_EQ(t.Picture().ImageData, image);
}

TEST(Id3v2Read, Version22Picture)
{
    TID3v2 t = load(id3Tag(2, frame22("PIC", QByteArray("\0JPG\x03\0", 6) + "jpegdata")));
    EXPECT_EQ(t.Picture().MimeType, u"image/jpeg"_qs);
    EXPECT_EQ(t.Picture().ImageData, "jpegdata");
}

struct BadCase {
    const char *name;
    QByteArray file;
    bool result;
    bool present;
};
void PrintTo(const BadCase &c, std::ostream *os) { *os << c.name; }
class Id3v2ReadBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(Id3v2ReadBad, GivesNoFields)
{
    TID3v2 t;
    EXPECT_EQ(t.parse(GetParam().file).ok(), GetParam().result);
    EXPECT_EQ(t.Present(), GetParam().present);
    EXPECT_TRUE(t.Title().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, Id3v2ReadBad, ::testing::Values(
    BadCase{"nine_bytes", QByteArray("ID3\3\0\0\0\0", 9), false, false},
    BadCase{"no_tag", silentMpegFrames(3), true, false},
    BadCase{"size_past_end", id3Tag(3, frame23("TIT2", text0("AB"))).left(15), true, true},
    BadCase{"version_5", id3Tag(5, frame23("TIT2", text0("AB"))) + silentMpegFrames(2), true, true},
    BadCase{"frame_past_tag_end", id3Tag(3, QByteArray("TPE1") + be32(0x7FFFFFF0) + bytes({0, 0, 0, 'A'})) + silentMpegFrames(2), true, true},
    BadCase{"extended_header_too_long", id3Tag(3, be32(0xFFFFFF00) + frame23("TIT2", text0("A")), 0, 0x40) + silentMpegFrames(2), true, true}
), [](const auto &info) { return std::string(info.param.name); });

TEST(Id3v2Read, BogusSizeGivesZeroTagSize)
{
    TID3v2 t;
    ASSERT_TRUE(t.parse(id3Tag(3, frame23("TIT2", text0("AB"))).left(15)));
    EXPECT_EQ(t.TagSize(), 0);
}

// The file entry reads through the same code as the memory one.
TEST(Id3v2Read, FileAndMemoryGiveTheSameTag)
{
    const QByteArray file = id3Tag(3, frame23("TIT2", utf16Ab) + frame23("TPE1", text0("B"))
                                      + frame23("PRIV", QByteArray("x\0y", 3)), 20) + silentMpegFrames(4);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"t.mp3"_qs);
    writeFile(path, file);
    TID3v2 fromFile, fromMemory;
    ASSERT_TRUE(fromFile.LoadTag(path));
    ASSERT_TRUE(fromMemory.parse(file));
    EXPECT_EQ(fromFile.Title(), u"AB"_qs);
    EXPECT_EQ(fromMemory.Title(), fromFile.Title());
    EXPECT_EQ(fromMemory.Artist(), fromFile.Artist());
    EXPECT_EQ(fromMemory.TagSize(), fromFile.TagSize());
    EXPECT_EQ(fromMemory.otherFrames().size(), fromFile.otherFrames().size());

    TID3v2 shortOne;
    const Result r = shortOne.parse(QByteArray("ID3", 3));
    EXPECT_EQ(r.code(), ErrorCode::BadData);
}

TEST(Id3v2Read, MissingFileIsNotFound)
{
    TID3v2 t;
    const Result r = t.LoadTag(u"/nonexistent/x.mp3"_qs);
    EXPECT_EQ(r.code(), ErrorCode::NotFound);
    EXPECT_TRUE(r.message().startsWith(u"/nonexistent/x.mp3: "_qs)) << qPrintable(r.message());
}

} // namespace
