#include "core/coverart/PictureCheck.h"

#include <gtest/gtest.h>

using namespace vireo::coverart;

namespace {

QByteArray jpegHeader(int width, int height, bool withApp0 = true)
{
    QByteArray d("\xFF\xD8", 2);
    if (withApp0)
        d += QByteArray("\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 18);
    d += QByteArray("\xFF\xC0\x00\x11\x08", 5);
    d += char(height >> 8);
    d += char(height & 0xFF);
    d += char(width >> 8);
    d += char(width & 0xFF);
    d += QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
    d += QByteArray("\xFF\xD9", 2);
    return d;
}

QByteArray pngHeader(quint32 w, quint32 h)
{
    QByteArray d("\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR", 16);
    for (quint32 v : {w, h})
        for (int s = 24; s >= 0; s -= 8)
            d += char((v >> s) & 0xFF);
    d += QByteArray("\x08\x02\x00\x00\x00", 5);
    return d;
}

TEST(IsJpegData, NeedsStartAndEndMarks)
{
    EXPECT_TRUE(IsJpegData(jpegHeader(10, 10)));
    QByteArray cut = jpegHeader(10, 10);
    cut.chop(1);
    EXPECT_FALSE(IsJpegData(cut));
    EXPECT_FALSE(IsJpegData(QByteArray("\xFF\xD8", 2)));
    EXPECT_FALSE(IsJpegData(pngHeader(1, 1)));
    EXPECT_FALSE(IsJpegData(QByteArray()));
}

struct PictureCase {
    const char *name;
    QByteArray data;
    PictureFormat format;
    int width;
    int height;
};

class InspectTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(InspectTest, FormatAndSize)
{
    const PictureInfo info = inspectPicture(GetParam().data);
    EXPECT_EQ(info.format, GetParam().format);
    EXPECT_EQ(info.width, GetParam().width);
    EXPECT_EQ(info.height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InspectTest,
    ::testing::Values(
        PictureCase{"Jpeg", jpegHeader(500, 300), PictureFormat::Jpeg, 500, 300},
        PictureCase{"JpegWithoutApp0", jpegHeader(60, 60, false), PictureFormat::Jpeg, 60, 60},
        PictureCase{"JpegZeroHeight", jpegHeader(60, 0), PictureFormat::Jpeg, 60, 0},
        PictureCase{"JpegWithoutFrame", QByteArray("\xFF\xD8\xFF\xDA\x00\x02\xFF\xD9", 8), PictureFormat::Unknown, 0, 0},
        PictureCase{"JpegBadSegment", QByteArray("\xFF\xD8\x12\x34\xFF\xD9", 6), PictureFormat::Unknown, 0, 0},
        PictureCase{"Png", pngHeader(1200, 1200), PictureFormat::Png, 1200, 1200},
        PictureCase{"PngCut", pngHeader(1, 1).left(20), PictureFormat::Unknown, 0, 0},
        PictureCase{"Gif", QByteArray("GIF89a\x8c\x00\x8c\x00\x00", 11), PictureFormat::Gif, 140, 140},
        PictureCase{"Html", QByteArray("<html>"), PictureFormat::Unknown, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Inspect, ZeroHeightIsNotUsable)
{
    EXPECT_FALSE(inspectPicture(jpegHeader(60, 0)).usable());
    EXPECT_TRUE(inspectPicture(jpegHeader(60, 1)).usable());
}

} // namespace
