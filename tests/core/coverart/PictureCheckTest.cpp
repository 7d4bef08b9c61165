#include "core/coverart/PictureCheck.h"

#include "tests/support/PictureBytes.h"

#include <gtest/gtest.h>

using namespace vireo::coverart;
using vireo::test::jpegBytes;
using vireo::test::pngBytes;

namespace {

TEST(IsJpegData, NeedsStartAndEndMarks)
{
    EXPECT_TRUE(IsJpegData(jpegBytes(10, 10)));
    QByteArray cut = jpegBytes(10, 10);
    cut.chop(1);
    EXPECT_FALSE(IsJpegData(cut));
    EXPECT_FALSE(IsJpegData(QByteArray("\xFF\xD8", 2)));
    EXPECT_FALSE(IsJpegData(pngBytes(1, 1)));
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
        PictureCase{"Jpeg", jpegBytes(500, 300), PictureFormat::Jpeg, 500, 300},
        PictureCase{"JpegWithoutApp0", jpegBytes(60, 60, false), PictureFormat::Jpeg, 60, 60},
        PictureCase{"JpegZeroHeight", jpegBytes(60, 0), PictureFormat::Jpeg, 60, 0},
        PictureCase{"JpegWithoutFrame", QByteArray("\xFF\xD8\xFF\xDA\x00\x02\xFF\xD9", 8), PictureFormat::Unknown, 0, 0},
        PictureCase{"JpegBadSegment", QByteArray("\xFF\xD8\x12\x34\xFF\xD9", 6), PictureFormat::Unknown, 0, 0},
        PictureCase{"Png", pngBytes(1200, 1200), PictureFormat::Png, 1200, 1200},
        PictureCase{"PngCut", pngBytes(1, 1).left(20), PictureFormat::Unknown, 0, 0},
        PictureCase{"Gif", QByteArray("GIF89a\x8c\x00\x8c\x00\x00", 11), PictureFormat::Gif, 140, 140},
        PictureCase{"Html", QByteArray("<html>"), PictureFormat::Unknown, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Inspect, ZeroHeightIsNotUsable)
{
    EXPECT_FALSE(inspectPicture(jpegBytes(60, 0)).usable());
    EXPECT_TRUE(inspectPicture(jpegBytes(60, 1)).usable());
}

} // namespace
