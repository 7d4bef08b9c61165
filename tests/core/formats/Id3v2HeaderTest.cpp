// The 10-byte ID3v2 header: parsed and rendered without a file.
#include "core/formats/Id3v2Header.h"

#include <gtest/gtest.h>

using namespace vireo;

namespace {

QByteArray raw(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b += char(v);
    return b;
}

TEST(Id3v2Header, RenderThenParseGivesTheSameFields)
{
    for (uint32_t size : {0u, 1u, 127u, 128u, 4096u, (1u << 28) - 1}) {
        Id3v2Header h;
        h.majorVersion = 4;
        h.revision = 1;
        h.flags = Id3v2Header::Unsynchronised | Id3v2Header::FooterPresent;
        h.bodySize = size;
        const QByteArray bytes = h.render();
        ASSERT_EQ(bytes.size(), Id3v2Header::Size);
        const std::optional<Id3v2Header> back = Id3v2Header::parse(bytes);
        ASSERT_TRUE(back) << size;
        EXPECT_EQ(back->bodySize, size);
        EXPECT_EQ(back->revision, 1);
        EXPECT_TRUE(back->syncsafeSize);
        EXPECT_TRUE(back->unsynchronised());
        EXPECT_EQ(back->wholeLength(), int64_t(size) + 20);
    }
}

TEST(Id3v2Header, SizeIsSyncsafe)
{
    // 00 00 02 01 = 2*128 + 1
    const auto h = Id3v2Header::parse(raw({'I', 'D', '3', 3, 0, 0, 0, 0, 2, 1}));
    ASSERT_TRUE(h);
    EXPECT_EQ(h->bodySize, 257u);
    EXPECT_EQ(h->wholeLength(), 267);
    // A size byte with its top bit set is read as stored and flagged.
    const auto dirty = Id3v2Header::parse(raw({'I', 'D', '3', 3, 0, 0, 0, 0, 0x81, 0}));
    ASSERT_TRUE(dirty);
    EXPECT_FALSE(dirty->syncsafeSize);
}

TEST(Id3v2Header, FlagMeaningsDependOnTheVersion)
{
    auto flagged = [](int version, int flags) {
        return *Id3v2Header::parse(raw({'I', 'D', '3', version, 0, flags, 0, 0, 0, 0}));
    };
    EXPECT_TRUE(flagged(2, 0x40).compressedV22());
    EXPECT_FALSE(flagged(2, 0x40).hasExtendedHeader());
    EXPECT_TRUE(flagged(3, 0x40).hasExtendedHeader());
    EXPECT_FALSE(flagged(3, 0x40).compressedV22());
    EXPECT_FALSE(flagged(3, 0x10).hasFooter()); // footers exist from 2.4 on
    EXPECT_TRUE(flagged(4, 0x10).hasFooter());
    EXPECT_FALSE(flagged(5, 0).knownVersion());
    EXPECT_FALSE(flagged(1, 0).knownVersion());
}

TEST(Id3v2Header, NotAHeader)
{
    EXPECT_FALSE(Id3v2Header::parse(QByteArray()));
    EXPECT_FALSE(Id3v2Header::parse(QByteArray("ID3\3\0\0\0\0\0", 9)));
    EXPECT_FALSE(Id3v2Header::parse(QByteArray("TAG\3\0\0\0\0\0\0", 10)));
    EXPECT_FALSE(Id3v2Header::parse(QByteArray("id3\3\0\0\0\0\0\0", 10)));
}

} // namespace
