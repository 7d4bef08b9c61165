#include "core/platform/CodePage.h"

#include <gtest/gtest.h>

using namespace vireo;

namespace {
struct CodePageCase {
    const char *name;
    QByteArray bytes;
    QString text;
};

class TagCodePageRoundTrip : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(TagCodePageRoundTrip, DecodesAndEncodes)
{
    const auto &c = GetParam();
    EXPECT_EQ(fromTagCodePage(c.bytes), c.text);
    EXPECT_EQ(toTagCodePage(c.text), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Cp932, TagCodePageRoundTrip, ::testing::Values(
    CodePageCase{"ascii", "Hello", QStringLiteral("Hello")},
    CodePageCase{"kana", "\x83\x65\x83\x58\x83\x67", QString::fromUtf8("テスト")},
    CodePageCase{"kanji_with_5c_trail", "\x95\x5c", QString::fromUtf8("表")},
    CodePageCase{"halfwidth", "\xB1\xB2", QString::fromUtf8("ｱｲ")},
    CodePageCase{"nec_special", "\x87\x40", QString::fromUtf8("①")}),
    [](const auto &info) { return std::string(info.param.name); });
}

TEST(CodePage, UnmappableCharactersBecomeQuestionMark)
{
    EXPECT_EQ(toTagCodePage(QString::fromUtf8("a\u00E9b")), QByteArray("a?b"));
    // A character outside the BMP is one character, so one "?".
    EXPECT_EQ(toTagCodePage(QString::fromUtf8("x\U0001F600y")), QByteArray("x?y"));
    EXPECT_EQ(throughTagCodePage(QString::fromUtf8("日本\u00E9")), QString::fromUtf8("日本?"));
}

TEST(CodePage, UndecodableBytesBecomeReplacement)
{
    // A lone lead byte at the end and an invalid pair.
    EXPECT_EQ(fromTagCodePage("A\x81"), QString::fromUtf8("A・"));
    EXPECT_EQ(fromTagCodePage(QByteArray("\xFF" "B", 2)), QString::fromUtf8("・B"));
}

TEST(CodePage, TagTextDecodesAsIconvDoes)
{
    // The tag code page decodes through a table taken from iconv; on any
    // bytes, valid or not, it must give what iconv gives, replacements and
    // skipped bytes included.
    for (const QByteArray &codePage : {QByteArray("CP932"), QByteArray("CP936"), QByteArray("CP1252")}) {
        ASSERT_TRUE(setTagCodePage(codePage));
        uint32_t seed = 12345;
        auto next = [&] { seed = seed * 1103515245u + 12345u; return uchar(seed >> 16); };
        for (int i = 0; i < 20000; ++i) {
            QByteArray bytes;
            const int length = 1 + next() % 12;
            for (int k = 0; k < length; ++k) {
                const uchar r = next();
                // Mostly lead bytes and trail-range bytes, where the cases are.
                bytes.append(char(r < 96 ? 0x81 + r % 31 : r < 160 ? 0x40 + r : r));
            }
            ASSERT_EQ(fromTagCodePage(bytes), decodeWith(codePage, bytes)) << codePage.constData() << " "
                                                                          << bytes.toHex().constData();
        }
    }
    ASSERT_TRUE(setTagCodePage("CP932"));
    EXPECT_EQ(fromTagCodePage("\x95\x5c\x81"), QString::fromUtf8("表・"));
}

TEST(CodePage, LeadBytes)
{
    EXPECT_TRUE(isTagLeadByte(0x81));
    EXPECT_TRUE(isTagLeadByte(0x9F));
    EXPECT_TRUE(isTagLeadByte(0xE0));
    EXPECT_TRUE(isTagLeadByte(0xFC));
    EXPECT_FALSE(isTagLeadByte(0xA0));
    EXPECT_FALSE(isTagLeadByte(0xB1));
    EXPECT_FALSE(isTagLeadByte('A'));
}

TEST(CodePage, OtherTagCodePage)
{
    ASSERT_TRUE(setTagCodePage("CP1252"));
    EXPECT_EQ(fromTagCodePage("\xE9"), QString::fromUtf8("é"));
    EXPECT_FALSE(setTagCodePage("NO-SUCH-CODEPAGE"));
    EXPECT_EQ(tagCodePage(), QByteArray("CP1252"));
    ASSERT_TRUE(setTagCodePage("CP932"));
}

TEST(CodePage, UnmarkedTextPrefersUtf8)
{
    EXPECT_EQ(decodeUnmarked("\xE6\x97\xA5"), QString::fromUtf8("日"));
    EXPECT_EQ(decodeUnmarked("\x93\xfa"), QString::fromUtf8("日"));
}

TEST(CodePage, TextFileByMark)
{
    EXPECT_EQ(decodeTextFile(QByteArray("\xFF\xFE" "A\0" "\xE5\x65", 6)), QString::fromUtf8("A日"));
    EXPECT_EQ(decodeTextFile(QByteArray("\xFE\xFF\0A", 4)), QStringLiteral("A"));
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF\xE6\x97\xA5"), QString::fromUtf8("日"));
    EXPECT_EQ(decodeTextFile("\x93\xfa"), QString::fromUtf8("日"));
}
