#include "core/library/CacheText.h"

#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::cachetext;

namespace {

struct SplitCase {
    const char *name;
    QString line;
    QStringList fields;
};

class SplitLine : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLine, GivesFields)
{
    EXPECT_EQ(splitFields(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(CommaRules, SplitLine, ::testing::Values(
    SplitCase{"plain", QStringLiteral("a,b,c"), {"a", "b", "c"}},
    SplitCase{"blanks_around_commas", QStringLiteral("  a ,  b"), {"a", "b"}},
    SplitCase{"blank_separates", QStringLiteral("a b"), {"a", "b"}},
    SplitCase{"quoted_comma", QStringLiteral("\"a,b\",c"), {"a,b", "c"}},
    SplitCase{"doubled_quote", QStringLiteral("\"say \"\"hi\"\"\""), {"say \"hi\""}},
    SplitCase{"empty_quoted", QStringLiteral("\"\",x"), {"", "x"}},
    SplitCase{"final_comma", QStringLiteral("a,"), {"a", ""}},
    SplitCase{"final_comma_then_blank", QStringLiteral("a, "), {"a"}},
    SplitCase{"two_commas", QStringLiteral("a,,b"), {"a", "", "b"}},
    SplitCase{"empty_line", QString(), {}},
    SplitCase{"blank_line", QStringLiteral("   "), {}},
    SplitCase{"text_after_quote", QStringLiteral("\"ab\"cd,e"), {"ab", "cd", "e"}},
    SplitCase{"unterminated_quote", QStringLiteral("x,\"ab,cd"), {"x", "ab,cd"}},
    SplitCase{"japanese", QStringLiteral("日本語,\"空 白\""), {"日本語", "空 白"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CommaText, JoinQuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(joinFields(QStringList{"a", "", "b c", "d,e", "f\"g", "日本"}),
              QStringLiteral("a,,\"b c\",\"d,e\",\"f\"\"g\",日本"));
    EXPECT_EQ(joinFields(QList<QByteArray>{"x", "\t", "y\x01"}), QByteArray("x,\"\t\",\"y\x01\""));
    // A code 0 would end the whole file for a reader.
    EXPECT_EQ(joinFields(QList<QByteArray>{QByteArray("ab\0cd", 5)}), QByteArray("ab"));
}

QStringList readAllRows(const QString &text, QStringList *lines = nullptr)
{
    QStringList rows;
    TextRows r(text, true);
    QStringList f;
    QStringView line;
    while (r.next(f, line)) {
        rows.append(f.join(u'|'));
        if (lines)
            lines->append(line.toString());
    }
    return rows;
}

TEST(CommaText, RowsRoundTripEveryAwkwardField)
{
    const QStringList fields = {
        "plain", "", " lead", "trail ", "a,b", "\"", "\"\"", "x\"y", "line\r\nbreak", "cr\ronly",
        "lf\nonly", QStringLiteral("sep\u2028arator"), "tab\there", QStringLiteral("日本語のタイトル"), ",",
    };
    const QString text = joinFields(fields) + QStringLiteral("\r\n") + joinFields(fields) + QStringLiteral("\r\n");
    TextRows r(text, true);
    QStringList got;
    QStringView line;
    ASSERT_TRUE(r.next(got, line));
    EXPECT_EQ(got, fields);
    ASSERT_TRUE(r.next(got, line));
    EXPECT_EQ(got, fields);
    EXPECT_FALSE(r.next(got, line));

    QList<QByteArray> bytes;
    for (const QString &f : fields)
        if (!f.contains(QChar(0x2028)))
            bytes.append(f.toUtf8());
    const QByteArray btext = joinFields(bytes) + "\r\n";
    ByteRows br(btext);
    QList<QByteArray> bgot;
    QByteArrayView bline;
    ASSERT_TRUE(br.next(bgot, bline));
    EXPECT_EQ(bgot, bytes);
    EXPECT_FALSE(br.next(bgot, bline));
}

TEST(CommaText, LineStructure)
{
    // Empty lines are rows of no fields; a final line break adds none; code 0 ends the text.
    QStringList lines;
    EXPECT_EQ(readAllRows(QStringLiteral("a,b\r\n\r\nc\n\rd\r\n"), &lines),
              (QStringList{"a|b", "", "c", "", "d"}));
    EXPECT_EQ(lines, (QStringList{"a,b", "", "c", "", "d"}));
    EXPECT_EQ(readAllRows(QStringLiteral("a\u2028b")), (QStringList{"a", "b"}));
    EXPECT_EQ(readAllRows(QString::fromUtf16(u"a\r\nb\0c\r\nd", 10)), (QStringList{"a", "b"}));
    // An unclosed quote keeps to its line, as the old reader did.
    EXPECT_EQ(readAllRows(QStringLiteral("x,\"open\r\ny,z\r\n")), (QStringList{"x|open", "y|z"}));
    // The byte reader does not treat U+2028 specially.
    ByteRows br(QByteArrayView("a\xe2\x80\xa8" "b\n"));
    QList<QByteArray> f;
    QByteArrayView l;
    ASSERT_TRUE(br.next(f, l));
    EXPECT_EQ(f, QList<QByteArray>{QByteArray("a\xe2\x80\xa8" "b")});
}

TEST(CommaText, SplitLinesForListFiles)
{
    EXPECT_EQ(splitLines(u"a\r\nb\rc\nd\u2028e\r\n", true), (QStringList{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(splitLines(u"a\r\n\r\n", true), (QStringList{"a", ""}));
    EXPECT_EQ(splitLines(u"", true), QStringList());
    EXPECT_EQ(splitLines(u"a\u2028b", false), QStringList{QStringLiteral("a\u2028b")});
}

struct DateCase {
    const char *text;
    int32_t packed; // -2: not a date
};

class DateField : public ::testing::TestWithParam<DateCase> {};

constexpr int32_t pack(int y, int mo, int d, int h, int mi, int s)
{
    return int32_t((uint32_t(y - 1980) << 25) | (uint32_t(mo) << 21) | (uint32_t(d) << 16)
                   | (uint32_t(h) << 11) | (uint32_t(mi) << 5) | uint32_t(s / 2));
}

TEST_P(DateField, Parses)
{
    const auto got = parseDosDate(QString::fromLatin1(GetParam().text));
    const auto gotBytes = parseDosDate(QByteArrayView(GetParam().text));
    if (GetParam().packed == -2) {
        EXPECT_FALSE(got.has_value());
        EXPECT_FALSE(gotBytes.has_value());
    } else {
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, GetParam().packed);
        EXPECT_EQ(gotBytes, got);
    }
}

INSTANTIATE_TEST_SUITE_P(Cache, DateField, ::testing::Values(
    DateCase{"2001/02/03 04:05:06", pack(2001, 2, 3, 4, 5, 6)},
    DateCase{"2001/02/03 04:05:07", pack(2001, 2, 3, 4, 5, 6)}, // odd seconds read one lower
    DateCase{"1980/01/01 00:00:00", pack(1980, 1, 1, 0, 0, 0)},
    DateCase{"2107/12/31 23:59:58", pack(2107, 12, 31, 23, 59, 58)},
    DateCase{"1979/12/31 23:59:59", 0},
    DateCase{"2108/01/01 00:00:00", 0},
    DateCase{"2024/2/29 1:02:03", pack(2024, 2, 29, 1, 2, 3)},
    DateCase{"2023/02/29 00:00:00", -2},
    DateCase{"2001/13/01 00:00:00", -2},
    DateCase{"2001/01/01 24:00:00", -2},
    DateCase{"", -2},
    DateCase{"2001-01-01 00:00:00", -2},
    DateCase{"2001/01/01 00:00:00x", -2}));

TEST(CacheDate, FormatsValidDatesOnly)
{
    EXPECT_EQ(formatDosDate(pack(2001, 2, 3, 4, 5, 6)), QStringLiteral("2001/02/03 04:05:06"));
    EXPECT_EQ(formatDosDate(pack(2107, 12, 31, 23, 59, 58)), QStringLiteral("2107/12/31 23:59:58"));
    EXPECT_FALSE(formatDosDate(0).has_value());
    EXPECT_FALSE(formatDosDate(-1).has_value());
    EXPECT_FALSE(formatDosDate(pack(2001, 2, 30, 0, 0, 0)).has_value());
}

} // namespace
