// Telling text files (in any of the encodings the program reads) from binary
// files put in their place.
#include "core/platform/TextCheck.h"

#include <gtest/gtest.h>

using namespace vireo;

namespace {

struct TextCase {
    const char *name;
    QByteArray bytes;
    bool utf16;
    const char *cause; // empty: text
};
void PrintTo(const TextCase &c, std::ostream *os) { *os << c.name; }
class TextCheck : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextCheck, TellsTextFromBinary)
{
    const QString cause = notTextCause(GetParam().bytes, GetParam().utf16);
    if (*GetParam().cause == '\0')
        EXPECT_TRUE(cause.isEmpty()) << qPrintable(cause);
    else
        EXPECT_TRUE(cause.contains(QString::fromUtf8(GetParam().cause))) << qPrintable(cause);
}

const QByteArray jpegHead("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20);

INSTANTIATE_TEST_SUITE_P(Files, TextCheck, ::testing::Values(
    TextCase{"empty", QByteArray(), false, ""},
    TextCase{"ascii", "[A]\r\nk=v\r\n", false, ""},
    TextCase{"cp932", "[A]\r\nk=\x93\xfa\x96\x7b\r\n", false, ""},
    TextCase{"tabs_formfeed_eof", "a\tb\fc\x1a", false, ""},
    TextCase{"trailing_nuls", QByteArray("abc\r\n") + QByteArray(100, '\0'), false, ""},
    TextCase{"nul_near_the_end", QByteArray("a\r\nb\0c\r\n", 8), false, ""},
    TextCase{"few_stray_controls", QByteArray("a\x1b") + QByteArray(2000, 'x'), false, ""},
    TextCase{"jpeg", jpegHead + QByteArray(500, 'x'), false, "NUL"},
    TextCase{"many_controls", QByteArray(50, '\x02') + QByteArray(100, 'x'), false, "制御文字"},
    TextCase{"utf16_refused", QByteArray("\xFF\xFE" "a\0", 4), false, "UTF-16"},
    TextCase{"utf16_le", QByteArray("\xFF\xFE" "a\0\r\0\n\0\xE5\x65", 10), true, ""},
    TextCase{"utf16_be", QByteArray("\xFE\xFF\0a\0\n", 6), true, ""},
    TextCase{"utf16_binary", QByteArray("\xFF\xFE", 2) + jpegHead + QByteArray(500, 'x'), true, "NUL"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
