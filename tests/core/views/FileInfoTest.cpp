// The file information page's texts and numbers, its grid rows, and reading
// a real file for it.
#include "core/formats/ID3v2.h"
#include "core/library/TrackRecord.h"
#include "core/views/FileInfo.h"
#include "core/views/FileInfoTexts.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::views;

namespace {

TEST(FileInfoTexts, SizesAndRates)
{
    EXPECT_EQ(fileSizeText(4404019), QStringLiteral("4.2 MB"));
    EXPECT_EQ(fileSizeText(0), QStringLiteral("0.0 MB"));
    EXPECT_EQ(fileSizeText(1024 * 1024 * 10), QStringLiteral("10.0 MB"));
    EXPECT_EQ(sampleRateText(44100), QStringLiteral("44.1 KHz"));
    EXPECT_EQ(sampleRateText(8000), QStringLiteral("8.0 KHz"));
    EXPECT_EQ(sampleRateText(22050), QStringLiteral("22.1 KHz"));
    EXPECT_EQ(bitRateText(true, 192), QStringLiteral("VBR 192 kbit/s"));
    EXPECT_EQ(bitRateText(false, 128), QStringLiteral("CBR 128 kbit/s"));
    EXPECT_EQ(yesNoText(true), QStringLiteral("Yes"));
    EXPECT_EQ(yesNoText(false), QStringLiteral("No"));
}

class Durations : public testing::TestWithParam<std::pair<double, const char *>> {};

TEST_P(Durations, RoundedToWholeSecondsBeforeSplitting)
{
    EXPECT_EQ(durationText(GetParam().first), QString::fromUtf8(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(FileInfoTexts, Durations, testing::Values(
    std::make_pair(185.6, "3分6秒"),
    std::make_pair(239.7, "4分0秒"),   // never "3分60秒"
    std::make_pair(119.7, "2分0秒"),   // never "1分60秒"
    std::make_pair(59.4, "0分59秒"),
    std::make_pair(3600.0, "60分0秒"),
    std::make_pair(0.0, "0分0秒"),
    std::make_pair(-3.0, "0分0秒"),
    std::make_pair(std::nan(""), "0分0秒")));

TEST(FileInfoRows, Id3v1ViewHasSevenRows)
{
    TID3v1Record v1;
    v1.Title = "Song";
    v1.Artist = "Band";
    v1.Track = 0;
    v1.Genre = 255;
    std::vector<GridRow> rows = id3v1Rows(v1);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].Name, QStringLiteral("タイトル"));
    EXPECT_EQ(rows[0].Value, QStringLiteral("Song"));
    EXPECT_EQ(rows[3].Value, QString()); // track 0 shows nothing
    EXPECT_EQ(rows[5].Name, QStringLiteral("ジャンル"));
    EXPECT_EQ(rows[5].Value, QString()); // genre 255 shows nothing
    v1.Track = 7;
    v1.Genre = 17;
    rows = id3v1Rows(v1);
    EXPECT_EQ(rows[3].Value, QStringLiteral("7"));
    EXPECT_EQ(rows[5].Value, QStringLiteral("Rock"));
}

TEST(FileInfoRows, Id3v2ViewHasTwelveRowsInOrder)
{
    TID3v2Record v2;
    v2.Title = QStringLiteral("題");
    v2.TrackNumber = 12;
    v2.Url = QStringLiteral("http://127.0.0.1/");
    v2.Composer = QStringLiteral("作者");
    const std::vector<GridRow> rows = id3v2Rows(v2);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0].Value, QStringLiteral("題"));
    EXPECT_EQ(rows[3].Value, QStringLiteral("12"));
    EXPECT_EQ(rows[10].Name, QStringLiteral("URL"));
    EXPECT_EQ(rows[10].Value, v2.Url);
    EXPECT_EQ(rows[11].Name, QStringLiteral("作曲者"));
    EXPECT_EQ(rows[11].Value, QStringLiteral("作者"));
}

TEST(ReadFileInfo, RealStreamFillsTheTwelveBoxes)
{
    test::TempProgramFolder dir;
    const QString path = dir.file(QStringLiteral("a.mp3"));
    // 417-byte frames: 3000 of them are about 78.4 s at 128 kbit/s.
    test::writeFile(path, test::silentMpegFrames(3000));
    const FileInfoReport r = ReadFileInfo(path);
    ASSERT_EQ(r.status, FileInfoReport::Valid);
    EXPECT_EQ(r.Texts[FileSizeBox], QStringLiteral("1.2 MB"));
    EXPECT_EQ(r.Texts[MPEGTypeBox], QStringLiteral("MPEG 1 Layer III"));
    EXPECT_EQ(r.Texts[BitRateBox], QStringLiteral("CBR 128 kbit/s"));
    EXPECT_EQ(r.Texts[DurationBox], QStringLiteral("1分18秒"));
    EXPECT_EQ(r.Texts[SampleRateBox], QStringLiteral("44.1 KHz"));
    EXPECT_EQ(r.Texts[ChannelModeBox], QStringLiteral("Joint Stereo"));
    EXPECT_EQ(r.Texts[CRCProtectionBox], QStringLiteral("No"));
    EXPECT_FALSE(r.Texts[TotalFramesBox].isEmpty());
    EXPECT_TRUE(r.Picture.isEmpty());
}

TEST(ReadFileInfo, MissingFolderAndStreamlessFiles)
{
    test::TempProgramFolder dir;
    EXPECT_EQ(ReadFileInfo(dir.file(QStringLiteral("gone.mp3"))).status, FileInfoReport::Missing);
    EXPECT_FALSE(ReadFileInfo(QString()).exists());
    EXPECT_EQ(ReadFileInfo(dir.path()).status, FileInfoReport::Missing);

    // No audio in it, but a picture in its tag: the picture is still this file's.
    const QString path = dir.file(QStringLiteral("noise.mp3"));
    test::writeFile(path, QByteArray(4000, 'x'));
    TID3v2 tag;
    tag.Picture().MimeType = QStringLiteral("image/jpg");
    tag.Picture().ImageData = QByteArray("\xFF\xD8\xFF", 3);
    ASSERT_TRUE(tag.SaveTag(path));
    const FileInfoReport r = ReadFileInfo(path);
    EXPECT_EQ(r.status, FileInfoReport::NoStream);
    EXPECT_TRUE(r.exists());
    EXPECT_EQ(r.Picture, QByteArray("\xFF\xD8\xFF", 3));
    EXPECT_EQ(r.PictureMime, QStringLiteral("image/jpg"));
    EXPECT_TRUE(r.Texts[FileSizeBox].isEmpty());

    // Shorter than an ID3v1 tag: the analysis cannot read it.
    const QString tiny = dir.file(QStringLiteral("tiny.mp3"));
    test::writeFile(tiny, QByteArray(100, 'x'));
    EXPECT_EQ(ReadFileInfo(tiny).status, FileInfoReport::Unreadable);
}

} // namespace
